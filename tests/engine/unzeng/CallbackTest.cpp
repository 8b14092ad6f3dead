// The callback contract: order, thread, step counts, cancel, and a callback
// that throws.

#include "support/ArchiveBuilder.h"
#include "support/Compress.h"
#include "support/EngineCalls.h"
#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <stdexcept>
#include <unistd.h>

using namespace ziptest;

namespace {

// Per file begun: its name, announced size and the steps that followed.
struct FileReport {
    std::string name;
    int32_t size;
    size_t steps;
    bool operator==(const FileReport &) const = default;
};

std::vector<FileReport> fileReports(const CallResult &out)
{
    std::vector<FileReport> reports;
    for (const Callback &e : out.calls) {
        if (e.action == ZipActionFileBegin)
            reports.push_back({e.text, e.size, 0});
        else if (e.action == ZipActionFileStep && !reports.empty())
            ++reports.back().steps;
    }
    return reports;
}

void PrintTo(const FileReport &r, std::ostream *os)
{
    *os << r.name << "/" << r.size << "/" << r.steps;
}

class UnzengCallbacks : public ::testing::Test {
protected:
    std::string archive(const std::vector<Member> &entries)
    {
        const std::string path = files / "a.zip";
        writeFile(path, buildZip(entries));
        return path;
    }
    TempDir files, target;
};

TEST_F(UnzengCallbacks, ComeInArchiveOrderOnTheCallingThread)
{
    std::vector<Member> entries{fileEntry("empty", ""),
                                fileEntry("small", textData(1000, 1)),
                                fileEntry("exactly-one-step", randomData(32768, 2), 0),
                                dirEntry("d/"),
                                fileEntry("d/three-steps", textData(100000, 3)),
                                linkEntry("d/link", "three-steps"),
                                fileEntry("bigger", randomData(200000, 4))};
    // Enough small members to pass the window of members in flight.
    for (int i = 0; i < 150; ++i)
        entries.push_back(fileEntry("many/" + std::to_string(i), textData(size_t(i) * 100, uint32_t(i))));
    Options options;
    options.verbose = true;
    const CallResult out = extract(archive(entries), target.path(), options);

    std::vector<FileReport> expected{
        {"empty", 0, 0},   {"small", 1000, 0},   {"exactly-one-step", 32768, 1}, {"d/three-steps", 100000, 3},
        {"d/link", 11, 0}, {"bigger", 200000, 6}};
    for (int i = 0; i < 150; ++i)
        expected.push_back({"many/" + std::to_string(i), i * 100, size_t(i) * 100 / 32768});
    EXPECT_EQ(fileReports(out), expected);
    EXPECT_EQ(out.result, 156);

    ASSERT_FALSE(out.calls.empty());
    EXPECT_EQ(out.calls.back().action, ZipActionBatchEnd);
    size_t ends = 0;
    for (const Callback &e : out.calls) {
        ends += e.action == ZipActionBatchEnd;
        EXPECT_EQ(e.thread, std::this_thread::get_id());
        EXPECT_TRUE(e.action >= 1 && e.action <= 4);
    }
    EXPECT_EQ(ends, 1u);
    EXPECT_TRUE(out.errors().empty()) << out.dump();
    for (int i = 0; i < 150; i += 37)
        EXPECT_EQ(readFile(target / ("many/" + std::to_string(i))), textData(size_t(i) * 100, uint32_t(i)));
}

TEST_F(UnzengCallbacks, SizesPastTwoGigabytesAreClamped)
{
    Member huge = fileEntry("huge.bin", "");
    huge.packed = rawDeflate(std::string(1000, 'x'));
    huge.unpackedSize = 3ull << 30;  // a lie, found out once decoding ends
    const CallResult out = extract(archive({huge}), target.path());
    ASSERT_EQ(out.begun().size(), 1u);
    EXPECT_EQ(out.calls[0].size, INT32_MAX);
    EXPECT_TRUE(out.hasError("huge.bin: it decodes to 1000 bytes", 2)) << out.dump();
    EXPECT_TRUE(listTree(target.path()).empty());
}

TEST_F(UnzengCallbacks, CancelKeepsWhatIsInPlaceAndNothingElse)
{
    std::vector<Member> entries;
    for (int i = 0; i < 10; ++i)
        entries.push_back(fileEntry("f" + std::to_string(i), textData(100000, uint32_t(i))));  // 3 steps each
    const std::string zip = archive(entries);

    // Cancel on the second step of the second file.
    Options options;
    size_t steps = 0;
    options.cancel = cancelWhen([&](const Callback &e) { return e.action == ZipActionFileStep && ++steps == 5; });
    CallResult out = extract(zip, target.path(), options);
    EXPECT_EQ(out.result, 1) << out.dump();
    EXPECT_EQ(listTree(target.path()), std::vector<std::string>{"f0"});
    EXPECT_EQ(readFile(target / "f0"), entries[0].data);
    EXPECT_EQ(out.begun(), (std::vector<std::string>{"f0", "f1"}));
    EXPECT_EQ(out.calls.back().action, ZipActionBatchEnd);

    // Cancel as the fourth file begins.
    TempDir second;
    options.cancel = cancelWhen([](const Callback &e) { return e.action == ZipActionFileBegin && e.text == "f3"; });
    out = extract(zip, second.path(), options);
    EXPECT_EQ(out.result, 3);
    EXPECT_EQ(listTree(second.path()), (std::vector<std::string>{"f0", "f1", "f2"}));
}

TEST_F(UnzengCallbacks, AThrowingCallbackReachesTheCallerAfterCleanUp)
{
    std::vector<Member> entries;
    for (int i = 0; i < 8; ++i)
        entries.push_back(fileEntry("f" + std::to_string(i), textData(70000, uint32_t(i))));
    Options options;
    options.cancel = cancelWhen([](const Callback &e) -> bool {
        if (e.action == ZipActionFileBegin && e.text == "f2")
            throw std::runtime_error("from the callback");
        return false;
    });
    EXPECT_THROW(extract(archive(entries), target.path(), options), std::runtime_error);
    EXPECT_EQ(listTree(target.path()), (std::vector<std::string>{"f0", "f1"}));
}

TEST_F(UnzengCallbacks, NoCallbackAndImpossibleRequests)
{
    const std::string zip = archive({fileEntry("a", "a"), fileEntry("b", "b")});
    auto record = std::make_unique<UnzipCallRecord>();
    std::memset(record.get(), 0, sizeof *record);
    record->ArchiveName = zip.c_str();
    record->DirNamesFlag = 1;
    const int previous = ::open(".", O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(::chdir(target.path().c_str()), 0);
    const int32_t silent = orvex_unzeng_call(record.get());  // no callback: works, reports nothing
    record->FileSpecCount = -1;
    const int32_t negative = orvex_unzeng_call(record.get());
    record->FileSpecCount = MaxFileSpecs + 1;
    const int32_t tooMany = orvex_unzeng_call(record.get());
    EXPECT_EQ(::fchdir(previous), 0);
    ::close(previous);
    EXPECT_EQ(silent, 2);
    EXPECT_EQ(negative, 0);
    EXPECT_EQ(tooMany, 0);
    EXPECT_EQ(orvex_unzeng_call(nullptr), 0);

    TempDir other;
    Options options;
    options.specs = {""};
    const CallResult out = extract(zip, other.path(), options);
    EXPECT_TRUE(out.hasError("empty file specification", 10)) << out.dump();
    EXPECT_EQ(out.result, 0);
}

TEST_F(UnzengCallbacks, StreamedMembersReportEveryStep)
{
    // Past the in-memory limit: decoded and written piece by piece.
    const std::string content = textData(70u << 20, 8);
    Member big = fileEntry("big.txt", "");
    big.packed = rawDeflate(content, 1);
    big.crc = crc32Of(content);
    big.unpackedSize = content.size();
    const CallResult out = extract(archive({big, fileEntry("after.txt", "after")}), target.path());
    EXPECT_EQ(out.result, 2) << out.dump();
    EXPECT_EQ(fileReports(out), (std::vector<FileReport>{{"big.txt", int32_t(content.size()), content.size() / 32768},
                                                         {"after.txt", 5, 0}}));
    EXPECT_TRUE(readFile(target / "big.txt") == content);
}

}  // namespace
