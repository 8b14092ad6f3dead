#include "controls/DelimitedText.h"

#include <gtest/gtest.h>

using namespace gridlogic;

namespace {

QList<QByteArray> lines(const char *data, qsizetype size = -1)
{
    return SplitLines(QByteArrayView(data, size < 0 ? qsizetype(strlen(data)) : size));
}

}  // namespace

TEST(DelimitedText, LineEnds)
{
    using L = QList<QByteArray>;
    EXPECT_EQ(lines("a\r\nb\nc\rd"), L({"a", "b", "c", "d"}));
    EXPECT_EQ(lines("a\n\nb"), L({"a", "", "b"}));
    EXPECT_EQ(lines("a\r\n"), L({"a"}));
    EXPECT_EQ(lines("a\n\rb"), L({"a", "", "b"}));  // LF CR is two line ends
    EXPECT_EQ(lines("\n"), L({""}));
    EXPECT_EQ(lines(""), L());
    EXPECT_EQ(lines("a\nb\0c\nd", 7), L({"a", "b"}));  // NUL ends the text
}

TEST(DelimitedText, Fields)
{
    using L = QList<QByteArray>;
    EXPECT_EQ(SplitFields(";a;;b;", ";"), L({"", "a", "", "b", ""}));
    EXPECT_EQ(SplitFields("", ";"), L({""}));
    EXPECT_EQ(SplitFields("abc", ";"), L({"abc"}));
    EXPECT_EQ(SplitFields("a\xC2\xA7"
                          "b",
                          "\xC2\xA7"),
              L({"a", "b"}));  // a delimiter beyond ASCII
}

TEST(DelimitedText, BytesSurviveDecodingAndEncoding)
{
    // Valid UTF-8 becomes its characters.
    EXPECT_EQ(DecodeBytes("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), QStringLiteral("\u00E9\u20AC\U0001F600"));
    // Anything else goes through unchanged: every byte value, overlong forms,
    // encoded surrogates, bytes beyond U+10FFFF, cut-off sequences.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    for (const QByteArray &raw :
         {all, QByteArray("\xC0\x80"), QByteArray("\xED\xA0\x80"), QByteArray("\xF5\x80\x80\x80"),
          QByteArray("x\xE2\x82"), QByteArray("\xF4\x90\x80\x80"), QByteArray("\xE0\x80\xAF")})
        EXPECT_EQ(EncodeText(DecodeBytes(raw)), raw) << raw.toHex().toStdString();
    EXPECT_EQ(EncodeText(QString(QChar(0xD800))), QByteArray("\xEF\xBF\xBD"));  // a lone surrogate of our own
}

TEST(DelimitedText, TableRoundTrip)
{
    const std::vector<QStringList> table = {{"Name", "Size"}, {"a b", ""}, {"\u00E9", "12"}};
    QByteArray out;
    for (const QStringList &row : table)
        AppendDelimitedLine(out, row, QLatin1Char('\t'));
    EXPECT_EQ(out, QByteArray("Name\tSize\r\na b\t\r\n\xC3\xA9\t12\r\n"));
    EXPECT_EQ(ParseDelimited(out, QLatin1Char('\t')), table);
}
