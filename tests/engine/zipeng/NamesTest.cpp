// Stored names and DOS names.

#include "engine/zipeng/Names.h"

#include <gtest/gtest.h>

using namespace zipeng;

TEST(Names, RelativeNamesNeverClimbOut)
{
    EXPECT_EQ(relativeName("/tmp/x/a.txt"), "tmp/x/a.txt");
    EXPECT_EQ(relativeName("./a//b/./c"), "a/b/c");
    EXPECT_EQ(relativeName("d1/../a.txt"), "a.txt");
    EXPECT_EQ(relativeName("../src/a.txt"), "src/a.txt");
    EXPECT_EQ(relativeName("a/../../../b"), "b");
    EXPECT_EQ(relativeName(".."), "");
}

TEST(Names, DosNamesWhereZipWouldBreakThem)
{
    // The ordinary cases are compared with zip -k itself (AddTest). Here:
    // no UTF-8 sequence cut in half under a DOS made-by, nothing empty, and
    // no '\', which DOS reads as a separator.
    EXPECT_EQ(dosName("d1/\xC3\xBCn\xC3\xAF.txt"), "D1/_N_.TXT");
    EXPECT_EQ(dosName("aaaaaaa\xC3\xBC.txt"), "AAAAAAA_.TXT");
    EXPECT_EQ(dosName("\xFF\xFE.txt"), "__.TXT");
    EXPECT_EQ(dosName("..."), "_");
    EXPECT_EQ(dosName("e\\f"), "EF");
    EXPECT_EQ(dosName("a..b"), "A.");  // as zip -k
}

TEST(Names, StoredNamesReadAsPathsFollowTheExtractionRules)
{
    struct Case {
        std::string name;
        bool safe;
    };
    const Case cases[] = {
        {"a/b.txt", true},      {"..a/b..", true},    // only a whole ".." component climbs
        {"a/./b", true},        {"C:x", true},        // no separator after the drive: an ordinary name
        {"..", false},          {"a/../b", false},    // even where it would stay inside
        {"a/..", false},        {"a\\..\\b", false},  // a backslash separates, as in extraction
        {"/etc/passwd", false}, {"\\x", false},      {"C:/x", false}, {"c:\\x", false}, {std::string("a\0b", 3), false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(unsafeSourceName(c.name).empty(), c.safe) << c.name;
}
