// The listing's folders and filter without the window: folders made of the
// names, whatever shape the names come in; moving among them; a filter that
// keeps exactly the rows a user would expect.
#include "app/ArchiveListing.h"

#include <gtest/gtest.h>

#include "QStringPrinter.h"

namespace {

std::vector<ArchiveEntry> entriesOf(const std::vector<std::string> &names)
{
    std::vector<ArchiveEntry> entries;
    for (const std::string &name : names) {
        ArchiveEntry entry;
        entry.FileName = name;
        entry.TruePackedSize = 10;
        entry.TrueUnpackedSize = 100;
        entries.push_back(entry);
    }
    return entries;
}

// What the listing shows, one text a row, folders marked with a '/'.
QStringList shown(const ArchiveListing &listing)
{
    QStringList texts;
    for (const ShownRow &row : listing.rows())
        texts << listing.textOf(row) + (row.folder >= 0 ? QStringLiteral("/") : QString());
    return texts;
}

const std::vector<std::string> Tree = {"README",          "docs/",       "docs/api/index.html", "docs/guide.md",
                                       "./src//main.cpp", "/etc/passwd", "docs/api/types.html"};

}  // namespace

TEST(ListingFolders, FoldersAreMadeOfEveryNameWhateverItsShape)
{
    const std::vector<ArchiveEntry> entries = entriesOf(Tree);
    ArchiveListing listing;
    listing.reset(entries);
    listing.showFolders(true, entries);
    const FolderIndex &folders = listing.folders();

    // Folders named only inside member names are folders too; "./", "//"
    // and a leading '/' make no folder of their own.
    EXPECT_EQ(shown(listing), (QStringList{"docs/", "etc/", "src/", "README"}));
    ASSERT_TRUE(listing.enterPath("/docs"));
    EXPECT_EQ(shown(listing), (QStringList{"api/", "guide.md"}));
    EXPECT_EQ(folders.find("src"), folders.find("./src/"));

    // A folder's totals are of everything under it, its stored entry included.
    const FolderIndex::Folder &docs = folders.folder(folders.find("docs/"));
    EXPECT_EQ(docs.members, 4);
    EXPECT_EQ(docs.unpacked, 400u);
    EXPECT_EQ(docs.entry, 1);
    EXPECT_EQ(folders.membersUnder(folders.find("docs")), (std::vector<int>{1, 2, 3, 6}));
    EXPECT_EQ(folders.membersUnder(folders.find("src")), (std::vector<int>{4}));
    EXPECT_EQ(folders.find("doc"), -1);
}

TEST(ListingFolders, BackForwardAndUpGoWhereAFileManagerGoes)
{
    const std::vector<ArchiveEntry> entries = entriesOf(Tree);
    ArchiveListing listing;
    listing.reset(entries);
    listing.showFolders(true, entries);

    EXPECT_FALSE(listing.goUp());
    ASSERT_TRUE(listing.enterPath("docs/api"));
    ASSERT_TRUE(listing.goUp());
    EXPECT_EQ(listing.currentPath(), "docs/");
    ASSERT_TRUE(listing.goBack());
    EXPECT_EQ(listing.currentPath(), "docs/api/");
    ASSERT_TRUE(listing.goBack());
    EXPECT_EQ(listing.currentPath(), "");
    EXPECT_FALSE(listing.goBack());
    ASSERT_TRUE(listing.goForward());
    ASSERT_TRUE(listing.goForward());
    EXPECT_EQ(listing.currentPath(), "docs/");
    EXPECT_FALSE(listing.enterPath("nowhere"));
    EXPECT_EQ(listing.currentPath(), "docs/");

    // A re-read keeps the folder while it exists, and stays as near as it
    // can once its members are gone.
    listing.enterPath("docs/api");
    listing.reset(entriesOf({"docs/api/new.html", "other"}));
    EXPECT_EQ(listing.currentPath(), "docs/api/");
    listing.reset(entriesOf({"docs/guide.md"}));
    EXPECT_EQ(listing.currentPath(), "docs/");
    EXPECT_EQ(shown(listing), QStringList{"guide.md"});
}

TEST(ListingFolders, TheFilterKeepsMatchingFilesNamedFromTheFolderShown)
{
    const std::vector<ArchiveEntry> entries = entriesOf(Tree);
    ArchiveListing listing;
    listing.reset(entries);

    listing.setFilter("HTML");
    EXPECT_EQ(shown(listing), (QStringList{"docs/api/index.html", "docs/api/types.html"}));
    // Folders are not matches: "docs" finds the files under docs/, not docs/ itself.
    listing.setFilter("docs");
    EXPECT_EQ(shown(listing).size(), 3);

    listing.showFolders(true, entries);
    listing.enterPath("docs");
    listing.setFilter("N?ex");
    EXPECT_EQ(shown(listing), (QStringList{"api/index.html"}));
    listing.setFilter("");
    EXPECT_EQ(shown(listing), (QStringList{"api/", "guide.md"}));
}

TEST(ListingFolders, AFilterTypedFurtherOnlyThinsTheRowsShown)
{
    const std::vector<ArchiveEntry> entries = entriesOf(Tree);
    ArchiveListing listing;
    listing.reset(entries);

    struct Step {
        const char *text;
        bool thins;
        int kept;  // of the rows shown before
    };
    // The flat list shows everything, so its first key only thins; a key
    // taken back, or a wildcard, makes the rows anew.
    const Step steps[] = {{"t", true, 3}, {"tx", true, 0}, {"t", false, 0}, {"ty", true, 1}, {"t*", false, 0}};
    for (const Step &step : steps) {
        const std::vector<ShownRow> before = listing.rows();
        EXPECT_EQ(listing.setFilter(step.text), step.thins) << step.text;
        if (!step.thins)
            continue;
        int kept = 0;
        for (const ShownRow &row : before)
            kept += listing.keeps(row) ? 1 : 0;
        EXPECT_EQ(kept, step.kept) << step.text;
        EXPECT_EQ(int(listing.rows().size()), kept) << step.text;
    }
}

TEST(NameFilter, MatchesAnywhereInTheNameWhateverTheCase)
{
    struct Case {
        const char *filter;
        const char16_t *name;
        bool matches;
    };
    const Case cases[] = {
        {"read", u"docs/README.txt", true},
        {"READ", u"docs/readme.txt", true},
        {"me.t", u"readme.txt", true},
        {"me.t", u"readmeXtxt", false},
        {"*.txt", u"a/b.txt", true},
        {"*.txt", u"a/b.txt.gz", true},
        {"b?t", u"abXt", true},
        {"b?t", u"abt", false},
        {"straße", u"STRASSE", false},
        {"straße", u"Straße.md", true},
        {"kelvin", u"\u212Aelvin", true},
        {"[a]", u"x[a]y", true},
        {"", u"anything", true},
        {"x", u"", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(NameFilter(QString::fromUtf8(c.filter)).matches(QStringView(c.name)), c.matches)
            << c.filter << " in " << QString::fromUtf16(c.name).toStdString();
}
