// An archive cut short, as the component opens, tests and extracts it: the
// members found by their local headers, each whole one extracted byte for
// byte, each broken one named once and counted as a failure.

#include "engine/ZipEngine.h"
#include "engine/common/MessageCode.h"
#include "support/ArchiveBuilder.h"
#include "support/ArchiveReading.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace ziptest;

namespace {

TEST(DamagedArchive, TheWholeMembersBeforeACutAreTestedAndExtractedAndABrokenOneIsNamed)
{
    Member streamed = fileEntry("streamed.txt", textData(20000, 3));
    streamed.deferred = true;  // where its data ends is found by decoding it
    ArchiveBuilder builder;
    builder.add(fileEntry("a.txt", textData(30000, 1)))
        .add(dirEntry("dir/"))
        .add(fileEntry("dir/b.bin", randomData(5000, 2), 0))
        .add(streamed)
        .add(fileEntry("last.txt", textData(40000, 4)));
    Layout layout;
    const std::string whole = builder.build(&layout);
    const std::vector<Member> &members = builder.members;
    auto insideData = [&](size_t i) {
        const uint64_t end = i + 1 < members.size() ? layout.headerOffsets[i + 1] : layout.centralDirectoryOffset;
        return (layout.headerOffsets[i] + end) / 2;
    };

    const struct {
        const char *where;
        uint64_t cut;
        size_t listed;  // the first members, up to the one the walk ends at
        const char *broken;
    } cases[] = {
        {"in the last member's data", insideData(4), 5, "last.txt"},
        {"in a streamed member's data", insideData(3), 4, "streamed.txt"},
        {"in the directory", layout.centralDirectoryOffset + 10, 5, nullptr},
        {"in the end record", layout.endRecordOffset + 10, 5, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.where);
        TempDir dir;
        const std::string archive = dir.write("cut.zip", whole.substr(0, c.cut));
        TZipEngine engine;
        std::vector<std::pair<int, std::string>> heard;
        engine.OnMessage = [&](TZipEngine &, int code, const std::string &text) { heard.emplace_back(code, text); };
        EXPECT_THROW(engine.setZipFilename(archive), EZipError);
        ASSERT_EQ(engine.EntryCount(), int(c.listed));

        engine.ExtrBaseDir = dir.file("out");
        makeDirs(engine.ExtrBaseDir);
        engine.ExtrOptions = {ExtrDirNames};
        engine.Extract();
        std::vector<std::string> written;
        for (size_t i = 0; i < c.listed; ++i) {
            if (c.broken && members[i].name == c.broken)
                continue;
            written.push_back(members[i].name);
            if (!members[i].name.ends_with('/')) {
                EXPECT_EQ(readFile(dir.file("out/" + members[i].name)), members[i].data) << members[i].name;
            }
        }
        std::sort(written.begin(), written.end());
        EXPECT_EQ(listTree(dir.file("out")), written);
        std::vector<std::string> failures;
        int warnings = 0;
        for (const auto &[code, text] : heard) {
            warnings += code == unzeng::CodeWarning;
            if (unzeng::isMemberFailure(code))
                failures.push_back(text);
        }
        EXPECT_EQ(warnings, 1);
        ASSERT_EQ(failures.size(), c.broken ? 1u : 0u);
        if (c.broken) {
            EXPECT_TRUE(failures[0].starts_with(std::string("skipping ") + c.broken + ": ")) << failures[0];
        }

        engine.Test();
        // The files that are whole: folders are not counted.
        EXPECT_EQ(engine.LastResult, filesAmong(written));
        EXPECT_EQ(engine.LastTestFailures, c.broken ? 1 : 0);
    }
}

}  // namespace
