// The add dialog's list rules, the volumes offered as drives, and the
// directory chain, without windows.
#include "dialogs/AddFileList.h"
#include "dialogs/DirectoryChain.h"
#include "platform/Volumes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "../app/QStringPrinter.h"

TEST(AddFileList, EntriesAreUniqueByExactPathAndDirectoriesEndInOneSlash)
{
    EXPECT_EQ(AddFileList::directoryEntry("/"), "/");
    EXPECT_EQ(AddFileList::directoryEntry("/data/reports"), "/data/reports/");
    EXPECT_EQ(AddFileList::directoryEntry("/data/reports/"), "/data/reports/");
    EXPECT_EQ(AddFileList::fileEntry("/", "vmlinuz"), "/vmlinuz");

    AddFileList list;
    EXPECT_EQ(list.add("/data/Report.txt"), 0);
    EXPECT_EQ(list.add("/data/Report.txt"), -1);
    EXPECT_EQ(list.add("/data/report.txt"), 1);  // another file on a case-sensitive file system
    EXPECT_EQ(list.add("/data/"), 2);            // nothing checks containment
    EXPECT_EQ(list.entries(), QStringList({"/data/Report.txt", "/data/report.txt", "/data/"}));
}

TEST(AddFileList, SortedOnceThenNewEntriesTakeTheirSortedPlace)
{
    AddFileList list;
    for (const char *entry : {"/b/zeta", "/a/Beta", "/a/alpha", "/a/beta"})
        list.add(QString::fromLatin1(entry));
    EXPECT_EQ(list.sort(), QList<int>({2, 1, 3, 0}));
    // Case is ignored; names differing in case only are ordered exactly.
    EXPECT_EQ(list.entries(), QStringList({"/a/alpha", "/a/Beta", "/a/beta", "/b/zeta"}));
    EXPECT_EQ(list.add("/a/gamma"), 3);
    EXPECT_EQ(list.add("/a/Gamma"), 3);
    EXPECT_EQ(list.add("/0"), 0);
    EXPECT_EQ(list.add("/z"), 7);
}

TEST(AddFileList, RemovesNonAdjacentRowsGivenInAnyOrder)
{
    AddFileList list;
    for (const char *entry : {"/0", "/1", "/2", "/3", "/4", "/5"})
        list.add(QString::fromLatin1(entry));
    list.removeRows({4, 0, 2, 2, 17});
    EXPECT_EQ(list.entries(), QStringList({"/1", "/3", "/5"}));
}

TEST(Volumes, OnlyRealFileSystemsRootFirstAndPathsGoToTheLongestRoot)
{
    const QList<platform::MountPoint> mounts = {
        {"/proc", "proc", {}},
        {"/media/anna/STICK", "vfat", "STICK"},
        {"/dev/shm", "tmpfs", {}},
        {"/run/user/1000", "tmpfs", {}},
        {"/run/media/anna/DISK", "ext4", {}},
        {"/", "overlay", {}},
        {"/home", "ext4", {}},
        {"/home", "ext4", {}},  // stacked mounts: listed once
        {"/snap/core/1", "squashfs", {}},
        {"/etc/hosts", "ext4", {}, true, false},  // a container's bind mount of one file
        {"/mnt/cdrom", "iso9660", {}, false},     // not ready
    };
    const QList<platform::Volume> volumes = platform::selectVolumes(mounts);
    QStringList roots;
    for (const platform::Volume &v : volumes)
        roots << v.rootPath;
    EXPECT_EQ(roots, QStringList({"/", "/home", "/media/anna/STICK", "/run/media/anna/DISK"}));
    EXPECT_EQ(volumes[2].displayName, "STICK");
    EXPECT_EQ(platform::selectVolumes({}).size(), 1);  // "/" is always there

    EXPECT_EQ(platform::volumeIndexOf(volumes, "/media/anna"), 0);
    EXPECT_EQ(platform::volumeIndexOf(volumes, "/media/anna/STICK"), 2);
    EXPECT_EQ(platform::volumeIndexOf(volumes, "/media/anna/STICK/docs"), 2);
    EXPECT_EQ(platform::volumeIndexOf(volumes, "/media/anna/STICKY"), 0);
}

class DirectoryChainTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        for (const char *dir : {"data/reports", "data/Archive", "data/.cache"})
            ASSERT_TRUE(QDir(root).mkpath(dir));
        for (const char *file : {"data/b.txt", "data/A.txt", "data/.profile"})
            ASSERT_TRUE(QFile(root + "/" + file).open(QIODevice::WriteOnly));
    }

    QTemporaryDir temp;
    const QString root = temp.path();
};

TEST_F(DirectoryChainTest, RowsRunFromTheVolumeRootDownThenTheSubdirectories)
{
    DirectoryChain chain({{"/", "/"}, {root, "Scratch"}}, root + "/data/gone/deeper");
    EXPECT_EQ(chain.directory(), root + "/data");  // the nearest existing directory
    EXPECT_EQ(chain.volumeIndex(), 1);
    QStringList rows;
    for (const DirectoryRow &row : chain.rows())
        rows << QString(row.level, ' ') + (row.open ? "[" : "") + row.text;
    EXPECT_EQ(rows, QStringList({"[Scratch", " [data", "  .cache", "  Archive", "  reports"}));
    EXPECT_EQ(chain.currentRow(), 1);
    EXPECT_EQ(chain.rows()[4].path, root + "/data/reports");

    DirectoryChain onRoot({{"/", "/"}}, root);
    EXPECT_EQ(onRoot.rows()[0].path, "/");
    EXPECT_EQ(onRoot.rows()[onRoot.currentRow()].path, root);
}

TEST_F(DirectoryChainTest, FileListShowsEveryFileButNothingThatCannotBeCompressed)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(root + "/data/pipe").constData(), 0600), 0);
    ASSERT_EQ(::symlink("A.txt", QFile::encodeName(root + "/data/link.txt").constData()), 0);
    ASSERT_EQ(::symlink("missing", QFile::encodeName(root + "/data/dangling").constData()), 0);
    DirectoryChain chain({{"/", "/"}}, root + "/data");
    EXPECT_EQ(chain.files(), QStringList({".profile", "A.txt", "b.txt", "link.txt"}));
}
