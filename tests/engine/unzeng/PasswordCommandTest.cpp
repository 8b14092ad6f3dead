// `orvexzip extract --password-file`: where the password comes from, what a
// wrong or missing one gives, and archives encrypted by other tools read
// byte for byte.

#include "engine/common/CallRecords.h"
#include "support/ArchiveBuilder.h"
#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

#include <csignal>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

using namespace ziptest;

namespace {

struct TerminalRun {
    int exitCode = -1;       // 128 + the signal's number when one ended it
    std::string shown;       // everything the terminal received
    bool echoAfter = false;  // the terminal echoes again once it is over
};

// Runs orvexzip with `args` in `directory` on a terminal of its own, giving
// the next of `answers` each time a question shows. Blocking reads only: the
// run ends when orvexzip closes the terminal.
TerminalRun onTerminal(const std::vector<std::string> &args, const std::string &directory,
                       const std::vector<std::string> &answers)
{
    int terminal = -1;
    const pid_t pid = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    if (pid == 0) {
        std::vector<char *> argv;
        const std::string program = ORVEX_BUILD_DIR "/orvexzip";
        argv.push_back(const_cast<char *>(program.c_str()));
        for (const std::string &a : args)
            argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);
        if (::chdir(directory.c_str()) == 0)
            ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    TerminalRun result;
    if (pid < 0)
        return result;
    size_t answered = 0;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(terminal, buffer, sizeof buffer);
        if (n <= 0)
            break;  // EIO once orvexzip is gone
        result.shown.append(buffer, size_t(n));
        size_t questions = 0;
        for (size_t at = result.shown.find("Password for "); at != std::string::npos;
             at = result.shown.find("Password for ", at + 1))
            ++questions;
        for (; answered < questions && answered < answers.size(); ++answered)
            if (::write(terminal, answers[answered].data(), answers[answered].size()) < 0)
                break;
    }
    termios settings{};
    result.echoAfter = ::tcgetattr(terminal, &settings) == 0 && (settings.c_lflag & ECHO);
    ::close(terminal);
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

class PasswordCommand : public ::testing::Test {
protected:
    TempDir dir;
};

TEST_F(PasswordCommand, ThePasswordFilesFirstLineIsThePassword)
{
    AesOptions ae1;
    ae1.vendorVersion = 1;
    writeFile(dir / "a.zip", buildZip({aesEncrypted(fileEntry("aes.txt", "aes data"), "s3cret word", ae1),
                                       traditionalEncrypted(fileEntry("zc.txt", "zc data"), "s3cret word"),
                                       fileEntry("plain.txt", "plain")}));
    const struct {
        const char *file;
        int exitCode;
        const char *count;
        const char *complaint;  // in standard error; nothing else is
    } cases[] = {
        {"s3cret word\n", 0, "3", nullptr},
        {"s3cret word", 0, "3", nullptr},
        {"s3cret word\r\nsecond line\n", 0, "3", nullptr},
        {"Zq9x\ns3cret word\n", 1, "1", "aes.txt: wrong password"},
        {"\n", 1, "1", "zc.txt: wrong password"},
    };
    int n = 0;
    for (const auto &c : cases) {
        const std::string out = "out" + std::to_string(++n);
        writeFile(dir / "pw", c.file);
        const RunResult r = runOrvexzip({"extract", "a.zip", "--to", out, "--password-file", "pw"}, dir.path());
        EXPECT_EQ(r.exitCode, c.exitCode) << c.file << r.err;
        EXPECT_EQ(r.out, std::string(c.count) + " file(s) were extracted\n") << c.file;
        if (c.complaint) {
            EXPECT_NE(r.err.find(c.complaint), std::string::npos) << r.err;
            EXPECT_EQ(r.err.find("Zq9x"), std::string::npos) << "the password is shown: " << r.err;
        } else {
            EXPECT_EQ(r.err, "") << c.file;
            EXPECT_EQ(readFile(dir / out + "/aes.txt"), "aes data");
            EXPECT_EQ(readFile(dir / out + "/zc.txt"), "zc data");
        }
    }
}

TEST_F(PasswordCommand, AMissingPasswordFileIsAUsageErrorAndNoFileMeansNoPassword)
{
    writeFile(dir / "a.zip", buildZip({aesEncrypted(fileEntry("aes.txt", "aes data"), "secret")}));
    const RunResult missing =
        runOrvexzip({"extract", "a.zip", "--to", "out", "--password-file", "no-such-file"}, dir.path());
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("no-such-file"), std::string::npos) << missing.err;
    EXPECT_FALSE(exists(dir / "out/aes.txt"));

    // Standard input is no terminal here: nobody to ask.
    const RunResult none = runOrvexzip({"extract", "a.zip", "--to", "out"}, dir.path());
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_NE(none.err.find("aes.txt: encrypted, no password given"), std::string::npos) << none.err;
    EXPECT_FALSE(exists(dir / "out/aes.txt"));
}

