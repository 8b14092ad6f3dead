// TestFlag: every selected member decoded and checked, nothing written, the
// count of members that passed.

#include "support/ArchiveBuilder.h"
#include "support/Compress.h"
#include "support/EngineCalls.h"
#include "support/Files.h"

#include <gtest/gtest.h>

using namespace ziptest;

namespace {

class UnzengTestMode : public ::testing::Test {
protected:
    // The archive sits alone in its own directory; the target named does not
    // exist, so whatever a test made would show up in one of the two.
    CallResult test(const std::vector<Member> &entries, Options options = {})
    {
        writeFile(archive(), buildZip(entries));
        options.test = true;
        options.targetAsBase = true;
        return extract(archive(), missingTarget(), options);
    }
    std::string archive() const { return files / "a.zip"; }
    std::string missingTarget() const { return cwd / "no-such-dir"; }
    void expectNothingWritten(const CallResult &out) const
    {
        EXPECT_FALSE(exists(missingTarget())) << out.dump();
        EXPECT_TRUE(listTree(cwd.path()).empty()) << out.dump();
        EXPECT_EQ(listTree(files.path()), std::vector<std::string>{"a.zip"});
    }
    // Per member begun: name and the steps after it.
    static std::vector<std::pair<std::string, size_t>> progress(const CallResult &out)
    {
        std::vector<std::pair<std::string, size_t>> reports;
        for (const Callback &e : out.calls) {
            if (e.action == ZipActionFileBegin)
                reports.emplace_back(e.text, 0);
            else if (e.action == ZipActionFileStep && !reports.empty())
                ++reports.back().second;
        }
        return reports;
    }

