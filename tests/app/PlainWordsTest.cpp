// The second lines in plain words under error texts.
#include "app/PlainWords.h"

#include <gtest/gtest.h>

#include "QStringPrinter.h"

TEST(PlainWords, ReadErrorsThatAreOnlyNumbersGetALine)
{
    auto line = [](const char *error, int listed) {
        return plain_words::readErrorLine(QString::fromLatin1(error), "/tmp/x/a.zip", listed);
    };
    EXPECT_TRUE(line("Error 1 reading Zip File", 0).startsWith("a.zip "));
    // Whether anything could be listed is what the user needs to know.
    EXPECT_NE(line("Error 2 reading Zip file", 0), line("Error 2 reading Zip file", 3));
    EXPECT_EQ(line("Error 5 reading Zip file", 3), line("Error 3 reading Zip file", 1));
    const char *const noEndRecord = "Error 6 reading Zip file: no usable end of central directory record";
    EXPECT_NE(line(noEndRecord, 0), "");
    EXPECT_NE(line(noEndRecord, 0), line(noEndRecord, 2));
    // This one says what it means already.
    EXPECT_EQ(line("The local headers and the central directory disagree; x", 1), "");
}

TEST(PlainWords, MemberMessagesNameTheMemberAndTheReason)
{
    const struct {
        int code;
        const char *message;
        const char *member;  // null: the message is about no member
        const char *jargon;  // the library's words the line does without
    } cases[] = {
        {2, "skipping b.txt: bad CRC 1234abcd (should be 00000000)", "b.txt", "CRC"},
        {2, "docs/x.txt: wrong password", "docs/x.txt", "wrong password"},
        {81, "skipping big.bin: unsupported compression method 9", "big.bin", "method 9"},
        {81, "a.txt: encrypted: The file content is encrypted, but currently not supported", "a.txt", "currently"},
        {2, "skipping b/x: a/x was extracted to the same file x", "b/x", "a/x"},
        {50, "f.txt: cannot write it: No space left on device", "f.txt", "No space"},
        {2, "skipping m: its local header is cut short", "m", "skipping"},
        {50, "cannot open the target directory /x: Permission denied", nullptr, nullptr},
        {11, "caution: filename not matched:  y", nullptr, nullptr},
        {14, "Cannot delete a: Permission denied", nullptr, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        const QString line = plain_words::memberMessageLine(c.code, QString::fromUtf8(c.message));
        if (!c.member) {
            EXPECT_EQ(line, "");
            continue;
        }
        EXPECT_TRUE(line.startsWith(QString::fromUtf8(c.member) + ": ")) << line.toStdString();
        EXPECT_TRUE(line.endsWith('.'));
        EXPECT_FALSE(line.contains(QString::fromUtf8(c.jargon))) << line.toStdString();
    }
}
