// Archives built to escape the target or fill the disk: nothing lands
// outside, and each entry that tries is reported. The hostile archives are
// tests/support/hostilearchives.py's, which the corpus test and the fuzzing
// seeds use too.
#include "OtherFormatsTesting.h"

#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace otherformats;
using namespace otherformats_test;

TEST(OtherFormatsHostile, NothingIsWrittenOutsideAndEveryAttemptIsReported)
{
    if (!ziptest::haveProgram("python3"))
        GTEST_SKIP() << "python3 is not installed";
    ziptest::TempDir dir;
    const std::string outside = dir / "outside";
    const std::string target = dir / "target";
    ziptest::makeDirs(outside);
    ziptest::makeDirs(target);
    // A link left in the target beforehand must not lead a write out either.
    ASSERT_EQ(::symlink(outside.c_str(), (target + "/pre").c_str()), 0);
    ASSERT_TRUE(make("python3 " ORVEX_HOSTILE_ARCHIVES " . " + outside + " --no-bombs", dir.path()));

    ExtractOptions options;
    options.target = target;
    const ExtractResult result = extract(dir / "hostile.tar", options);

    EXPECT_TRUE(ziptest::listTree(outside).empty());
    struct Case {
        std::string entry;
        ProblemKind kind;
    };
    const Case refused[] = {
        {"../escape.txt", ProblemKind::Refused},
        {outside + "/absolute.txt", ProblemKind::Refused},
        {"up", ProblemKind::Refused},
        {"abs", ProblemKind::Refused},
        {"sub/inside/through.txt", ProblemKind::Refused},
        {"pre/through.txt", ProblemKind::Refused},
        {"passwd", ProblemKind::Refused},
        {"notextracted", ProblemKind::Refused},
        {"dev", ProblemKind::Refused},
        {"fifo", ProblemKind::Refused},
        {"", ProblemKind::Refused},
    };
    for (const Case &c : refused)
        EXPECT_EQ(problemFor(result.problems, c.entry), c.kind) << c.entry;
    // The refused "abs" link left no link, so its name became a folder.
    EXPECT_EQ(ziptest::listTree(target), (std::vector<std::string>{"abs/", "abs/through.txt", "pre -> " + outside,
                                                                   "sub/", "sub/inside -> ..", "suid"}));
    const mode_t suid = ziptest::statOf(target + "/suid").st_mode;
    EXPECT_EQ(suid & 07000, 0u);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(suid & 0777, 0755 & ~mask);
}

TEST(OtherFormatsHostile, BombStopsAtTheOutputBudgetAndLeavesNothing)
{
    ziptest::TempDir dir;
    ASSERT_TRUE(make("yes | head -c 33554432 | gzip -c > bomb.gz", dir.path()));
    ziptest::makeDirs(dir / "target");
    ExtractOptions options;
    options.target = dir / "target";
    options.outputBudget = 1 << 20;
    const ExtractResult result = extract(dir / "bomb.gz", options);
    EXPECT_EQ(problemFor(result.problems, "bomb"), ProblemKind::Limit);
    EXPECT_EQ(result.placed, 0u);
    EXPECT_TRUE(ziptest::listTree(options.target).empty());
}

TEST(OtherFormatsHostile, CpioHeaderGivingAHugeNameIsRefusedBeforeItIsRead)
{
    // New-format cpio records; libarchive would set aside as much memory as
    // a header's name size says, up to 4 GiB, to read the name.
    const auto header = [](uint32_t fileSize, uint32_t nameSize) {
        char h[111];
        std::snprintf(h, sizeof h, "070701%08X%08X%08X%08X%08X%08X%08X%08X%08X%08X%08X%08X%08X", 1u, 0100644u, 0u, 0u,
                      1u, 0u, fileSize, 0u, 0u, 0u, 0u, nameSize, 0u);
        return std::string(h, 110);
    };
    std::string sound = header(5, 6) + "a.txt" + std::string(1, '\0');
    sound += std::string((4 - sound.size() % 4) % 4, '\0') + "hello" + std::string(3, '\0');
    const std::string huge = header(0, 0x7FFFFFF0) + std::string(4096, 'a');
    struct Case {
        const char *name;
        std::string bytes;
    };
    const Case cases[] = {
        {"in step", sound + huge},
        {"after bytes that are no header", sound + "xyz" + huge},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ziptest::TempDir dir;
        ziptest::writeFile(dir / "a.cpio", c.bytes);
        const Listing listing = list(dir / "a.cpio");
        ASSERT_EQ(listing.entries.size(), 1u);
        EXPECT_EQ(listing.entries[0].name, "a.txt");
        ASSERT_EQ(listing.problems.size(), 1u);
        EXPECT_NE(listing.problems[0].text.find("a name of 2147483631 bytes"), std::string::npos)
            << listing.problems[0].text;
    }
}
