// Writers of the archive: the lock that lets one add or delete of ours run at
// a time, and orvexzip stopped by a signal in the middle of a job.

#include "support/ArchiveBuilder.h"
#include "support/ArchiveReading.h"
#include "support/Files.h"
#include "support/Run.h"

#include "engine/ArchiveLock.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sstream>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

extern char **environ;

using namespace ziptest;
namespace fs = std::filesystem;

namespace {

const std::string Program = std::string(ORVEX_BUILD_DIR) + "/orvexzip";

// orvexzip running in `directory`, its standard error readable through
// `output`: a pipe, or a terminal when the progress line is wanted. The
// terminal's output starts stopped (as by Ctrl+S), so the job blocks on its
// first write there until `finish` lets it go on: a signal sent in between
// reaches it mid-job whatever the machine's load.
class Child {
public:
    Child(const std::vector<std::string> &args, const std::string &directory, bool terminal)
    {
        std::string errorPath;
        int writeEnd = -1;
        if (terminal) {
            output_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
            if (output_ < 0 || ::grantpt(output_) != 0 || ::unlockpt(output_) != 0)
                return;
            errorPath = ::ptsname(output_);
            terminal_ = ::open(errorPath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
            if (terminal_ < 0 || ::tcflow(terminal_, TCOOFF) != 0)
                return;
        } else {
            int ends[2];
            if (::pipe2(ends, O_CLOEXEC) != 0)
                return;
            output_ = ends[0];
            writeEnd = ends[1];
        }
        std::vector<char *> argv{const_cast<char *>(Program.c_str())};
        for (const std::string &a : args)
            argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        if (terminal)
            posix_spawn_file_actions_addopen(&actions, 2, errorPath.c_str(), O_RDWR | O_NOCTTY, 0);
        else
            posix_spawn_file_actions_adddup2(&actions, writeEnd, 2);
        posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
        if (::posix_spawn(&pid_, Program.c_str(), &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        if (writeEnd >= 0)
            ::close(writeEnd);
    }
    ~Child()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            wait();
        }
        for (int fd : {output_, terminal_})
            if (fd >= 0)
                ::close(fd);
    }
    bool started() const { return pid_ > 0 && output_ >= 0; }

    // Reads standard error until `text` has come (true) or it ends (false).
    bool readUntil(const std::string &text)
    {
        while (seen_.find(text) == std::string::npos)
            if (!readSome())
                return false;
        return true;
    }
    // With the terminal stopped: true once the job blocks writing to it,
    // false if it ended first.
    bool blockedOnTerminal() const
    {
        const std::string blocked = std::to_string(SYS_write) + " 0x2 ";
        for (;;) {
            std::ifstream in("/proc/" + std::to_string(pid_) + "/syscall");
            std::string state;
            if (!std::getline(in, state))
                return false;
            if (state.rfind(blocked, 0) == 0)
                return true;
            siginfo_t ended{};
            if (::waitid(P_PID, id_t(pid_), &ended, WEXITED | WNOHANG | WNOWAIT) != 0 || ended.si_pid != 0)
                return false;
            std::this_thread::yield();
        }
    }
    void signal(int number) { ::kill(pid_, number); }
    // Lets a stopped terminal go on, reads standard error to its end, then
    // returns the exit status, or 1000 plus the number of the signal that
    // killed the process.
    int finish()
    {
        if (terminal_ >= 0) {
            ::tcflow(terminal_, TCOON);
            ::close(terminal_);  // else the terminal never says the job's side closed
            terminal_ = -1;
        }
        while (readSome()) {
        }
        return wait();
    }
    const std::string &seen() const { return seen_; }

private:
    bool readSome()
    {
        char buffer[4096];
        ssize_t got;
        while ((got = ::read(output_, buffer, sizeof buffer)) < 0 && errno == EINTR) {
        }
        if (got <= 0)  // a terminal whose other side is closed says EIO
            return false;
        seen_.append(buffer, size_t(got));
        return true;
    }
    int wait()
    {
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + WTERMSIG(status);
    }
    pid_t pid_ = -1;
    int output_ = -1;
    int terminal_ = -1;
    std::string seen_;
};

}  // namespace

// ---- The lock itself ----

// A writer that waits for the lock while the archive is replaced (or first
// created) by the writer before it must end up on the file that the path
// names now, where a third writer already is, not on the one it opened.
TEST(ArchiveLock, FollowsTheArchiveThatThePathNamesNow)
{
    for (const bool existedBefore : {true, false}) {
        SCOPED_TRACE(existedBefore ? "archive replaced" : "archive created");
        TempDir dir;
        const std::string archive = dir.file("a.zip");
        if (existedBefore)
            dir.write("a.zip", "old");
        orvex::ArchiveLock first;
        ASSERT_EQ(first.lock(archive, false), orvex::ArchiveLock::Locked);

        // The waiting writer is asked before each wait whether to give up;
        // the first time it goes on, the second time (a second wait) it stops.
        std::promise<void> waiting;
        int asked = 0;
        auto second = std::async(std::launch::async, [&] {
            orvex::ArchiveLock lock;
            return lock.lock(archive, true, {}, [&] {
                if (++asked == 1)
                    waiting.set_value();
                return asked > 1;
            });
        });
        waiting.get_future().get();

        dir.write("new.zip", "new");
        fs::rename(dir.file("new.zip"), archive);  // what the first writer's job ends with
        orvex::ArchiveLock third;
        EXPECT_EQ(third.lock(archive, false), orvex::ArchiveLock::Locked);
        first.unlock();
        EXPECT_EQ(second.get(), orvex::ArchiveLock::Cancelled);
        EXPECT_EQ(asked, 2);
    }
}

TEST(ArchiveLock, AMissingArchiveIsLockedWithoutCreatingAnything)
{
    TempDir dir;
    const std::string archive = dir.file("new.zip");
    {
        orvex::ArchiveLock lock;
        ASSERT_EQ(lock.lock(archive, false), orvex::ArchiveLock::Locked);
        EXPECT_TRUE(lock.held());
        orvex::ArchiveLock other;
        EXPECT_EQ(other.lock(archive, false), orvex::ArchiveLock::Busy);
        EXPECT_TRUE(listDir(dir.path()).empty());
    }
    orvex::ArchiveLock again;
    EXPECT_EQ(again.lock(archive, false), orvex::ArchiveLock::Locked);
    again.unlock();
    EXPECT_TRUE(listDir(dir.path()).empty());
}

// ---- The component: the window's setting refuses, and runs nothing ----

namespace {
int libraryCalls = 0;
int32_t countingZip(ZipCallRecord *)
{
    ++libraryCalls;
    return 1;
}
}  // namespace

TEST(ArchiveLock, TheWindowsSettingRefusesWhileAnotherWriterHoldsTheArchive)
{
    const std::pair<const char *, void (TZipEngine::*)()> operations[] = {{"add", &TZipEngine::Add},
                                                                          {"delete", &TZipEngine::Delete}};
    for (const auto &[name, operation] : operations) {
        SCOPED_TRACE(name);
        TempDir dir;
        const std::string archive = dir.write("a.zip", endRecord());  // an empty archive
        dir.write("x.txt", "x");
        TZipEngine engine(EngineLibraries{&countingZip, nullptr, nullptr});
        std::vector<std::string> notices;
        engine.MessageSink = [&](const std::string &text) { notices.push_back(text); };
        engine.setZipFilename(archive);
        ASSERT_FALSE(engine.WaitForArchiveLock);  // what the window leaves it at
        engine.AddBaseDir = dir.path();
        engine.LastResult = 7;
        libraryCalls = 0;

        orvex::ArchiveLock other;
        ASSERT_EQ(other.lock(archive, false), orvex::ArchiveLock::Locked);
        engine.FileSpecs = {"x.txt"};
        (engine.*operation)();
        EXPECT_EQ(notices, std::vector<std::string>{"The archive is being changed by another program"});
        EXPECT_EQ(libraryCalls, 0);
        EXPECT_EQ(engine.LastResult, 0);
        EXPECT_FALSE(engine.ZipRunning);

        other.unlock();
        engine.FileSpecs = {"x.txt"};
        (engine.*operation)();
        EXPECT_EQ(libraryCalls, 1);
        EXPECT_EQ(notices.size(), 1u);
    }
}

// ---- orvexzip: waiting for the lock, and concurrent adds ----

TEST(ArchiveLock, TheCommandLineWaitsForTheHolderAndThenAdds)
{
    TempDir dir;
    dir.write("a.txt", "first");
    dir.write("b.txt", "second");
    ASSERT_EQ(runOrvexzip({"add", "a.zip", "a.txt"}, dir.path()).exitCode, 0);
    const std::string before = readFile(dir.file("a.zip"));

    // Released: the add goes on. Interrupted while waiting: nothing changes.
    for (const bool release : {false, true}) {
        SCOPED_TRACE(release ? "released" : "interrupted");
        orvex::ArchiveLock holder;
        ASSERT_EQ(holder.lock(dir.file("a.zip"), false), orvex::ArchiveLock::Locked);
        Child add({"add", "a.zip", "b.txt"}, dir.path(), false);
        ASSERT_TRUE(add.started());
        ASSERT_TRUE(add.readUntil("Waiting for another program to finish changing a.zip")) << add.seen();
        EXPECT_EQ(readFile(dir.file("a.zip")), before);
        if (release) {
            holder.unlock();
            EXPECT_EQ(add.finish(), 0) << add.seen();
            EXPECT_EQ(listArchive(dir.file("a.zip")).names(), (std::vector<std::string>{"a.txt", "b.txt"}));
        } else {
            add.signal(SIGINT);
            EXPECT_EQ(add.finish(), 130) << add.seen();
            EXPECT_EQ(readFile(dir.file("a.zip")), before);
        }
    }
    EXPECT_EQ(listDir(dir.path()), (std::vector<std::string>{"a.txt", "a.zip", "b.txt"}));
}

TEST(ArchiveLock, ConcurrentAddsToOneArchiveKeepEveryMember)
{
    TempDir dir;
    // Big enough that, unordered, the two jobs overlap and one rename drops
    // the other's member.
    std::string text;
    for (int i = 0; text.size() < (2u << 20); ++i)
        text += std::to_string(i * 2654435761u) + "\n";
    const int rounds = 3;
    std::vector<std::string> expected;
    for (int round = 0; round < rounds; ++round) {
        for (const char *side : {"l", "r"}) {
            const std::string name = side + std::to_string(round) + ".txt";
            dir.write(name, text + name);
            expected.push_back(name);
        }
        RunResult left, right;
        std::thread other([&] {
            right = runOrvexzip({"add", "a.zip", "r" + std::to_string(round) + ".txt"}, dir.path());
        });
        left = runOrvexzip({"add", "a.zip", "l" + std::to_string(round) + ".txt"}, dir.path());
        other.join();
        EXPECT_EQ(left.exitCode, 0) << left.err;
        EXPECT_EQ(right.exitCode, 0) << right.err;
    }
    std::vector<std::string> names = listArchive(dir.file("a.zip")).names();
    std::sort(names.begin(), names.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
}

// ---- orvexzip stopped by a signal ----

// The signal comes while the job is blocked reporting its first member on the
// stopped terminal. Nothing may remain of it: no temporary file beside the
// archive or in the target, the archives as they were, and in the target only
// members extracted whole.
TEST(Interrupt, AddAndExtractStopCleanlyWithTheSignalsExitStatus)
{
    TempDir dir;
    const int members = 300;
    fs::create_directory(dir.file("tree"));
    for (int i = 0; i < members; ++i) {
        const std::string name = "a-member-with-a-longish-name-" + std::to_string(i) + ".txt";
        dir.write("tree/" + name, name);
    }
    ASSERT_EQ(runOrvexzip({"add", "big.zip", "--level", "1", "--recurse", "tree"}, dir.path()).exitCode, 0);
    dir.write("small.txt", "small");
    ASSERT_EQ(runOrvexzip({"add", "a.zip", "small.txt"}, dir.path()).exitCode, 0);
    const std::string archiveBefore = readFile(dir.file("a.zip"));
    const std::string bigBefore = readFile(dir.file("big.zip"));
    const std::string target = dir.file("out");
    fs::create_directory(target);
    const std::vector<std::string> filesBefore = listDir(dir.path());

    struct Case {
        const char *command;
        int signal;
        int status;
    };
    for (const Case &c :
         {Case{"add", SIGINT, 130}, Case{"add", SIGTERM, 143}, Case{"add", SIGHUP, 129}, Case{"extract", SIGINT, 130},
          Case{"extract", SIGTERM, 143}, Case{"extract", SIGHUP, 129}, Case{"test", SIGINT, 130}}) {
        const std::string command = c.command;
        SCOPED_TRACE(command + " " + strsignal(c.signal));
        fs::remove_all(target);
        fs::create_directory(target);
        Child child(command == "add"    ? std::vector<std::string>{"add", "a.zip", "--recurse", "tree"}
                    : command == "test" ? std::vector<std::string>{"test", "big.zip"}
                                        : std::vector<std::string>{"extract", "big.zip", "--to", "out"},
                    dir.path(), true);
        ASSERT_TRUE(child.started());
        ASSERT_TRUE(child.blockedOnTerminal());
        child.signal(c.signal);
        EXPECT_EQ(child.finish(), c.status) << child.seen().substr(0, 500);

        EXPECT_EQ(listDir(dir.path()), filesBefore);
        EXPECT_EQ(readFile(dir.file("a.zip")), archiveBefore);
        EXPECT_EQ(readFile(dir.file("big.zip")), bigBefore);
        const std::vector<std::string> extracted = listDir(target);  // without folders
        EXPECT_LT(extracted.size(), size_t(members));
        for (const std::string &name : extracted)
            EXPECT_EQ(readFile(target + "/" + name), name);
    }
}

// A convert stopped while it extracts the source (blocked on the stopped
// terminal, as above) leaves neither the new archive nor its temporary
// directory, whichever reader was extracting.
TEST(Interrupt, AStoppedConvertLeavesNoTargetAndNoTemporaryDirectory)
{
    TempDir dir;
    fs::create_directory(dir.file("tree"));
    for (int i = 0; i < 300; ++i)
        dir.write("tree/a-member-with-a-longish-name-" + std::to_string(i) + ".txt", "x");
    ASSERT_EQ(runOrvexzip({"add", "big.zip", "--level", "1", "--recurse", "--paths", "tree"}, dir.path()).exitCode, 0);
    std::vector<std::string> sources{"big.zip"};
    if (haveProgram("tar") && sh("tar cf big.tar tree", dir.path()) == 0)
        sources.push_back("big.tar");
    const std::vector<std::string> filesBefore = listDir(dir.path());
    for (const std::string &source : sources) {
        SCOPED_TRACE(source);
        Child child({"convert", source, "new.zip"}, dir.path(), true);
        ASSERT_TRUE(child.started());
        ASSERT_TRUE(child.blockedOnTerminal());
        child.signal(SIGINT);
        EXPECT_EQ(child.finish(), 130) << child.seen().substr(0, 500);
        EXPECT_EQ(listDir(dir.path()), filesBefore);
    }
}
