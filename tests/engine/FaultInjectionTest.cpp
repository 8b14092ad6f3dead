// Write faults in both engine libraries (ORVEX_FAULT, engine/zipformat/
// SystemCalls.h): every write, short write, rename, directory creation and
// fsync of an add, an update, a delete, a rename and an extraction is made to fail in
// turn. A failed add, delete or rename must leave the archive exactly as it was and
// no temporary file; a failed extraction must leave no partial file under a
// final name. KilledAdd kills orvexzip at random writes; OtherFormatChanges
// fails each write, rename and fsync of orvexzip's changes of tar and 7z.
//
// Each test adds its figures to $ORVEX_BUILD_DIR/robustness/faults.txt
// ("faults_injected N", "archives_changed N"; the second must stay 0).

#include "engine/zipeng/ZipJob.h"
#include "support/ArchiveBuilder.h"
#include "support/ArchiveReading.h"
#include "support/EngineCalls.h"
#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <random>
#include <spawn.h>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

using namespace ziptest;
namespace fs = std::filesystem;

// ---- Plans and tallies --------------------------------------------------------

struct Figures {
    uint64_t faults = 0;   // faults that fired
    uint64_t changed = 0;  // runs after which the archive was neither the old nor the new one
    uint64_t runs = 0;
};
Figures figures;

using Tally = std::map<std::string, uint64_t>;

std::string tallyPath()
{
    const char *base = std::getenv("TMPDIR");
    return std::string(base && *base ? base : "/tmp") + "/orvex-fault-tally-" + std::to_string(::getpid());
}

Tally readTally(const std::string &path)
{
    Tally tally;
    std::ifstream in(path);
    std::string kind;
    uint64_t count = 0;
    while (in >> kind >> count)
        tally[kind] = count;
    return tally;
}

// Runs `call` (one library call) under `plan`; empty means no fault.
Tally underPlan(const std::string &plan, const std::function<void()> &call)
{
    const std::string tally = tallyPath();
    ::unlink(tally.c_str());
    if (plan.empty())
        ::unsetenv("ORVEX_FAULT");
    else
        ::setenv("ORVEX_FAULT", plan.c_str(), 1);
    ::setenv("ORVEX_FAULT_TALLY", tally.c_str(), 1);
    call();
    ::unsetenv("ORVEX_FAULT");
    ::unsetenv("ORVEX_FAULT_TALLY");
    Tally counts = readTally(tally);
    ::unlink(tally.c_str());
    ++figures.runs;
    figures.faults += counts["fired"];
    return counts;
}

std::string planFor(const std::string &kind, uint64_t n, const std::string &error = {})
{
    return kind + ":" + std::to_string(n) + (error.empty() ? "" : ":" + error);
}

// How a fault of one kind must end.
enum class Outcome {
    Fails,      // the call must report an error and change nothing
    Completes,  // the code must retry and produce the full result
    EitherWay,  // a correct result, or a clean failure
};

struct FaultKind {
    std::string kind;     // as ORVEX_FAULT names it
    std::string counter;  // the tally line that gives the range
    std::string error;    // errno name, empty for the default (EIO)
    Outcome outcome;
};

const std::vector<FaultKind> &faultKinds()
{
    static const std::vector<FaultKind> kinds = {
        {"write", "write", "", Outcome::Fails},
        {"write", "write", "ENOSPC", Outcome::Fails},
        // Interrupted calls are retried.
        {"write", "write", "EINTR", Outcome::Completes},
        // copy_file_range falls back to reads and writes; anything else fails.
        {"write", "write", "EXDEV", Outcome::EitherWay},
        {"short-write", "write", "", Outcome::EitherWay},
        {"rename", "rename", "", Outcome::Fails},
        {"mkdir", "mkdir", "", Outcome::Fails},
        {"symlink", "symlink", "", Outcome::Fails},
        {"sync", "sync", "", Outcome::Fails},
    };
    return kinds;
}

std::string describe(const FaultKind &k, uint64_t n)
{
    return "ORVEX_FAULT=" + planFor(k.kind, n, k.error);
}

