// 7-Zip's technical listing read into entries: records as the program
// writes them, cut into pieces anywhere, and lines that are no record.
#include "engine/otherformats/SevenZipListing.h"

#include <gtest/gtest.h>

using namespace otherformats;

namespace {

std::string record(const std::string &path, const std::string &size, const std::string &attributes,
                   const std::string &crc = "", const std::string &encrypted = "-")
{
    return "Path = " + path + "\nSize = " + size + "\nPacked Size = \nModified = 2024-03-01 12:30:05.1234567\n"
           + "Attributes = " + attributes + "\nCRC = " + crc + "\nEncrypted = " + encrypted
           + "\nMethod = LZMA2:24\nBlock = 0\n\n";
}

SevenZipListing parsed(const std::string &text, size_t piece = std::string::npos)
{
    SevenZipListing listing(ListingTimes::Utc);
    for (size_t at = 0; at < text.size(); at += piece)
        listing.feed(std::string_view(text).substr(at, piece));
    listing.finish();
    return listing;
}

}  // namespace

TEST(SevenZipListing, AttributesGiveKindModeAndData)
{
    struct Case {
        std::string attributes, size;
        EntryKind kind;
        uint32_t mode;
        bool hasData;
    };
    const Case cases[] = {
        {"D drwxr-xr-x", "0", EntryKind::Directory, 0755, false},
        {"A -rwxr-x---", "12", EntryKind::File, 0750, true},
        {"A -rw-r--r--", "0", EntryKind::File, 0644, false},
        {"A lrwxrwxrwx", "5", EntryKind::Symlink, 0777, true},
        {"A -rwsr-sr-t", "1", EntryKind::File, 07755, true},
        {"A prw-r--r--", "0", EntryKind::Other, 0644, false},
        {"A", "3", EntryKind::File, 0644, true},   // made on Windows: no permissions stored
        {"AR", "3", EntryKind::File, 0444, true},  // read-only there
        {"D", "0", EntryKind::Directory, 0755, false},
        {"A 0x00008000", "3", EntryKind::File, 0644, true},  // a number is no mode
    };
    for (const Case &c : cases) {
        const SevenZipListing listing = parsed(record("n", c.size, c.attributes, "363A3020"));
        ASSERT_EQ(listing.entries().size(), 1u) << c.attributes;
        const SevenZipEntry &e = listing.entries()[0];
        EXPECT_EQ(e.entry.kind, c.kind) << c.attributes;
        EXPECT_EQ(e.entry.mode, c.mode) << c.attributes;
        EXPECT_EQ(e.hasData(), c.hasData) << c.attributes;
    }
}

TEST(SevenZipListing, RecordsSplitAnywhereGiveTheSameEntries)
{
    // The prompt 7-Zip writes before the records, names with spaces at their
    // ends and " = " inside, an encrypted file and an empty one.
    const std::string text = "\nEnter password (will not be echoed):\n" + record("dir", "0", "D drwxr-xr-x")
                             + record("dir/a b = c ", "6", "A -rw-r--r--", "363A3020", "+")
                             + record("empty", "0", "A -rw-r--r--");
    for (const size_t piece : {size_t(1), size_t(7), text.size()}) {
        const SevenZipListing listing = parsed(text, piece);
        ASSERT_EQ(listing.entries().size(), 3u) << piece;
        EXPECT_TRUE(listing.error().empty());
        const SevenZipEntry &file = listing.entries()[1];
        EXPECT_EQ(file.entry.name, "dir/a b = c ");
        EXPECT_EQ(file.entry.size, 6u);
        EXPECT_EQ(file.crc, 0x363A3020u);
        EXPECT_TRUE(file.entry.encrypted);
        EXPECT_EQ(file.entry.modified, 1709296205);
        EXPECT_FALSE(listing.entries()[2].crc.has_value());
        EXPECT_FALSE(listing.entries()[0].entry.encrypted);
    }
}

TEST(SevenZipListing, AListingThatCannotBeTrustedIsRefused)
{
    const char *const cases[] = {
        // A name that carries lines of its own repeats a key.
        "Path = x\nSize = 1\nSize = 9\nAttributes = A -rw-r--r--\nCRC = 00000000\n\n",
        // A record with no size could not be cut out of the data.
        "Path = x\nAttributes = A -rw-r--r--\n\n",
        "Path = x\nSize = 1e3\nAttributes = A -rw-r--r--\n\n",
        "Path = x\nSize = 1\nAttributes = A -rw-r--r--\nCRC = XYZ\n\n",
    };
    for (const char *text : cases)
        EXPECT_FALSE(parsed(text).error().empty()) << text;
}

TEST(SevenZipListing, AnOverlongNameKeepsOnlyItsBeginning)
{
    const std::string name(3 * SevenZipListing::LineLimit, 'n');
    const SevenZipListing listing = parsed(record(name, "1", "A -rw-r--r--", "00000000"), 4096);
    ASSERT_EQ(listing.entries().size(), 1u);
    EXPECT_EQ(listing.entries()[0].entry.name.size(), SevenZipListing::LineLimit - std::string("Path = ").size());
    EXPECT_EQ(listing.entries()[0].entry.size, 1u);
}
