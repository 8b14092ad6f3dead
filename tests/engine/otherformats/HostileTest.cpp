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