// Adds this process's figures for the current test to the per-test file and
// rewrites the sum over all tests, under a lock: ctest runs tests in parallel
// processes.
void publishFigures(const std::string &testName)
{
    const fs::path dir = fs::path(ORVEX_BUILD_DIR) / "robustness";
    std::error_code error;
    fs::create_directories(dir / "faults.d", error);
    const int lock = ::open((dir / ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (lock >= 0)
        ::flock(lock, LOCK_EX);
    {
        std::ofstream out(dir / "faults.d" / (testName + ".txt"), std::ios::trunc);
        out << "faults_injected " << figures.faults << "\narchives_changed " << figures.changed << "\nruns "
            << figures.runs << "\n";
    }
    Tally sum;
    for (const auto &entry : fs::directory_iterator(dir / "faults.d", error))
        for (const auto &[key, value] : readTally(entry.path().string()))
            sum[key] += value;
    {
        std::ofstream out(dir / "faults.txt", std::ios::trunc);
        out << "faults_injected " << sum["faults_injected"] << "\narchives_changed " << sum["archives_changed"]
            << "\nruns " << sum["runs"] << "\n";
    }
    if (lock >= 0)
        ::close(lock);
    std::cout << testName << ": faults injected: " << figures.faults << ", archives changed: " << figures.changed
              << ", runs: " << figures.runs << std::endl;
}

class FaultTest : public ::testing::Test {
protected:
    void SetUp() override { figures = {}; }
    void TearDown() override
    {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        publishFigures(std::string(info->test_suite_name()) + "." + info->name());
    }
};

// ---- The compression library --------------------------------------------------

// Walks every fault kind over every call of its kind that `call` makes on
// `archive` (in the current directory), each run from the state `restore`
// sets up.
void walkZip(const std::string &archive, const std::function<void()> &restore, const std::function<CallResult()> &call,
             const std::function<void(const std::string &)> &checkNew)
{
    restore();
    const std::vector<std::string> before = listDir(".");
    const bool existed = exists(archive);
    const std::string old = existed ? readFile(archive) : std::string();

    CallResult base;
    Tally range = underPlan("", [&] { base = call(); });
    ASSERT_GT(base.result, 0) << base.dump();
    ASSERT_TRUE(base.errors().empty()) << base.dump();
    ASSERT_TRUE(exists(archive));
    const std::string expected = readFile(archive);
    ASSERT_NE(expected, old);
    checkNew(archive);
    std::cout << "calls: " << range["write"] << " writes, " << range["rename"] << " rename, " << range["sync"]
              << " fsync" << std::endl;
    ASSERT_GT(range["write"], 0u);
    ASSERT_EQ(range["sync"], 1u);
    ASSERT_EQ(range["rename"], 1u);
    std::vector<std::string> after = before;
    if (!existed) {
        after.push_back(archive);
        std::sort(after.begin(), after.end());
    }

    for (const FaultKind &k : faultKinds()) {
        for (uint64_t n = 1; n <= range[k.counter]; ++n) {
            restore();
            CallResult r;
            const Tally t = underPlan(planFor(k.kind, n, k.error), [&] { r = call(); });
            const std::string where = describe(k, n) + "\n" + r.dump();
            const bool fired = t.at("fired") == 1;
            // A short write is planned on a write-class call; a truncation
            // cannot be shortened.
            EXPECT_TRUE(fired || k.kind == "short-write") << where;
            const bool present = exists(archive);
            const std::string now = present ? readFile(archive) : std::string();
            if (r.result > 0) {
                EXPECT_FALSE(fired && k.outcome == Outcome::Fails) << "a failed call reported success: " << where;
                EXPECT_TRUE(r.errors().empty()) << where;
                if (now != expected) {
                    ++figures.changed;
                    ADD_FAILURE() << "the new archive is not the expected one: " << where;
                }
                EXPECT_EQ(listDir("."), after) << where;
            } else {
                EXPECT_NE(k.outcome, Outcome::Completes) << "the call gave up: " << where;
                EXPECT_FALSE(r.errors().empty()) << "the failure was not reported as an error: " << where;
                if (present != existed || now != old) {
                    ++figures.changed;
                    ADD_FAILURE() << "the archive changed after a failure: " << where;
                }
                EXPECT_EQ(listDir("."), before) << "left behind: " << where;
            }
        }
    }
}

void expectMembers(const std::string &archive, const std::map<std::string, std::string> &contents)
{
    const ArchiveInfo info = readArchive(archive);
    ASSERT_TRUE(info.ok);
    std::map<std::string, std::string> seen;
    for (const ArchiveMember &m : info.members) {
        if (m.name.ends_with('/'))
            continue;
        const auto it = contents.find(m.name);
        ASSERT_NE(it, contents.end()) << m.name;
        EXPECT_EQ(m.unpackedSize, it->second.size()) << m.name;
        EXPECT_EQ(m.crc, crc32Of(it->second)) << m.name;
        seen[m.name] = it->second;
    }
    EXPECT_EQ(seen.size(), contents.size());
    EXPECT_EQ(checkWithTools(archive), "");
}

using Files = std::vector<std::pair<std::string, std::string>>;  // name, content

// Writes each file and keeps what it holds in `contents`.
void writeFiles(std::map<std::string, std::string> &contents, const Files &files)
{
    for (const auto &[name, content] : files) {
        writeFile(name, content);
        contents[name] = content;
    }
}

// Writes the files and adds them, in this order, to a new old.zip: its
// bytes, or nothing when the add failed.
std::string oldZip(std::map<std::string, std::string> &contents, const Files &files)
{
    writeFiles(contents, files);
    std::vector<std::string> names;
    for (const auto &file : files)
        names.push_back(file.first);
    return callEngine("old.zip", names).result > 0 ? readFile("old.zip") : std::string();
}

// The old.zip the updates start from: five members, some of which they replace.
std::string oldZipToUpdate(std::map<std::string, std::string> &contents)
{
    return oldZip(contents, {{"k1.txt", textData(10000, 1)},
                             {"k2.txt", textData(3000, 2)},
                             {"r1.txt", textData(8000, 3)},
                             {"r2.bin", randomData(2000, 4)},
                             {"big.bin", randomData(200000, 5)}});
}

// Restores the stream limits however the test ends.
struct StreamLimits {
    uint64_t whole = zipeng::tuning::wholeFileLimit;
    size_t chunk = zipeng::tuning::streamChunk;
    ~StreamLimits()
    {
        zipeng::tuning::wholeFileLimit = whole;
        zipeng::tuning::streamChunk = chunk;
    }
};

// A new archive: directories, several files, one larger than the writer's
// buffer (written in one call, not through the buffer).
TEST_F(FaultTest, AddCreatingAnArchive)
{
    ScratchDir scratch;
    std::map<std::string, std::string> contents;
    makeDirs("src/sub");
    writeFiles(contents, {{"src/a.txt", textData(30000, 1)},
                          {"src/b.bin", randomData(5000, 2)},
                          {"src/empty", ""},
                          {"src/sub/c.txt", textData(2000, 3)},
                          {"src/big.bin", randomData(4608u << 10, 4)},
                          {"note.txt", textData(700, 5)}});
    Flags flags;
    flags.recurse = true;
    walkZip(
        "new.zip", [] { ::unlink("new.zip"); },
        [&] {
            return callEngine("new.zip", {"src", "note.txt"}, flags);
        },
        [&](const std::string &archive) { expectMembers(archive, contents); });
}

// An update: two members kept (copied from the old archive), three replaced,
// one of them now larger than the writer's buffer and streamed, so that it is
// deflated, found not to shrink, cut off and stored; one member new.
TEST_F(FaultTest, AddUpdatingAnArchive)
{
    StreamLimits limits;
    zipeng::tuning::wholeFileLimit = 1u << 20;
    zipeng::tuning::streamChunk = 1u << 20;
    ScratchDir scratch;
    std::map<std::string, std::string> contents;
    const std::string old = oldZipToUpdate(contents);
    ASSERT_FALSE(old.empty());
    writeFiles(contents, {{"r1.txt", textData(9000, 13)},
                          {"r2.bin", randomData(2500, 14)},
                          {"big.bin", randomData(4608u << 10, 15)},
                          {"n1.txt", textData(4000, 16)}});
    walkZip(
        "old.zip", [&] { writeFile("old.zip", old); },
        [] {
            return callEngine("old.zip", {"r1.txt", "r2.bin", "big.bin", "n1.txt"});
        },
        [&](const std::string &archive) { expectMembers(archive, contents); });
}

TEST_F(FaultTest, Delete)
{
    ScratchDir scratch;
    std::map<std::string, std::string> contents;
    const std::string old = oldZip(contents, {{"k1.txt", textData(10000, 1)},
                                              {"gone1.txt", textData(3000, 2)},
                                              {"k2.bin", randomData(300000, 3)},
                                              {"gone2.bin", randomData(2000, 4)},
                                              {"k3.txt", textData(5000, 5)}});
    ASSERT_FALSE(old.empty());
    contents.erase("gone1.txt");
    contents.erase("gone2.bin");
    Flags flags;
    flags.remove = true;
    walkZip(
        "old.zip", [&] { writeFile("old.zip", old); },
        [&] {
            return callEngine("old.zip", {"gone1.txt", "gone2.bin"}, flags);
        },
        [&](const std::string &archive) { expectMembers(archive, contents); });
}

// A rename: the renamed members' headers written anew, the others copied.
TEST_F(FaultTest, Rename)
{
    ScratchDir scratch;
    makeDirs("d");
    std::map<std::string, std::string> contents;
    const std::string old = oldZip(
        contents,
        {{"d/k1.txt", textData(10000, 1)}, {"d/k2.bin", randomData(300000, 2)}, {"stay.txt", textData(5000, 3)}});
    ASSERT_FALSE(old.empty());
    std::map<std::string, std::string> renamed;
    for (const auto &[name, data] : contents)
        renamed[name.starts_with("d/") ? "e/" + name.substr(2) : name] = data;
    walkZip(
        "old.zip", [&] { writeFile("old.zip", old); },
        [] {
            CallRecorder recorder;
            ZipRenameRecord record{};
            recorder.attach(record, false, false);
            record.ArchiveName = "old.zip";
            record.OldName = "d/";
            record.NewName = "e/";
            CallResult r;
            r.result = orvex_zipeng_rename(&record);
            r.calls = recorder.calls;
            return r;
        },
        [&](const std::string &archive) { expectMembers(archive, renamed); });
}

// ---- The extraction library ---------------------------------------------------

CallResult extractInto(const std::string &archive, const std::string &target, bool overwrite)
{
    Options options;
    options.overwrite = overwrite;
    return extract(archive, target, options);
}

// Builds the archive with Python's zipfile: stored directories, files stored
// and deflated, an empty one, a symbolic link, a file whose directories are
// not stored.
void buildExtractionArchive(const std::string &archive, const std::map<std::string, std::string> &files)
{
    for (const auto &[name, content] : files) {
        makeDirs(fs::path("in/" + name).parent_path().string());
        writeFile("in/" + name, content);
    }
    const char *script = R"(import sys, zipfile
out = zipfile.ZipFile(sys.argv[1], 'w')
def directory(name):
    info = zipfile.ZipInfo(name, (2021, 6, 15, 12, 34, 56))
    info.create_system = 3
    info.external_attr = (0o40755 << 16) | 0x10
    out.writestr(info, b'')
def member(name, method):
    info = zipfile.ZipInfo(name, (2021, 6, 15, 12, 34, 56))
    info.create_system = 3
    info.external_attr = 0o100644 << 16
    info.compress_type = method
    out.writestr(info, open('in/' + name, 'rb').read())
directory('top/')
directory('top/sub/')
member('top/a.txt', zipfile.ZIP_DEFLATED)
member('top/sub/b.bin', zipfile.ZIP_STORED)
member('top/sub/empty.txt', zipfile.ZIP_STORED)
member('c.txt', zipfile.ZIP_DEFLATED)
link = zipfile.ZipInfo('top/link', (2021, 6, 15, 12, 34, 56))
link.create_system = 3
link.external_attr = 0o120777 << 16
out.writestr(link, 'a.txt')
member('deep/x/y/z.txt', zipfile.ZIP_DEFLATED)
out.close()
)";
    const RunResult r = runTool({"python3", "-c", script, archive});
    ASSERT_EQ(r.exitCode, 0) << r.out;
}

// A file's content as a short text for the comparisons below.
std::string summary(const std::string &content)
{
    return std::to_string(content.size()) + " bytes, CRC " + std::to_string(crc32Of(content));
}

// What is under `root`: files by summary, links as "-> target", directories
// as "/"; temporary files of ours are listed as they are.
std::map<std::string, std::string> treeOf(const std::string &root)
{
    std::map<std::string, std::string> tree;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(root, error); it != fs::recursive_directory_iterator();
         it.increment(error)) {
        const std::string rel = it->path().lexically_relative(root).string();
        if (it->is_symlink(error))
            tree[rel] = "-> " + fs::read_symlink(it->path(), error).string();
        else if (it->is_directory(error))
            tree[rel] = "/";
        else
            tree[rel] = summary(readFile(it->path().string()));
    }
    return tree;
}

