// Names from other systems: each code page read through iconv, the fallback
// for bytes a code page cannot read, and the guess made for a whole archive.

#include "engine/ArchiveEntry.h"
#include "engine/zipformat/NameCharset.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using zipformat::chooseNameCodePage;
using zipformat::decodeName;
using zipformat::guessNameCodePage;

namespace {

// Russian, Japanese and Chinese names as their systems store them.
const std::string RussianFolder = "\x84\xAE\xAA\xE3\xAC\xA5\xAD\xE2\xEB/";  // "Документы/" in 866
const std::string RussianFile = "\xAE\xE2\xE7\xF1\xE2.txt";                 // "отчёт.txt" in 866
const std::string JapaneseFile = "\x93\xFA\x96{\x8C\xEA.txt";               // "日本語.txt" in 932
const std::string JapaneseKana = "\x83t\x83@\x83"
                                 "C\x83\x8B.txt";                        // "ファイル.txt" in 932
const std::string ChineseFile = "\xD6\xD0\xCE\xC4\xD7\xCA\xC1\xCF.txt";  // "中文资料.txt" in 936
const std::string ChinesePhoto = "\xD0\xB4\xD5\xE6.jpg";                 // "写真.jpg" in 936

}  // namespace

TEST(NameCharset, EachCodePageDecodesAWordOfItsLanguage)
{
    const struct {
        const char *codePage;
        std::string bytes;
        const char *utf8;
    } cases[] = {
        {"437", "caf\x82", "caf\xC3\xA9"},  // café
        {"850", "\x9Dre", "\xC3\x98re"},    // Øre (437 has ¥ there)
        {"852",
         "\x9D\xA2"
         "d\xAB",
         "\xC5\x81\xC3\xB3"
         "d\xC5\xBA"},                                                                            // Łódź
        {"866", "\x8F\xE0\xA8\xA2\xA5\xE2", "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"},  // Привет
        {"737", "\x89\x98\xA2\x9E\xA3\xE2\xA8\x98",
         "\xCE\x9A\xCE\xB1\xCE\xBB\xCE\xB7\xCE\xBC\xCE\xAD\xCF\x81\xCE\xB1"},         // Καλημέρα
        {"932", "\x93\xFA\x96{\x8C\xEA", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"},     // 日本語
        {"936", "\xD6\xD0\xCE\xC4", "\xE4\xB8\xAD\xE6\x96\x87"},                      // 中文
        {"949", "\xC7\xD1\xB1\xB9\xBE\xEE", "\xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4"},  // 한국어
        {"950", "\xA4\xA4\xA4\xE5", "\xE4\xB8\xAD\xE6\x96\x87"},                      // 中文 in Big5
        {"1252",
         "\x80"
         "100",
         "\xE2\x82\xAC"
         "100"},  // €100
    };
    for (const auto &c : cases)
        EXPECT_EQ(decodeName(c.bytes, c.codePage), c.utf8) << c.codePage;
    // Every offered code page has a row above.
    EXPECT_EQ(zipformat::nameCodePages().size(), std::size(cases));
}

TEST(NameCharset, BytesACodePageCannotReadAreReadAs437)
{
    const struct {
        const char *codePage;
        std::string bytes;
        const char *utf8;
    } cases[] = {
        {"932", "a\x81", "a\xC3\xBC"},            // a lead byte with no second byte
        {"1252", "x\x81", "x\xC3\xBC"},           // a byte 1252 leaves undefined
        {"936", "\xD6.txt", "\xE2\x95\x93.txt"},  // half a character
        {"unknown", "caf\x82", "caf\xC3\xA9"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(decodeName(c.bytes, c.codePage), c.utf8) << c.codePage << " " << c.bytes;
}

TEST(NameCharset, AutoReadsAnArchiveInTheOneCodePageItsNamesFit)
{
    const struct {
        const char *what;
        std::vector<std::string> names;
        const char *expected;
    } cases[] = {
        {"Russian", {RussianFolder, RussianFolder + RussianFile}, "866"},
        {"Japanese", {JapaneseFile, JapaneseKana}, "932"},
        {"Chinese", {ChineseFile, ChinesePhoto}, "936"},
        {"Western", {"caf\x82.txt"}, "437"},
        // "あい" in 932 is also "ВаВв" in 866: no guess.
        {"valid in two", {"\x82\xA0\x82\xA2.txt"}, "437"},
        {"one archive, two languages", {RussianFile, JapaneseFile}, "437"},
        {"Russian beside a Western name", {RussianFile, "caf\x82.txt"}, "437"},
        {"Latin and Cyrillic in one word", {"file\xAE\xE2.txt"}, "437"},
        {"half-width katakana", {"\xB1\xB2\xB3.txt"}, "437"},
        {"no name needs one", {}, "437"},
        {"ASCII only", {"readme.txt", "src/main.c"}, "437"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(guessNameCodePage(c.names), c.expected) << c.what;
}

TEST(NameCharset, AChosenCodePageIsTakenAsItIsAndOnlyAutoGuesses)
{
    const std::vector<std::string> russian{RussianFile};
    EXPECT_EQ(chooseNameCodePage("", russian), "866");
    EXPECT_EQ(chooseNameCodePage("Auto", russian), "866");
    EXPECT_EQ(chooseNameCodePage("437", russian), "437");
    EXPECT_EQ(chooseNameCodePage("1252", russian), "1252");
    EXPECT_EQ(chooseNameCodePage("65001", russian), "437");
}

TEST(NameCharset, TheListingDecodesOnlyNamesInACodePageAndAllAlike)
{
    auto entry = [](std::string name, bool utf8Flag) {
        ArchiveEntry e{};
        e.FileName = std::move(name);
        e.GeneralFlags = utf8Flag ? (1u << 11) : 0;
        return e;
    };
    const std::string utf8 = "\xD0\x9F.txt";  // "П.txt", already UTF-8
    std::vector<ArchiveEntry> entries{entry(RussianFile, false), entry(utf8, false), entry("ok\xFF", true),
                                      entry("plain.txt", false)};
    orvex::decodeEntryNames(entries, "");
    EXPECT_EQ(entries[0].DisplayName(), "\xD0\xBE\xD1\x82\xD1\x87\xD1\x91\xD1\x82.txt");  // отчёт.txt
    EXPECT_EQ(entries[1].DisplayName(), utf8);
    EXPECT_EQ(entries[2].DisplayName(), "ok\xEF\xBF\xBD");
    EXPECT_EQ(entries[3].DisplayName(), "plain.txt");
    EXPECT_EQ(entries[0].FileName, RussianFile);  // the stored bytes still find the member

    orvex::decodeEntryNames(entries, "437");
    EXPECT_EQ(entries[0].DisplayName(), decodeName(RussianFile, "437"));
}
