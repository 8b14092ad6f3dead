// The reader that detects an archive goes on to list it: one reader process
// for both, and what it lists and says is what a reader of the listing's own
// lists and says, for whole, damaged and hostile archives alike.
#include "OtherFormatsTesting.h"

#include "engine/otherformats/ConfinedProcess.h"
#include "engine/otherformats/EntryCursor.h"
#include "engine/otherformats/SevenZipRun.h"
#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

using namespace otherformats;
using namespace otherformats_test;

namespace {

// A listing in one line per entry and per problem, to compare whole.
std::string described(const Listing &listing)
{
    std::ostringstream out;
    out << "format " << listing.format << " complete " << listing.complete << " cancelled " << listing.cancelled
        << " encrypted " << listing.hasEncrypted << "\n";
    for (const Entry &entry : listing.entries)
        out << entry.name << " " << (entry.size ? std::to_string(*entry.size) : "-") << " " << int(entry.kind) << " "
            << entry.linkTarget << " " << entry.modified << "\n";
    for (const Problem &problem : listing.problems)
        out << "problem " << problem.entry << " " << int(problem.kind) << " " << problem.text << "\n";
    return out.str();
}

// 7-Zip's program hidden from the path for the life of the value.
struct WithoutSevenZip {
    std::string saved = std::getenv("PATH");
    WithoutSevenZip() { ::setenv("PATH", "/nonexistent", 1); }
    ~WithoutSevenZip() { ::setenv("PATH", saved.c_str(), 1); }
};

}  // namespace

TEST(OtherFormatsDetection, OneReaderDetectsAndListsAndSaysWhatAReaderOfItsOwnSays)
{
    ziptest::TempDir dir;
    ziptest::makeDirs(dir / "src/dir");
    ziptest::writeFile(dir / "src/a.txt", ziptest::textData(300000));
    ziptest::writeFile(dir / "src/dir/b.bin", ziptest::randomData(70000));
    ASSERT_EQ(::symlink("a.txt", (dir / "src/link").c_str()), 0);
    const std::string entries = "a.txt dir link";
    ASSERT_TRUE(make("tar -cf ../a.tar " + entries + " && gzip -c ../a.tar >../a.tar.gz && xz -c ../a.tar >../a.tar.xz",
                     dir / "src"));
    // Cut inside the data: detection reads the first header, the listing fails further on.
    ASSERT_TRUE(make("head -c 40000 a.tar.gz >cut.tar.gz && head -c 1024 /dev/zero >zeros && printf x | gzip >x.gz",
                     dir.path()));
    struct Case {
        std::string file;
        bool sevenZip = true;  // 7-Zip's program on the path
        uint64_t readers = 1;  // started for the detection and the listing together
    };
    std::vector<Case> cases = {
        {"a.tar"}, {"a.tar.gz"}, {"a.tar.xz"}, {"cut.tar.gz"}, {"zeros"}, {"x.gz"}, {"missing", true, 0},
    };
    if (!sevenZipProgram().empty() && make("7zz a ../a.7z " + entries, dir / "src")) {
        cases.push_back({"a.7z"});  // listed by 7-Zip's program
        cases.push_back({"a.7z", false});
        // 7-Zip's program cannot open it; libarchive says what it is.
        ASSERT_TRUE(make("head -c 3000 a.7z >cut.7z", dir.path()));
        cases.push_back({"cut.7z", true, 2});
    }
    if (ziptest::haveProgram("python3") && make("python3 " ORVEX_HOSTILE_ARCHIVES " . outside --no-bombs", dir.path()))
        for (const char *hostile :
             {"hostile.tar", "hostile.tar.gz", "hostile.cpio", "huge-name.cpio", "hostile.zip.gz"})
            cases.push_back({hostile});
    for (const auto &entry : std::filesystem::directory_iterator(ORVEX_RAR_FIXTURES))
        if (entry.path().extension() == ".rar")
            cases.push_back({entry.path().string()});

    for (const auto &[file, sevenZip, expectedReaders] : cases) {
        const std::string path = file.starts_with('/') ? file : dir / file;
        std::optional<WithoutSevenZip> hidden;
        if (!sevenZip)
            hidden.emplace();
        const uint64_t before = childrenStarted();
        Sighting seen = detectForListing(path);
        const Detection &detection = seen.detection;
        const bool ours = detection.verdict == Verdict::Other && !detection.stopped;
        const Listing held = ours ? list(path, {}, std::move(seen.listing)) : Listing{};
        EXPECT_EQ(childrenStarted() - before, expectedReaders) << file << (sevenZip ? "" : " without 7zz");

        const Detection alone = detect(path);
        EXPECT_EQ(int(detection.verdict), int(alone.verdict)) << file;
        EXPECT_EQ(detection.format, alone.format) << file;
        EXPECT_EQ(detection.filter, alone.filter) << file;
        EXPECT_EQ(detection.stopped, alone.stopped) << file;
        if (ours) {
            EXPECT_EQ(described(held), described(list(path))) << file << (sevenZip ? "" : " without 7zz");
        }
    }
}