// Walks every fault kind over an extraction into `target`, which `prepare`
// fills with what is there before (`existing`, files replaced when
// `overwrite`).
void walkExtraction(const std::map<std::string, std::string> &existing, bool overwrite)
{
    ScratchDir scratch;
    const std::map<std::string, std::string> files = {
        {"top/a.txt", textData(40000, 1)}, {"top/sub/b.bin", randomData(10000, 2)}, {"top/sub/empty.txt", ""},
        {"c.txt", textData(5000, 3)},      {"deep/x/y/z.txt", textData(900, 4)},
    };
    buildExtractionArchive("x.zip", files);
    if (::testing::Test::HasFatalFailure())
        return;
    std::map<std::string, std::string> expected = {
        {"top", "/"}, {"top/sub", "/"}, {"deep", "/"}, {"deep/x", "/"}, {"deep/x/y", "/"}, {"top/link", "-> a.txt"},
    };
    for (const auto &[name, content] : files)
        expected[name] = summary(content);
    std::map<std::string, std::string> before;
    for (const auto &[name, content] : existing)
        before[name] = summary(content);
    const int32_t members = int32_t(files.size()) + 1;  // and the link
    const std::string target = scratch / "out";
    auto prepare = [&] {
        fs::remove_all(target);
        makeDirs(target);
        for (const auto &[name, content] : existing) {
            makeDirs(fs::path(target + "/" + name).parent_path().string());
            writeFile(target + "/" + name, content);
        }
    };

    prepare();
    CallResult base;
    Tally range = underPlan("", [&] { base = extractInto(scratch / "x.zip", target, overwrite); });
    ASSERT_EQ(base.result, members) << base.dump();
    ASSERT_TRUE(base.errors().empty()) << base.dump();
    ASSERT_EQ(treeOf(target), expected) << base.dump();
    ASSERT_EQ(range["write"], 4u);  // the empty file needs none
    ASSERT_EQ(range["rename"], uint64_t(members));
    ASSERT_EQ(range["symlink"], 1u);
    ASSERT_EQ(range["sync"], 0u);

    for (const FaultKind &k : faultKinds()) {
        for (uint64_t n = 1; n <= range[k.counter]; ++n) {
            prepare();
            CallResult r;
            const Tally t =
                underPlan(planFor(k.kind, n, k.error), [&] { r = extractInto(scratch / "x.zip", target, overwrite); });
            const std::string where = describe(k, n) + "\n" + r.dump();
            const bool fired = t.at("fired") == 1;
            EXPECT_TRUE(fired) << where;
            // Whatever stands under a final name is whole: the member's
            // content, or the file that was there before.
            int32_t placed = 0;
            const auto tree = treeOf(target);
            for (const auto &[name, content] : tree) {
                if (fs::path(name).filename().string().starts_with(".orvex-")) {
                    ADD_FAILURE() << "temporary file left: " << name << "\n" << where;
                    continue;
                }
                const auto want = expected.find(name);
                const auto old = before.find(name);
                if (want != expected.end() && content == want->second) {
                    placed += content != "/";
                } else if (old == before.end() || content != old->second) {
                    ++figures.changed;
                    ADD_FAILURE() << name << " is neither whole nor what was there before\n" << where;
                }
            }
            EXPECT_EQ(r.result, placed) << where;
            if (k.outcome == Outcome::Completes || (r.result == members && r.errors().empty())) {
                EXPECT_EQ(tree, expected) << where;
                EXPECT_TRUE(r.errors().empty()) << where;
                EXPECT_FALSE(k.outcome == Outcome::Fails) << "a failed call reported success: " << where;
            } else {
                // A stored directory that could not be made is made on the way
                // to its files, so all of them may still be in place.
                EXPECT_FALSE(r.errors().empty()) << "the failure was not reported as an error: " << where;
            }
        }
    }
}

