// Testing an archive, encrypted entries, a cancel in the middle of an
// entry, and entries whose data falls short of their declared size.
#include "OtherFormatsTesting.h"

#include "support/ArchiveBuilder.h"
#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace otherformats;
using namespace otherformats_test;

namespace {

// `tar` with its first header's size field set to `size` and its checksum
// redone, cut after that header and `kept` bytes of data, then ended.
std::string withTarSize(std::string tar, uint64_t size, size_t kept)
{
    char field[24];
    std::snprintf(field, sizeof field, "%011llo", static_cast<unsigned long long>(size));
    tar.replace(124, 12, field, 12);
    tar.replace(148, 8, 8, ' ');
    unsigned sum = 0;
    for (size_t i = 0; i < 512; ++i)
        sum += uint8_t(tar[i]);
    char checksum[16];
    std::snprintf(checksum, sizeof checksum, "%06o", sum);
    checksum[7] = ' ';
    tar.replace(148, 8, checksum, 8);
    return tar.substr(0, 512 + (kept + 511) / 512 * 512) + std::string(1024, '\0');
}

uint64_t tarSize(const std::string &tar)
{
    return std::stoull(tar.substr(124, 11), nullptr, 8);
}

}  // namespace

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
        // 7-Zip's program reads them: each encrypted entry refuses the password.
        {"locked.7z", 0, 2, ProblemKind::Encrypted},
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

TEST(OtherFormatsReading, AnEntryEndingShortOfItsDeclaredSizeFailsAndLeavesNoFile)
{
    if (!ziptest::haveProgram("tar"))
        GTEST_SKIP() << "tar makes the archives";
    ziptest::TempDir dir;
    ziptest::writeFile(dir / "data", ziptest::randomData(100000));
    constexpr uint64_t sparseSize = 8 << 20;
    ASSERT_TRUE(ziptest::writeSparseFile(dir / "sparse", "head", (4 << 20) - 4, "tail"));
    ASSERT_EQ(::truncate((dir / "sparse").c_str(), off_t(sparseSize)), 0);
    ASSERT_TRUE(make("tar -cf data.tar data && tar -S --format=gnu -cf gnu.tar sparse"
                     " && tar -S --format=posix -cf posix.tar sparse",
                     dir.path()));
    const std::string tar = ziptest::readFile(dir / "data.tar");
    ziptest::writeFile(dir / "cut.tar", tar.substr(0, 30000));
    ziptest::writeFile(dir / "claims-more.tar", withTarSize(tar, 120000, 100000));
    // A new-format cpio header claiming 100000 bytes of which 5 follow.
    char header[111];
    std::snprintf(header, sizeof header, "070701%08X%08X%08X%08X%08X%08X%08X%08X%08X%08X%08X%08X%08X", 1u, 0100644u, 0u,
                  0u, 1u, 0u, 100000u, 0u, 0u, 0u, 0u, 5u, 0u);
    ziptest::writeFile(dir / "claims-more.cpio", std::string(header, 110) + "data" + std::string(4, '\0') + "hello");
    // A sparse entry whose header stores half the data its map places: the
    // reader ends it early and says nothing.
    const std::string sparse = ziptest::readFile(dir / "gnu.tar");
    ziptest::writeFile(dir / "stores-less.tar", withTarSize(sparse, tarSize(sparse) / 2, tarSize(sparse) / 2));

    enum class Outcome { Whole, Short };
    struct Case {
        const char *archive;
        const char *entry;
        Outcome outcome;
    };
    const Case cases[] = {
        {"cut.tar", "data", Outcome::Short},
        {"claims-more.tar", "data", Outcome::Short},
        {"claims-more.cpio", "data", Outcome::Short},
        {"stores-less.tar", "sparse", Outcome::Short},
        // Holes, inside and at the end, are part of the size, not missing.
        {"gnu.tar", "sparse", Outcome::Whole},
        {"posix.tar", "sparse", Outcome::Whole},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.archive);
        const TestResult tested = test(dir / c.archive);
        ziptest::TempDir target;
        ExtractOptions options;
        options.target = target.path();
        const ExtractResult extracted = extract(dir / c.archive, options);
        if (c.outcome == Outcome::Short) {
            EXPECT_EQ(tested.passed, 0u);
            EXPECT_EQ(tested.failed, 1u);
            EXPECT_EQ(problemFor(tested.problems, c.entry), ProblemKind::Damaged);
            EXPECT_EQ(extracted.placed, 0u);
            EXPECT_EQ(extracted.failed, 1u);
            EXPECT_EQ(problemFor(extracted.problems, c.entry), ProblemKind::Damaged);
            EXPECT_TRUE(ziptest::listTree(target.path()).empty());
        } else {
            EXPECT_EQ(tested.passed, 1u);
            EXPECT_TRUE(tested.problems.empty()) << tested.problems.front().text;
            EXPECT_EQ(extracted.placed, 1u);
            EXPECT_TRUE(extracted.problems.empty()) << extracted.problems.front().text;
            const struct stat written = ziptest::statOf(target / c.entry);
            EXPECT_EQ(uint64_t(written.st_size), sparseSize);
            EXPECT_LT(uint64_t(written.st_blocks) * 512, sparseSize / 2);
        }
    }
}

// A compressed (zisofs) file of zeros in an ISO image, which libarchive 3.6
// ends after its first block: whole, or a failure that leaves nothing, never
// a short file.
TEST(OtherFormatsReading, ACompressedIsoFileIsWholeOrAFailure)
{
    if (!ziptest::haveProgram("xorriso"))
        GTEST_SKIP() << "xorriso makes the image";
    ziptest::TempDir dir;
    constexpr size_t size = 12345684;
    ziptest::makeDirs(dir / "in");
    ziptest::writeFile(dir / "in/z", std::string(size, '\0'));
    ASSERT_TRUE(make("xorriso -outdev z.iso -map in / -zisofs level=6 -set_filter_r --zisofs / -- >/dev/null 2>&1",
                     dir.path()));
    const TestResult tested = test(dir / "z.iso");
    ziptest::TempDir target;
    ExtractOptions options;
    options.target = target.path();
    const ExtractResult extracted = extract(dir / "z.iso", options);
    EXPECT_EQ(tested.failed, extracted.failed);
    if (extracted.failed == 0) {
        EXPECT_EQ(tested.passed, 1u);
        EXPECT_TRUE(ziptest::readFile(target / "z") == std::string(size, '\0'));
    } else {
        EXPECT_EQ(problemFor(tested.problems, "z"), ProblemKind::Damaged);
        EXPECT_EQ(problemFor(extracted.problems, "z"), ProblemKind::Damaged);
        EXPECT_TRUE(ziptest::listTree(target.path()).empty());
    }
}
