// The reader process's confinement, tried with a shell run in its place:
// whatever it attempts on the disk fails, and a child that hangs, spins or is
// cancelled is ended with the reason said.
#include "engine/otherformats/ConfinedProcess.h"

#include "tests/support/Files.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using otherformats::ConfinedProcess;
using ziptest::TempDir;

namespace {

// Starts `script` under /bin/sh in the reader's place and reads what it
// writes until it ends; returns the reason it ended with.
std::string run(const std::string &script, otherformats::ReaderLimits limits, std::string &output,
                const std::function<bool()> &stopAsked = {}, const std::string &errorFile = "/dev/null")
{
    ConfinedProcess process;
    std::string error;
    const int errors = ::open(errorFile.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    const bool started =
        process.start({.arguments = {"-c", script}, .program = "/bin/sh", .limits = limits, .errorFd = errors}, error);
    ::close(errors);
    if (!started)
        return "not started: " + error;
    char buffer[256];
    size_t got = 0;
    while (process.read(buffer, sizeof buffer, got, stopAsked) == ConfinedProcess::Read::Data)
        output.append(buffer, got);
    int code = 0;
    return process.finish(code);
}

}  // namespace

TEST(ConfinedProcess, NothingOnTheDiskCanBeChanged)
{
    TempDir dir;
    const std::string kept = dir.write("kept", "data");
    ::mkdir((dir / "folder").c_str(), 0755);
    struct stat before {};
    ASSERT_EQ(::stat(kept.c_str(), &before), 0);
    const std::string d = "'" + dir.path() + "'";
    const struct {
        const char *what;
        std::string script;
    } attempts[] = {
        {"create", "echo x > " + d + "/new"},
        {"append", "echo x >> " + d + "/kept"},
        {"truncate", ": > " + d + "/kept"},
        {"remove", "rm -f " + d + "/kept"},
        {"rename", "mv " + d + "/kept " + d + "/moved"},
        {"make a folder", "mkdir " + d + "/made"},
        {"remove a folder", "rmdir " + d + "/folder"},
        {"link", "ln -s /etc/passwd " + d + "/link"},
        {"change modes", "chmod 0777 " + d + "/kept"},
        {"write in its working folder", "echo x > here; ls -a"},
    };
    for (const auto &attempt : attempts) {
        std::string output;
        run(attempt.script, {}, output);
        EXPECT_EQ(ziptest::listDir(dir.path()), (std::vector<std::string>{"folder", "kept"})) << attempt.what;
        EXPECT_EQ(ziptest::readFile(kept), "data") << attempt.what;
        EXPECT_EQ(output.find("here"), std::string::npos) << attempt.what;
        struct stat after {};
        ASSERT_EQ(::stat(kept.c_str(), &after), 0);
        EXPECT_EQ(after.st_mode, before.st_mode) << attempt.what;
    }
}

TEST(ConfinedProcess, AChildThatIsQuietSpinsOrIsCancelledIsEndedWithTheReason)
{
    std::string output;
    EXPECT_EQ(run("sleep 30", {.quiet = std::chrono::milliseconds(100)}, output), "it made no progress for 0.1 s");
    EXPECT_EQ(run("while :; do :; done", {.cpuSeconds = 1}, output), "it used more than 1 s of processor time");
    EXPECT_EQ(run("sleep 30", {}, output, [] { return true; }), "cancelled");
    EXPECT_EQ(run("exit 0", {}, output), "");
    // An error output that is a file (a session's log) takes nothing, and
    // the child goes on.
    TempDir dir;
    EXPECT_EQ(run("echo complaint >&2; echo went on", {}, output, {}, dir / "log"), "");
    EXPECT_EQ(output, "went on\n");
}