TEST_F(FaultTest, ExtractIntoAnEmptyDirectory)
{
    walkExtraction({}, false);
}

// Files replaced in place: after a failure each is the old file or the new
// one, never a part.
TEST_F(FaultTest, ExtractOverExistingFiles)
{
    walkExtraction({{"c.txt", "the old c\n"}, {"top/a.txt", "the old a\n"}}, true);
}

// ---- Killing orvexzip -------------------------------------------------------

// Runs orvexzip in the current directory with `plan`; the wait status.
int runUnderPlan(const std::vector<std::string> &args, const std::string &plan, const std::string &tally = {})
{
    const std::string program = std::string(ORVEX_BUILD_DIR) + "/orvexzip";
    std::vector<std::string> argv = {program};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e)
        if (!std::string_view(*e).starts_with("ORVEX_FAULT"))
            env.emplace_back(*e);
    if (!plan.empty())
        env.push_back("ORVEX_FAULT=" + plan);
    if (!tally.empty())
        env.push_back("ORVEX_FAULT_TALLY=" + tally);
    std::vector<char *> argp, envp;
    for (auto &a : argv)
        argp.push_back(a.data());
    argp.push_back(nullptr);
    for (auto &e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

// orvexzip add killed before its N-th write, rename or fsync, N drawn at
// random (ORVEX_FAULT_SEED repeats a run): the archive is the old one or the
// whole new one, never anything between; what the kill leaves is a hidden
// temporary file of ours, readable by no one the archive was closed to, and
// a later add works beside it.
TEST_F(FaultTest, KilledAdd)
{
    ScratchDir scratch;
    std::map<std::string, std::string> contents;
    const std::string old = oldZipToUpdate(contents);
    ASSERT_FALSE(old.empty());
    // Readable by the owner only: a temporary file must not show more.
    ASSERT_EQ(::chmod("old.zip", 0600), 0);
    const mode_t archiveMode = 0600;
    writeFiles(
        contents,
        {{"r1.txt", textData(9000, 13)}, {"big.bin", randomData(4608u << 10, 15)}, {"n1.txt", textData(4000, 16)}});
    const std::vector<std::string> add = {"add", "old.zip", "r1.txt", "big.bin", "n1.txt"};
    const std::vector<std::string> before = listDir(".");

    const std::string tally = tallyPath();
    int status = runUnderPlan(add, "", tally);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    const uint64_t range = readTally(tally)["any"];
    ::unlink(tally.c_str());
    ASSERT_GE(range, 3u);
    const std::string expected = readFile("old.zip");
    ASSERT_NE(expected, old);
    expectMembers("old.zip", contents);
    ASSERT_EQ(runOrvexzip({"list", "old.zip"}).exitCode, 0);

    uint64_t seed = std::random_device{}();
    if (const char *given = std::getenv("ORVEX_FAULT_SEED"))
        seed = std::strtoull(given, nullptr, 10);
    std::cout << "seed " << seed << " (ORVEX_FAULT_SEED repeats it); calls 1.." << range << std::endl;
    std::mt19937_64 random(seed);
    int oldSeen = 0, newSeen = 0;
    for (int round = 0; round < 12; ++round) {
        writeFile("old.zip", old);
        const uint64_t n = 1 + random() % range;
        status = runUnderPlan(add, "kill:" + std::to_string(n));
        const std::string where = "kill:" + std::to_string(n) + ", seed " + std::to_string(seed);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << where << ", status " << status;
        ++figures.faults;
        ++figures.runs;
        const std::string now = readFile("old.zip");
        if (now == old) {
            ++oldSeen;
        } else if (now == expected) {
            ++newSeen;
            EXPECT_EQ(runTool({"unzip", "-tq", "old.zip"}).exitCode, 0) << where;
            EXPECT_EQ(runOrvexzip({"list", "old.zip"}).exitCode, 0) << where;
        } else {
            ++figures.changed;
            ADD_FAILURE() << "the archive is neither the old one nor the new one after " << where;
        }
    }
    std::cout << "old archive " << oldSeen << " times, new archive " << newSeen << " times" << std::endl;

    // Whatever the kills left: hidden temporary files, the owner's alone.
    for (const std::string &name : listDir(".")) {
        if (std::find(before.begin(), before.end(), name) != before.end())
            continue;
        EXPECT_TRUE(name.starts_with(".zipeng-")) << name;
        struct stat st {};
        ASSERT_EQ(::stat(name.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777 & ~archiveMode, 0u) << name;
    }
    writeFile("old.zip", old);
    status = runUnderPlan(add, "");
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(readFile("old.zip"), expected);
}

// ---- tar and 7z, written anew by orvexzip --------------------------------------

// Walks every fault kind over every call of its kind that the orvexzip
// change `args` of `archive` (in the current directory) makes, each run from
// the old archive. A run that fails leaves it byte for byte, one that
// succeeds leaves the archive the run without faults made; neither leaves
// anything beside it.
void walkOrvexzip(const std::string &archive, const std::vector<std::string> &args)
{
    const std::string old = readFile(archive);
    const std::vector<std::string> before = listDir(".");
    const std::string tally = tallyPath();
    auto runOnce = [&](const std::string &plan, Tally &counts) {
        writeFile(archive, old);
        const int status = runUnderPlan(args, plan, tally);
        counts = readTally(tally);
        ::unlink(tally.c_str());
        ++figures.runs;
        figures.faults += counts["fired"];
        return status;
    };
    Tally range;
    int status = runOnce("", range);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    const std::string expected = readFile(archive);
    ASSERT_NE(expected, old);
    ASSERT_EQ(listDir("."), before);
    ASSERT_EQ(runOrvexzip({"test", archive}).exitCode, 0);
    std::cout << archive << ": " << range["write"] << " writes, " << range["rename"] << " rename, " << range["sync"]
              << " fsync" << std::endl;
    ASSERT_GT(range["write"], 0u);
    ASSERT_EQ(range["sync"], 1u);
    ASSERT_EQ(range["rename"], 1u);

    for (const FaultKind &k : faultKinds()) {
        for (uint64_t n = 1; n <= range[k.counter]; ++n) {
            Tally counts;
            status = runOnce(planFor(k.kind, n, k.error), counts);
            const std::string where = describe(k, n) + ", orvexzip " + args[0] + " " + archive;
            ASSERT_TRUE(WIFEXITED(status)) << where << ", status " << status;
            const bool fired = counts["fired"] == 1;
            EXPECT_TRUE(fired || k.kind == "short-write") << where;
            const std::string now = readFile(archive);
            if (WEXITSTATUS(status) == 0) {
                EXPECT_FALSE(fired && k.outcome == Outcome::Fails) << "a failed change reported success: " << where;
                if (now != expected) {
                    ++figures.changed;
                    ADD_FAILURE() << "the new archive is not the expected one: " << where;
                }
            } else {
                EXPECT_NE(k.outcome, Outcome::Completes) << "the change gave up: " << where;
                if (now != old) {
                    ++figures.changed;
                    ADD_FAILURE() << "the archive changed after a failure: " << where;
                }
            }
            EXPECT_EQ(listDir("."), before) << "left behind: " << where;
        }
    }
}

// An add to a tar.gz and to a 7z, a delete from a tar.zst: each writes the
// whole archive anew beside the old one, copying the kept members.
TEST_F(FaultTest, OtherFormatChanges)
{
    struct Case {
        const char *archive;
        std::vector<std::string> change;
    };
    const Case cases[] = {
        {"old.tar.gz", {"add", "old.tar.gz", "new.txt"}},
        {"old.tar.zst", {"delete", "old.tar.zst", "src/gone.txt"}},
        {"old.7z", {"add", "old.7z", "new.txt"}},
    };
    ScratchDir scratch;
    makeDirs("src");
    writeFile("src/keep.txt", textData(50000, 1));
    writeFile("src/gone.txt", textData(8000, 2));
    writeFile("src/keep.bin", randomData(200000, 3));
    writeFile("new.txt", textData(20000, 4));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.archive);
        const int status = runUnderPlan({"add", c.archive, "--paths", "--recurse", "src"}, "");
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
        walkOrvexzip(c.archive, c.change);
        ::unlink(c.archive);
    }
}

}  // namespace
