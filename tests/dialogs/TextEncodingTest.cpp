// How the editor tells a file's encoding from its bytes, reads it and writes
// it back.
#include "dialogs/TextEncoding.h"

#include <gtest/gtest.h>

#include "../app/QStringPrinter.h"

namespace {

using Kind = TextEncoding::Kind;

QByteArray bytesOf(const char *data, qsizetype size = -1)
{
    return size < 0 ? QByteArray(data) : QByteArray(data, size);
}

}  // namespace

TEST(TextEncoding, DetectsReadsAndGivesBackEveryByte)
{
    const struct {
        const char *name;
        QByteArray bytes;
        Kind kind;
        bool byteOrderMark;
        QByteArray text;  // UTF-8
    } cases[] = {
        {"empty", "", Kind::Utf8, false, ""},
        {"ascii", "plain\r\n", Kind::Utf8, false, "plain\r\n"},
        {"utf-8", "caf\xC3\xA9 \xE2\x82\xAC", Kind::Utf8, false, "café €"},
        {"utf-8 with mark",
         "\xEF\xBB\xBF"
         "caf\xC3\xA9",
         Kind::Utf8, true, "café"},
        {"utf-16le", bytesOf("\xFF\xFEh\0\xAC\x20", 6), Kind::Utf16LE, true, "h€"},
        {"utf-16be", bytesOf("\xFE\xFF\0h\x20\xAC", 6), Kind::Utf16BE, true, "h€"},
        {"utf-32le", bytesOf("\xFF\xFE\0\0h\0\0\0", 8), Kind::Utf32LE, true, "h"},
        {"utf-16le starting with NUL", bytesOf("\xFF\xFE\0\0h\0", 6), Kind::Utf16LE, true, bytesOf("\0h", 2)},
        {"cp1252 punctuation", "\x93q\x94 \x96 \x97 \x85 \x80 \x99", Kind::Windows1252, false, "“q” – — … € ™"},
        {"cp1252 letters",
         "Gr\xFC\xDF"
         "e \x8C\x9C \x8A\x9E \x9F",
         Kind::Windows1252, false, "Grüße Œœ Šž Ÿ"},
        {"cp1252 undefined bytes", "a\x81\x8D\x8F\x90\x9D", Kind::Windows1252, false,
         "a\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
        {"utf-8 cut short at the end", "ab\xE2\x82", Kind::Windows1252, false, "abâ‚"},
        {"utf-8 mark before cp1252", "\xEF\xBB\xBF\x93", Kind::Windows1252, false, "ï»¿“"},
        {"utf-16 mark, odd length, no NUL",
         "\xFF\xFE"
         "A",
         Kind::Windows1252, false, "ÿþA"},
        {"NUL after the first 8 KiB", QByteArray(8192, 'a') + bytesOf("\0", 1), Kind::Utf8, false,
         QByteArray(8192, 'a') + bytesOf("\0", 1)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<TextEncoding> encoding = TextEncoding::detect(c.bytes);
        ASSERT_TRUE(encoding.has_value());
        EXPECT_EQ(encoding->kind(), c.kind);
        EXPECT_EQ(encoding->byteOrderMark(), c.byteOrderMark);
        const QString text = encoding->decode(c.bytes);
        EXPECT_EQ(text, QString::fromUtf8(c.text));
        EXPECT_EQ(encoding->encode(text), c.bytes);
    }
}

TEST(TextEncoding, RefusesWhatIsNotText)
{
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"NUL in text", bytesOf("text\0more", 9)},
        {"NUL at the 8 KiB boundary", QByteArray(8191, 'a') + bytesOf("\0", 1)},
        {"utf-16 without a mark", bytesOf("h\0i\0", 4)},
        {"utf-8 mark, NUL", bytesOf("\xEF\xBB\xBFh\0", 5)},
        {"utf-16 mark, odd length", bytesOf("\xFF\xFEh\0i", 5)},
        {"picture", bytesOf("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(TextEncoding::detect(c.bytes).has_value());
    }
}

TEST(TextEncoding, WritesWhatTheEncodingHolds)
{
    const TextEncoding cp1252(Kind::Windows1252, false);
    const struct {
        const char *text;
        bool fits;
    } cases[] = {
        {"plain", true}, {"“€” Œ ÿ", true}, {"\xC2\x81", true},  // an undefined byte read from a file
        {"Ā", false},    {"≠", false},      {"😀", false},       {"a\xEF\xBF\xBD", false},  // U+FFFD
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(cp1252.canEncode(QString::fromUtf8(c.text)), c.fits);
        EXPECT_TRUE(TextEncoding().canEncode(QString::fromUtf8(c.text)));
        EXPECT_TRUE(TextEncoding(Kind::Utf16BE, true).canEncode(QString::fromUtf8(c.text)));
    }
    EXPECT_EQ(cp1252.encode(QString::fromUtf8("“€”")), "\x93\x80\x94");
    EXPECT_EQ(TextEncoding().encode(QString::fromUtf8("€")), "\xE2\x82\xAC");
    EXPECT_EQ(TextEncoding(Kind::Utf8, true).encode(QStringLiteral("a")), "\xEF\xBB\xBF"
                                                                          "a");
    EXPECT_EQ(TextEncoding(Kind::Utf16LE, true).encode(QStringLiteral("a")), bytesOf("\xFF\xFE"
                                                                                     "a\0",
                                                                                     4));
    EXPECT_EQ(TextEncoding(Kind::Utf16BE, true).encode(QStringLiteral("a")), bytesOf("\xFE\xFF\0a", 4));
    EXPECT_EQ(cp1252.name(), "Windows-1252");
}
