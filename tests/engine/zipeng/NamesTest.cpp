// Stored names, DOS names and DOS times.

#include "engine/zipeng/Names.h"

#include <gtest/gtest.h>

#include <cstdlib>

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
    EXPECT_EQ(dosName("a..b"), "A.");   // as zip -k
}

TEST(Names, Utf8Validation)
{
    EXPECT_TRUE(isUtf8("\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80"));
    EXPECT_FALSE(isUtf8("\xC3"));               // cut short
    EXPECT_FALSE(isUtf8("\xC0\xAF"));           // overlong
    EXPECT_FALSE(isUtf8("\xED\xA0\x80"));       // surrogate
    EXPECT_FALSE(isUtf8("latin1 \xE9t\xE9"));
}

TEST(Names, DosTimesRoundAndClamp)
{
    const char *saved = std::getenv("TZ");
    const std::string previous = saved ? saved : "";
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    const int64_t t = 1577872800;   // 2020-01-01 10:00:00
    EXPECT_EQ(toDosDateTime(t).date, ((2020 - 1980) << 9) | (1 << 5) | 1);
    EXPECT_EQ(toDosDateTime(t).time, 10 << 11);
    EXPECT_EQ(fromDosDateTime(toDosDateTime(t)), t);
    EXPECT_EQ(fromDosDateTime(toDosDateTime(t + 1)), t + 2);   // odd seconds round up
    EXPECT_EQ(toDosDateTime(0).date, (1 << 5) | 1);            // 1980-01-01
    EXPECT_EQ(toDosDateTime(int64_t(5000000000)).date, (127 << 9) | (12 << 5) | 31);
    if (saved)
        ::setenv("TZ", previous.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
}

TEST(Names, StoredNamesReadAsPathsFollowTheExtractionRules)
{
    struct Case {
        std::string name;
        bool safe;
    };
    const Case cases[] = {
        {"a/b.txt", true},
        {"..a/b..", true},          // only a whole ".." component climbs
        {"a/./b", true},
        {"C:x", true},              // no separator after the drive: an ordinary name
        {"..", false},
        {"a/../b", false},          // even where it would stay inside
        {"a/..", false},
        {"a\\..\\b", false},        // a backslash separates, as in extraction
        {"/etc/passwd", false},
        {"\\x", false},
        {"C:/x", false},
        {"c:\\x", false},
        {std::string("a\0b", 3), false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(unsafeSourceName(c.name).empty(), c.safe) << c.name;
}
