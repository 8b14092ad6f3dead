// Testing an archive, encrypted entries, and a cancel in the middle of an
// entry.
#include "OtherFormatsTesting.h"

#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

using namespace otherformats;
using namespace otherformats_test;

TEST(OtherFormatsReading, TestCountsEntriesAndNamesEncryptedOnesAsSuch)
{
    if (!ziptest::haveProgram("7zz"))
        GTEST_SKIP() << "7zz is not installed";
    ziptest::TempDir dir;
    ziptest::writeFile(dir / "a.txt", ziptest::randomData(100000));
    ziptest::writeFile(dir / "b.txt", ziptest::randomData(100000, 2));
    ASSERT_TRUE(make("7zz a plain.7z a.txt b.txt && 7zz a -pSecret locked.7z a.txt b.txt"
                     " && 7zz a -pSecret -mhe=on hidden.7z a.txt && tar -czf whole.tgz a.txt b.txt"
                     " && head -c 150000 whole.tgz > cut.tgz",
                     dir.path()));
    struct Case {
        const char *archive;
        uint64_t passed, failed;
        std::optional<ProblemKind> kind;  // of the first problem
    };
    const Case cases[] = {
        {"plain.7z", 2, 0, std::nullopt},
        // libarchive cannot decrypt 7z, and its failure ends the reading.
        {"locked.7z", 0, 1, ProblemKind::Encrypted},
        {"hidden.7z", 0, 0, ProblemKind::Encrypted},
        {"whole.tgz", 2, 0, std::nullopt},
        {"cut.tgz", 1, 1, ProblemKind::Damaged},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.archive);
        ReadOptions options;
        options.password = "wrong";
        const TestResult result = test(dir / c.archive, options);
        EXPECT_EQ(result.passed, c.passed);
        EXPECT_EQ(result.failed, c.failed);
        EXPECT_EQ(result.problems.empty() ? std::nullopt : std::optional(result.problems.front().kind), c.kind);
    }
    const Listing listing = list(dir / "locked.7z");
    ASSERT_EQ(listing.entries.size(), 2u);
    EXPECT_TRUE(listing.hasEncrypted && listing.entries[0].encrypted);

    ziptest::makeDirs(dir / "out");
    ExtractOptions options;
    options.target = dir / "out";
    const ExtractResult result = extract(dir / "locked.7z", options);
    EXPECT_EQ(problemFor(result.problems, "a.txt"), ProblemKind::Encrypted);
    EXPECT_TRUE(ziptest::listTree(options.target).empty());
}

TEST(OtherFormatsReading, CancelOrAThrowingCallbackInsideAnEntryLeavesNoTemporaryFile)
{
    ziptest::TempDir dir;
    ziptest::writeFile(dir / "big.bin", ziptest::randomData(4 << 20));
    ziptest::writeFile(dir / "small.txt", "small");
    ASSERT_TRUE(make("tar -cf a.tar small.txt big.bin", dir.path()));
    for (const bool throwing : {false, true}) {
        ziptest::TempDir target;
        std::atomic<bool> cancel{false};
        ExtractOptions options;
        options.target = target.path();
        options.read.cancel = &cancel;
        options.read.progress = [&](const Progress &progress) {
            if (progress.entry != "big.bin" || progress.entryBytes == 0)
                return;
            if (throwing)
                throw std::runtime_error("stop");
            cancel = true;
        };
        if (throwing) {
            EXPECT_THROW(extract(dir / "a.tar", options), std::runtime_error);
        } else {
            const ExtractResult result = extract(dir / "a.tar", options);
            EXPECT_TRUE(result.cancelled);
            EXPECT_EQ(result.placed, 1u);
        }
        EXPECT_EQ(ziptest::listTree(target.path()), std::vector<std::string>{"small.txt"});
    }
}