    TempDir files;
    ScratchDir cwd;
};

Member bigStreamed(const std::string &name, const std::string &content)
{
    // Past the in-memory limit, so it is decoded piece by piece.
    Member big = fileEntry(name, "");
    big.packed = rawDeflate(content, 1);
    big.crc = crc32Of(content);
    big.unpackedSize = content.size();
    return big;
}

TEST_F(UnzengTestMode, AGoodArchivePassesWholeAndNothingIsWritten)
{
    // Freshen without overwrite is refused by an extraction; a test makes no
    // files, so the choice does not matter to it. Names and links that an
    // extraction would refuse hold good data all the same.
    Options options;
    options.verbose = true;
    options.freshen = true;
    const CallResult out = test({fileEntry("a.txt", textData(100000, 1)), dirEntry("d/"),
                                 fileEntry("d/stored.bin", randomData(5000, 2), 0),
                                 fileEntry("zstd.txt", textData(9000, 3), 93), linkEntry("d/link", "../../outside"),
                                 fileEntry("../up.txt", "up"), bigStreamed("big.bin", std::string(70u << 20, '\0'))},
                                options);
    EXPECT_EQ(out.result, 6) << out.dump();  // d/ is said to pass but is no file to count
    EXPECT_TRUE(out.errors().empty()) << out.dump();
    for (const char *name : {"a.txt", "d/", "d/stored.bin", "zstd.txt", "d/link", "../up.txt", "big.bin"}) {
        int said = 0;
        for (const Callback &m : out.messages())
            said += m.code == 0 && m.text == std::string("    testing: ") + name + "  OK";
        EXPECT_EQ(said, 1) << name << "\n" << out.dump();
    }
    expectNothingWritten(out);
}

TEST_F(UnzengTestMode, ProgressIsThatOfAnExtraction)
{
    const std::vector<Member> entries{
        fileEntry("small", textData(1000, 1)),           dirEntry("d/"),
        fileEntry("d/three-steps", textData(100000, 3)), linkEntry("d/link", "x"),
        fileEntry("one-step", randomData(32768, 2), 0),  bigStreamed("big", std::string(70u << 20, 'z'))};
    const CallResult out = test(entries);
    const std::vector<std::pair<std::string, size_t>> expected{
        {"small", 0}, {"d/three-steps", 3}, {"d/link", 0}, {"one-step", 1}, {"big", (70u << 20) / 32768}};
    EXPECT_EQ(progress(out), expected) << out.dump();
    EXPECT_EQ(out.count(ZipActionBatchEnd), 1);
    EXPECT_EQ(out.calls.back().action, ZipActionBatchEnd);
    EXPECT_EQ(out.result, 5);  // d/ uncounted

    TempDir target;
    EXPECT_EQ(progress(extract(archive(), target.path())), expected);
}

TEST_F(UnzengTestMode, EachBadMemberIsReportedOnceAndNotCounted)
{
    const std::string text = textData(100000, 1);
    struct Case {
        Member member;
        std::string message;
        int32_t code;
    };
    std::vector<Case> cases;
    auto add = [&](Member m, std::string message, int32_t code = 2) {
        cases.push_back({std::move(m), std::move(message), code});
    };

    Member m = fileEntry("crc-stored.txt", "hello", 0);
    m.crc = 0x12345678;
    add(m, "crc-stored.txt: bad CRC");
    m = fileEntry("crc-deflated.txt", text);
    m.crc = crc32Of(text) ^ 1;
    add(m, "crc-deflated.txt: bad CRC");
    m = fileEntry("declared-less.txt", text);
    m.unpackedSize = 1000;
    add(m, "declared-less.txt: it decodes to more than its declared size of 1000 bytes");
    m = fileEntry("declared-more.txt", text.substr(0, 1000));
    m.unpackedSize = 5000;
    add(m, "declared-more.txt: it decodes to 1000 bytes, but its declared size is 5000");
    m = fileEntry("stored-sizes.txt", "0123456789", 0);
    m.unpackedSize = 20;
    add(m, "skipping stored-sizes.txt: it is stored, but its two sizes differ");
    add(fileEntry("wavpack.bin", "xx", 97), "skipping wavpack.bin: unsupported compression method 97", 81);
    m = fileEntry("renamed.txt", "x");
    m.localName = "other.txt";
    add(m, "skipping renamed.txt: its local header names it \"other.txt\"");
    m = fileEntry("remethod.txt", "y", 0);
    m.localMethod = 8;
    add(m, "skipping remethod.txt: its local header gives compression method 8");
    m = fileEntry("truncated.txt", text);
    m.packed = rawDeflate(text).substr(0, 2000);
    add(m, "truncated.txt: ");
    m = bigStreamed("big-crc.bin", std::string(70u << 20, '\0'));
    m.crc = 0;
    add(m, "big-crc.bin: bad CRC");
    m = linkEntry("bad-link", "target");
    m.crc = 0;
    add(m, "bad-link: bad CRC");

    std::vector<Member> entries{fileEntry("first.txt", "first")};
    // Shares first.txt's local header: both are refused.
    m = fileEntry("shares.txt", "");
    m.shareHeaderOf = 0;
    entries.push_back(m);
    for (const Case &c : cases)
        entries.push_back(c.member);
    entries.push_back(dirEntry("good-dir/"));
    entries.push_back(fileEntry("good.txt", text));
    m = fileEntry("runs-on.txt", "12345", 0);
    m.packedSize = 5000;  // into the central directory
    m.unpackedSize = 5000;
    entries.push_back(m);
    add(fileEntry("first.txt", ""), "skipping first.txt: its data overlaps another member's");
    add(fileEntry("shares.txt", ""), "skipping shares.txt:");
    add(fileEntry("runs-on.txt", ""), "skipping runs-on.txt: its data runs into the central directory");

    const CallResult out = test(entries);
    EXPECT_EQ(out.result, 1) << out.dump();  // good.txt; good-dir/ is no file
    for (const Case &c : cases) {
        EXPECT_TRUE(out.hasError(c.message, c.code)) << c.message << "\n" << out.dump();
        int mentions = 0;
        for (const Callback &e : out.errors())
            mentions += e.text.starts_with(c.member.name + ":")
                        || e.text.starts_with("skipping " + c.member.name + ":");
        EXPECT_EQ(mentions, 1) << c.member.name << "\n" << out.dump();
    }
    EXPECT_EQ(out.errors().size(), cases.size()) << out.dump();
    expectNothingWritten(out);
}

TEST_F(UnzengTestMode, ACancelStopsAtOnceAndCountsWhatPassedBefore)
{
    std::vector<Member> entries;
    for (int i = 0; i < 10; ++i)
        entries.push_back(fileEntry("f" + std::to_string(i), textData(100000, uint32_t(i))));  // 3 steps each
    Options options;
    size_t steps = 0;
    options.cancel = cancelWhen([&](const Callback &e) { return e.action == ZipActionFileStep && ++steps == 5; });
    const CallResult out = test(entries, options);
    EXPECT_EQ(out.result, 1) << out.dump();
    EXPECT_EQ(out.begun(), (std::vector<std::string>{"f0", "f1"}));
    EXPECT_EQ(out.calls.back().action, ZipActionBatchEnd);
    expectNothingWritten(out);
}

TEST_F(UnzengTestMode, OnlyTheNamedMembersAreTested)
{
    Member bad = fileEntry("bad.txt", "bad");
    bad.crc = 1;
    Options options;
    options.specs = {"a*", "missing"};
    const CallResult out = test({fileEntry("a1", "1"), bad, fileEntry("a2", "2")}, options);
    EXPECT_EQ(out.result, 2) << out.dump();
    EXPECT_EQ(out.begun(), (std::vector<std::string>{"a1", "a2"}));
    EXPECT_TRUE(out.hasError("caution: filename not matched:  missing", 11));
    EXPECT_EQ(out.errors().size(), 1u) << out.dump();
}

}  // namespace