// Without a password file, a terminal on standard input is asked, with echo
// off, and a Ctrl-C there stops the extraction and gives the echo back.
TEST_F(PasswordCommand, OnATerminalThePasswordIsAskedWithoutEcho)
{
    writeFile(dir / "a.zip", buildZip({aesEncrypted(fileEntry("a.txt", "aes data"), "Zq9secret"),
                                       traditionalEncrypted(fileEntry("b.txt", "zc data"), "other")}));
    const TerminalRun typed =
        onTerminal({"extract", "a.zip", "--to", "typed"}, dir.path(), {"wrong\n", "Zq9secret\n", "other\n"});
    EXPECT_EQ(typed.exitCode, 0) << typed.shown;
    EXPECT_EQ(readFile(dir / "typed/a.txt"), "aes data");
    EXPECT_EQ(readFile(dir / "typed/b.txt"), "zc data");
    EXPECT_NE(typed.shown.find("Password for a.txt: "), std::string::npos) << typed.shown;
    EXPECT_EQ(typed.shown.find("Zq9"), std::string::npos) << "echoed: " << typed.shown;
    EXPECT_TRUE(typed.echoAfter);

    const TerminalRun interrupted = onTerminal({"extract", "a.zip", "--to", "interrupted"}, dir.path(), {"\x03"});
    EXPECT_EQ(interrupted.exitCode, 128 + SIGINT) << interrupted.shown;
    EXPECT_FALSE(exists(dir / "interrupted/a.txt"));
    EXPECT_TRUE(interrupted.echoAfter);
}

// Typed on the terminal, the longest password is used whole by add and by
// extract; a longer one is refused, never cut: add writes no archive and
// extract stops with nothing written.
TEST_F(PasswordCommand, ATypedPasswordIsUsedWholeUpToTheLimitAndRefusedPastIt)
{
    writeFile(dir / "f.txt", "typed data");
    const std::string longest(size_t(MaxPasswordLength), 'k'), past(1500, 'k');
    const TerminalRun refused =
        onTerminal({"add", "past.zip", "--encrypt", "f.txt"}, dir.path(), {past + "\n", past + "\n"});
    EXPECT_EQ(refused.exitCode, 2) << refused.shown;
    EXPECT_NE(refused.shown.find("longer than"), std::string::npos) << refused.shown;
    EXPECT_FALSE(exists(dir / "past.zip"));

    const TerminalRun added =
        onTerminal({"add", "a.zip", "--encrypt", "f.txt"}, dir.path(), {longest + "\n", longest + "\n"});
    ASSERT_EQ(added.exitCode, 0) << added.shown;
    EXPECT_TRUE(runOrvexzip({"list", "a.zip"}, dir.path()).out.ends_with("\tyes\n"));
    const TerminalRun extracted = onTerminal({"extract", "a.zip", "--to", "out"}, dir.path(), {longest + "\n"});
    EXPECT_EQ(extracted.exitCode, 0) << extracted.shown;
    EXPECT_EQ(readFile(dir / "out/f.txt"), "typed data");

    const TerminalRun stopped = onTerminal({"extract", "a.zip", "--to", "past"}, dir.path(), {past + "\n"});
    EXPECT_EQ(stopped.exitCode, 1) << stopped.shown;
    EXPECT_NE(stopped.shown.find("longer than"), std::string::npos) << stopped.shown;
    EXPECT_FALSE(exists(dir / "past/f.txt"));
}

// Archives of the peer tools; each is skipped where its tool is missing.
TEST_F(PasswordCommand, ArchivesEncryptedByOtherToolsExtractByteForByte)
{
    makeDirs(dir / "src");
    writeFile(dir / "src/random.bin", randomData(300000, 4));
    writeFile(dir / "src/text.txt", textData(200000, 5));
    writeFile(dir / "pw", "secret\n");
    const struct {
        const char *tool;
        std::vector<std::string> command;
    } makers[] = {
        {"7zz", {"7zz", "a", "-tzip", "-psecret", "-mem=AES256", "../aes256.zip", "random.bin", "text.txt"}},
        {"7zz", {"7zz", "a", "-tzip", "-psecret", "-mem=AES128", "../aes128.zip", "random.bin", "text.txt"}},
        {"zip", {"zip", "-q", "-P", "secret", "../zipcrypto.zip", "random.bin", "text.txt"}},
    };
    int ran = 0;
    for (const auto &m : makers) {
        if (!haveProgram(m.tool))
            continue;
        ++ran;
        const std::string archive = m.command[m.command.size() - 3].substr(3);
        ASSERT_EQ(run(m.command, {}, dir / "src").exitCode, 0) << archive;
        const RunResult r =
            runOrvexzip({"extract", archive, "--to", archive + ".out", "--password-file", "pw"}, dir.path());
        EXPECT_EQ(r.exitCode, 0) << archive << ": " << r.err;
        EXPECT_EQ(r.out, "2 file(s) were extracted\n") << archive;
        for (const char *name : {"random.bin", "text.txt"})
            EXPECT_TRUE(readFile(dir / archive + ".out/" + name) == readFile(dir / "src/" + name))
                << archive << " " << name;
    }
    if (ran == 0)
        GTEST_SKIP() << "neither 7zz nor zip is installed";
}

}  // namespace
