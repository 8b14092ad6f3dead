// How a stored member name becomes the UTF-8 text the listing shows.

#include "support/ArchiveReading.h"
#include "support/Files.h"
#include "support/Run.h"

#include "engine/ArchiveEntry.h"

#include <gtest/gtest.h>

namespace {

ArchiveEntry entryNamed(const std::string &bytes, bool utf8Flag)
{
    ArchiveEntry e{};
    e.FileName = bytes;
    e.GeneralFlags = utf8Flag ? (1u << 11) : 0;
    return e;
}

}  // namespace

TEST(DisplayName, Utf8NamesAreShownAsStored)
{
    const std::string name = "r\xC3\xA9sum\xC3\xA9/\xE6\x97\xA5\xE6\x9C\xAC.txt \xF0\x9F\x98\x80";
    EXPECT_EQ(entryNamed(name, true).DisplayName(), name);
    // Many writers store UTF-8 without setting the flag.
    EXPECT_EQ(entryNamed(name, false).DisplayName(), name);
    EXPECT_EQ(entryNamed("plain/ascii.txt", false).DisplayName(), "plain/ascii.txt");
}

TEST(DisplayName, OtherBytesAreCodePage437)
{
    // "Çüé" and box drawing, as a DOS program stored them.
    EXPECT_EQ(entryNamed("\x80\x81\x82-\xC9\xCD\xBB", false).DisplayName(),
              "\xC3\x87\xC3\xBC\xC3\xA9-\xE2\x95\x94\xE2\x95\x90\xE2\x95\x97");
    // Bytes that start a UTF-8 sequence but do not finish it.
    EXPECT_EQ(entryNamed("\xC3(", false).DisplayName(), "\xE2\x94\x9C(");
    // Overlong forms are not UTF-8 either (the full rule: ZipFormatTest).
    EXPECT_EQ(entryNamed("\xC0\xAF", false).DisplayName(), "\xE2\x94\x94\xC2\xBB");
}

TEST(DisplayName, FlaggedButBrokenUtf8StaysReadable)
{
    EXPECT_EQ(entryNamed("ok\xFFok", true).DisplayName(), "ok\xEF\xBF\xBDok");
}

TEST(DisplayName, WholeUpperHalfMatchesPythonsCp437Codec)
{
    if (!ziptest::haveProgram("python3"))
        GTEST_SKIP() << "python3 not found";
    const auto r =
        ziptest::run({"python3", "-c",
                      "import sys; sys.stdout.buffer.write(bytes(range(128, 256)).decode('cp437').encode('utf-8'))"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    std::string high;
    for (int b = 128; b < 256; ++b)
        high += char(b);
    EXPECT_EQ(orvex::cp437ToUtf8(high), r.out);
}
