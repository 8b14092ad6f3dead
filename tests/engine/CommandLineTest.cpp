// `orvexzip add`, `delete` and `extract`: a round trip through the real
// libraries, the count lines, messages and exit statuses.

#include "TestSupport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace ziptest;
namespace fs = std::filesystem;

namespace {

const std::string Program = std::string(ORVEX_BUILD_DIR) + "/orvexzip";

RunResult orvexzip(const std::vector<std::string> &args, const std::string &directory)
{
    std::vector<std::string> argv{Program};
    argv.insert(argv.end(), args.begin(), args.end());
    return run(argv, {"LC_ALL=C"}, directory);
}

std::string readAll(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeText(const std::string &path, const std::string &text)
{
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeText(dir.file("src/readme.txt"), "read me\n");
        std::string big;
        for (int i = 0; i < 20000; ++i)
            big += "line " + std::to_string(i) + "\n";
        writeText(dir.file("src/docs/big.txt"), big);
    }
    TempDir dir;
};

}  // namespace

TEST_F(CommandLine, AddListExtractDeleteRoundTrip)
{
    RunResult added = orvexzip({"add", "a.zip", "--level", "6", "--recurse", "--paths", "src/"}, dir.path());
    ASSERT_EQ(added.exitCode, 0) << added.err;
    EXPECT_EQ(added.out, "4 files were added\n");  // src/, src/readme.txt, src/docs/, src/docs/big.txt

    const RunResult listed = orvexzip({"list", "a.zip"}, dir.path());
    EXPECT_NE(listed.out.find("src/docs/big.txt\t"), std::string::npos) << listed.out;

    if (haveProgram("unzip")) {
        const RunResult tested = run({"unzip", "-t", dir.file("a.zip")});
        EXPECT_EQ(tested.exitCode, 0) << tested.out;
    }

    const RunResult extracted = orvexzip({"extract", "a.zip", "--to", "out", "--paths"}, dir.path());
    ASSERT_EQ(extracted.exitCode, 0) << extracted.err;
    EXPECT_EQ(extracted.out, "2 file(s) were extracted\n");
    EXPECT_EQ(readAll(dir.file("out/src/docs/big.txt")), readAll(dir.file("src/docs/big.txt")));

    const RunResult flat = orvexzip({"extract", "a.zip", "--to", "flat", "src/readme.txt"}, dir.path());
    EXPECT_EQ(flat.out, "1 file(s) were extracted\n");
    EXPECT_TRUE(fs::exists(dir.file("flat/readme.txt")));

    const RunResult deleted = orvexzip({"delete", "a.zip", "src/readme.txt"}, dir.path());
    EXPECT_EQ(deleted.exitCode, 0) << deleted.err;
    EXPECT_EQ(deleted.out, "1 file(s) were Deleted\n");
    EXPECT_EQ(orvexzip({"list", "a.zip"}, dir.path()).out.find("readme"), std::string::npos);
}

TEST_F(CommandLine, ErrorsGoToStandardErrorAndSetTheExitStatus)
{
    // One missing source: reported, the other added, exit 1.
    RunResult added = orvexzip({"add", "b.zip", "src/readme.txt", "src/missing.txt"}, dir.path());
    EXPECT_EQ(added.exitCode, 1);
    EXPECT_EQ(added.out, "1 files were added\n");
    EXPECT_NE(added.err.find("missing.txt"), std::string::npos) << added.err;

    const std::string before = readAll(dir.file("b.zip"));
    const RunResult deleted = orvexzip({"delete", "b.zip", "no-such-member"}, dir.path());
    EXPECT_EQ(deleted.exitCode, 1);
    EXPECT_EQ(deleted.out, "0 file(s) were Deleted\n");
    EXPECT_EQ(readAll(dir.file("b.zip")), before);

    // The component's own refusal.
    const RunResult noArchive = orvexzip({"delete", "none.zip", "x"}, dir.path());
    EXPECT_EQ(noArchive.exitCode, 1);
    EXPECT_NE(noArchive.err.find("Error - no zip file specified"), std::string::npos);
}

TEST_F(CommandLine, BadUsageExitsWithTwo)
{
    EXPECT_EQ(orvexzip({"add", "a.zip"}, dir.path()).exitCode, 2);
    EXPECT_EQ(orvexzip({"add", "a.zip", "--level", "12", "src/readme.txt"}, dir.path()).exitCode, 2);
    EXPECT_EQ(orvexzip({"add", "a.zip", "--fast", "src/readme.txt"}, dir.path()).exitCode, 2);
    EXPECT_EQ(orvexzip({"delete", "a.zip"}, dir.path()).exitCode, 2);
    EXPECT_EQ(orvexzip({"extract"}, dir.path()).exitCode, 2);
    EXPECT_EQ(orvexzip({"frobnicate", "a.zip"}, dir.path()).exitCode, 2);
    EXPECT_FALSE(fs::exists(dir.file("a.zip")));
}

TEST_F(CommandLine, ControlCharactersInMessagesNeverReachTheTerminal)
{
    // A member name from a hostile archive shows up in messages; its escape
    // sequences (clear the screen, set the window title) must not be sent.
    ASSERT_EQ(orvexzip({"add", "c.zip", "src/readme.txt"}, dir.path()).exitCode, 0);
    const RunResult deleted =
        orvexzip({"delete", "c.zip", "\x1b[2J\x1b]0;owned\x07" "x", "caf\xc3\xa9\xc2\x9b" "1m"}, dir.path());
    EXPECT_EQ(deleted.exitCode, 1);
    EXPECT_EQ(deleted.err.find('\x1b'), std::string::npos) << deleted.err;
    EXPECT_EQ(deleted.err.find('\x07'), std::string::npos) << deleted.err;
    EXPECT_EQ(deleted.err.find("\xc2\x9b"), std::string::npos) << deleted.err;
    EXPECT_NE(deleted.err.find("?[2J?]0;owned?x"), std::string::npos) << deleted.err;
    EXPECT_NE(deleted.err.find("caf\xc3\xa9?1m"), std::string::npos) << deleted.err;   // UTF-8 kept
}
