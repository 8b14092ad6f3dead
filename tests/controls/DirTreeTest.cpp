// The directory tree against temporary directories standing in for volumes.
#include "controls/DirTree.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

void makeDirs(const QString &base, const QStringList &relative)
{
    for (const QString &path : relative)
        ASSERT_TRUE(QDir(base).mkpath(path)) << qPrintable(path);
}

QStringList captions(const QTreeWidgetItem *node)
{
    QStringList texts;
    for (int i = 0; i < node->childCount(); ++i)
        texts.append(node->child(i)->text(0));
    return texts;
}

// Every entry of the list, state letter first.
QStringList entries(const TPathList &list)
{
    QStringList all;
    for (int i = 0; i < list.size(); ++i)
        all.append(list.entry(i));
    return all;
}

class DirTreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp.isValid());
        root = dirtree::withSlash(temp.path());
        tree = std::make_unique<TDirTree>();
        useVolumes({root});
    }

    // The only volumes the tree sees.
    void useVolumes(const QStringList &roots)
    {
        tree->setVolumeSource([roots] {
            QList<platform::Volume> list;
            for (const QString &r : roots)
                list.append(platform::Volume{r, QStringLiteral("Volume ") + QString::number(list.size())});
            return list;
        });
    }

    QTreeWidgetItem *nodeOf(const QString &path) const
    {
        for (QTreeWidgetItemIterator it(tree.get()); *it; ++it)
            if (tree->pathOf(*it) == path)
                return *it;
        return nullptr;
    }

    QTemporaryDir temp;
    QString root;
    std::unique_ptr<TDirTree> tree;
};

}  // namespace

// ---- Logic without a window ----

TEST(DirTreeLogic, VolumeOfAPathIsTheLongestRootThatHoldsIt)
{
    const QStringList roots{"/", "/mnt/data/", "/mnt/data/inner/"};
    EXPECT_EQ(dirtree::volumeRootOf(roots, "/mnt/data/x/"), "/mnt/data/");
    EXPECT_EQ(dirtree::volumeRootOf(roots, "/mnt/data"), "/mnt/data/");
    EXPECT_EQ(dirtree::volumeRootOf(roots, "/mnt/data/inner/y"), "/mnt/data/inner/");
    // A sibling whose name merely starts like the volume is not on it.
    EXPECT_EQ(dirtree::volumeRootOf(roots, "/mnt/database/"), "/");
    EXPECT_EQ(dirtree::volumeRootOf(roots, "?"), "");
    EXPECT_EQ(dirtree::volumeRootOf({"/media/stick/"}, "/home/"), "");

    EXPECT_EQ(dirtree::levelsBelow("/mnt/data/", "/mnt/data/a/b"),
              (QStringList{"/mnt/data/", "/mnt/data/a/", "/mnt/data/a/b/"}));
    EXPECT_EQ(dirtree::levelsBelow("/mnt/data/", "/home/a/"), QStringList{});
}

TEST(DirTreeLogic, ReadingListsHiddenDirectoriesButNoFilesSortedIgnoringCase)
{
    QTemporaryDir temp;
    const QString base = dirtree::withSlash(temp.path());
    makeDirs(base, {"zeta", "Alpha", "alpha", ".cache", "beta/inner", "skip"});
    QFile(base + "file.txt").open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(base + "beta", base + "link-to-beta"));

    EXPECT_EQ(dirtree::readSubdirectories(base, {}),
              (QStringList{".cache", "Alpha", "alpha", "beta", "link-to-beta", "skip", "zeta"}));

    QStringList asked;
    auto accept = [&](const QString &path) {
        asked.append(path);
        return !path.endsWith("/skip/");
    };
    EXPECT_EQ(dirtree::readSubdirectories(base, accept),
              (QStringList{".cache", "Alpha", "alpha", "beta", "link-to-beta", "zeta"}));
    EXPECT_TRUE(asked.contains(base + "Alpha/"));

    EXPECT_TRUE(dirtree::hasSubdirectory(base + "beta/", {}));
    EXPECT_FALSE(dirtree::hasSubdirectory(base + "zeta/", {}));
    EXPECT_FALSE(dirtree::hasSubdirectory(base + "beta/", [](const QString &) { return false; }));
    EXPECT_EQ(dirtree::readSubdirectories(base + "missing/", {}), QStringList{});
}

// ---- The tree ----

TEST_F(DirTreeTest, ReadsOneLevelAheadOfWhatIsExpanded)
{
    makeDirs(root, {"Alpha/deep/deeper", "beta", ".hidden"});
    tree->ReadDrives();
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    QTreeWidgetItem *volume = tree->topLevelItem(0);
    EXPECT_EQ(volume->text(0), "Volume 0");
    EXPECT_TRUE(tree->Ready());
    // Only the root is known; a placeholder gives it its expand button.
    EXPECT_EQ(entries(tree->PathList()), QStringList{"u" + root});
    EXPECT_EQ(captions(volume), QStringList{" "});

    volume->setExpanded(true);
    EXPECT_EQ(captions(volume), (QStringList{".hidden", "Alpha", "beta"}));
    QTreeWidgetItem *alpha = nodeOf(root + "Alpha/");
    ASSERT_NE(alpha, nullptr);
    // The children of an expanded node are read, so their buttons are right...
    EXPECT_EQ(captions(alpha), QStringList{"deep"});
    EXPECT_TRUE(tree->PathList().isRead(alpha->data(0, Qt::UserRole).toInt()));
    EXPECT_EQ(nodeOf(root + "beta/")->childCount(), 0);
    // ...and nothing deeper is.
    EXPECT_FALSE(entries(tree->PathList()).contains("i" + root + "Alpha/deep/"));
    EXPECT_EQ(nodeOf(root + "Alpha/deep/deeper/"), nullptr);

    alpha->setExpanded(true);
    EXPECT_NE(nodeOf(root + "Alpha/deep/deeper/"), nullptr);
    EXPECT_EQ(tree->SelectedPath(), TDirTree::NoPath);
}

TEST_F(DirTreeTest, AVolumeWithoutSubdirectoriesGetsNoExpandButton)
{
    tree->ReadDrives();
    EXPECT_EQ(tree->topLevelItem(0)->childCount(), 0);
    tree->SelectDrive(root);
    EXPECT_EQ(tree->SelectedPath(), root);
}

TEST_F(DirTreeTest, SelectPathTakesThePathWithOrWithoutTheSlashAndInItsOwnCase)
{
    makeDirs(root, {"Data/sub", "data"});
    tree->ReadDrives();
    int changes = 0;
    tree->OnChange = [&](TDirTree &, QTreeWidgetItem *) { ++changes; };

    tree->SelectPath(root + "Data/sub");
    EXPECT_EQ(tree->SelectedPath(), root + "Data/sub/");
    EXPECT_TRUE(nodeOf(root + "Data/")->isExpanded());
    EXPECT_EQ(changes, 1);

    tree->SelectPath(root + "Data/sub/");  // already selected: nothing, no notification
    EXPECT_EQ(changes, 1);

    // Another case names another directory.
    tree->SelectPath(root + "data");
    EXPECT_EQ(tree->SelectedPath(), root + "data/");
    tree->SelectPath(root + "DATA/");
    EXPECT_EQ(tree->SelectedPath(), root + "data/");
    tree->SelectPath(root + "nowhere/");
    tree->SelectPath("relative/path");
    // Still in the tree but gone from the disk.
    ASSERT_NE(nodeOf(root + "Data/sub/"), nullptr);
    QDir(root + "Data/sub").removeRecursively();
    tree->SelectPath(root + "Data/sub");
    EXPECT_EQ(tree->SelectedPath(), root + "data/");
    EXPECT_EQ(changes, 2);
}

TEST_F(DirTreeTest, ADirectoryMadeAfterItsParentWasReadIsFoundOnlyAfterAReload)
{
    makeDirs(root, {"parent"});
    tree->ReadDrives();
    tree->SelectPath(root + "parent");
    makeDirs(root, {"parent/late"});
    tree->SelectPath(root + "parent/late");
    EXPECT_EQ(tree->SelectedPath(), root + "parent/");

    tree->Reload();
    EXPECT_EQ(tree->SelectedPath(), root + "parent/");
    tree->SelectPath(root + "parent/late");
    EXPECT_EQ(tree->SelectedPath(), root + "parent/late/");
}

TEST_F(DirTreeTest, ShowingAgainBringsFoldersMadeAndRemovedMeanwhileKeepingSelectionAndExpansion)
{
    makeDirs(root, {"a/old", "a/sel/inner", "b"});
    tree->setReadOnStart(true);
    tree->show();
    tree->SelectPath(root + "a/sel");
    tree->hide();
    makeDirs(root, {"a/new/below", "a/sel/inner2", "c"});
    ASSERT_TRUE(QDir(root + "a/old").removeRecursively());
    tree->show();
    EXPECT_EQ(captions(tree->topLevelItem(0)), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(captions(nodeOf(root + "a/")), (QStringList{"new", "sel"}));
    EXPECT_EQ(captions(nodeOf(root + "a/sel/")), (QStringList{"inner", "inner2"}));
    // A new child of an open folder is read ahead, so its expand button shows.
    EXPECT_EQ(captions(nodeOf(root + "a/new/")), QStringList{"below"});
    EXPECT_TRUE(nodeOf(root + "a/")->isExpanded());
    EXPECT_EQ(tree->SelectedPath(), root + "a/sel/");

    // The selected folder is gone: the one above it is selected.
    tree->hide();
    ASSERT_TRUE(QDir(root + "a/sel").removeRecursively());
    tree->show();
    EXPECT_EQ(captions(nodeOf(root + "a/")), QStringList{"new"});
    EXPECT_EQ(tree->SelectedPath(), root + "a/");
}

TEST_F(DirTreeTest, ReloadFallsBackToTheVolumeThenToTheFirstVolumesRememberedDirectory)
{
    const QString a = root + "a/", b = root + "b/";
    makeDirs(root, {"a/keep", "a/gone", "b/x"});
    useVolumes({a, b});
    tree->ReadDrives();

    tree->SelectPath(a + "gone");
    QDir(a + "gone").removeRecursively();
    tree->Reload();
    EXPECT_EQ(tree->SelectedPath(), a);  // its volume's root

    tree->SelectPath(a + "keep");
    tree->SelectPath(b + "x");
    // The volume of the selection disappears: the first volume's remembered directory.
    QDir(b).removeRecursively();
    useVolumes({a});
    tree->Reload();
    EXPECT_EQ(tree->SelectedPath(), a + "keep/");
    EXPECT_EQ(tree->topLevelItemCount(), 1);
}

TEST_F(DirTreeTest, ReloadFromNoSelectionSelectsTheFirstVolume)
{
    makeDirs(root, {"x"});
    tree->ReadDrives();
    tree->Reload();
    EXPECT_EQ(tree->SelectedPath(), root);
}

TEST_F(DirTreeTest, SelectDriveReturnsToTheDirectoryLastSelectedOnThatVolume)
{
    const QString c = root + "c/", d = root + "d/";
    makeDirs(root, {"c/temp", "d/DATA", "d/other"});
    useVolumes({c, d});
    tree->ReadDrives();

    tree->SelectDrive(d);
    EXPECT_EQ(tree->SelectedPath(), d);
    tree->SelectPath(d + "DATA");
    tree->SelectDrive(c);
    EXPECT_EQ(tree->SelectedPath(), c);
    tree->SelectPath(c + "temp");
    tree->SelectDrive(d);
    EXPECT_EQ(tree->SelectedPath(), d + "DATA/");
    EXPECT_EQ(tree->DriveDirs(c), c + "temp/");

    // On the volume of the selection it does nothing, whatever was remembered.
    tree->SelectPath(d + "other");
    tree->SelectPath(d + "DATA");
    tree->SelectDrive(d);
    EXPECT_EQ(tree->SelectedPath(), d + "DATA/");

    // A remembered directory that is gone gives the volume's root.
    tree->SelectDrive(c);
    QDir(d + "DATA").removeRecursively();
    tree->SelectDrive(d);
    EXPECT_EQ(tree->SelectedPath(), d);
}

TEST_F(DirTreeTest, TheCurrentDirectoryIsRememberedOnItsVolume)
{
    makeDirs(root, {"work/here"});
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(root + "work/here"));
    TDirTree fresh;
    fresh.setVolumeSource([this] { return QList<platform::Volume>{{root, "v"}}; });
    QDir::setCurrent(saved);
    fresh.ReadDrives();
    EXPECT_EQ(fresh.SelectedPath(), TDirTree::NoPath);
    fresh.SelectDrive(root);
    EXPECT_EQ(fresh.SelectedPath(), root + "work/here/");
}

TEST_F(DirTreeTest, NestedVolumesAreWalkedFromTheInnermost)
{
    makeDirs(root, {"mnt/disk/sub"});
    useVolumes({root, root + "mnt/disk/"});
    tree->ReadDrives();
    tree->SelectPath(root + "mnt/disk/sub");
    ASSERT_NE(tree->selectedNode(), nullptr);
    QTreeWidgetItem *top = tree->selectedNode();
    while (top->parent())
        top = top->parent();
    EXPECT_EQ(tree->indexOfTopLevelItem(top), 1);
    EXPECT_EQ(tree->SelectedPath(), root + "mnt/disk/sub/");
}

TEST_F(DirTreeTest, DirectoriesRefusedByOnAddDirAreLeftOutWithAllBelowThem)
{
    makeDirs(root, {"keep", "private/inner"});
    QStringList asked;
    tree->OnAddDir = [&](TDirTree &, const QString &name, bool &add) {
        asked.append(name);
        add = !name.endsWith("/private/");
    };
    tree->ReadDrives();
    EXPECT_EQ(asked.front(), root);  // the volume is asked too
    tree->topLevelItem(0)->setExpanded(true);
    EXPECT_EQ(captions(tree->topLevelItem(0)), QStringList{"keep"});
    tree->SelectPath(root + "private/inner");
    EXPECT_EQ(tree->SelectedPath(), TDirTree::NoPath);

    tree->OnAddDir = [](TDirTree &, const QString &, bool &add) { add = false; };
    tree->ReadDrives();
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    tree->Reload();  // nothing to select in an empty tree
    EXPECT_EQ(tree->SelectedPath(), TDirTree::NoPath);
}

TEST_F(DirTreeTest, FoldingABranchMovesTheSelectionUpAndExpansionCanBeRefused)
{
    makeDirs(root, {"a/b/c", "z/y"});
    tree->ReadDrives();
    tree->SelectPath(root + "a/b/c");
    nodeOf(root + "a/")->setExpanded(false);
    EXPECT_EQ(tree->SelectedPath(), root + "a/");

    tree->OnExpanding = [](TDirTree &, QTreeWidgetItem *, bool &allow) { allow = false; };
    QTreeWidgetItem *z = nodeOf(root + "z/");
    z->setExpanded(true);
    EXPECT_FALSE(z->isExpanded());
    EXPECT_EQ(captions(z), QStringList{"y"});
}

TEST_F(DirTreeTest, ReadOnStartReadsWhenFirstShownAndNoChangeIsReportedBefore)
{
    makeDirs(root, {"x"});
    int changes = 0;
    tree->OnChange = [&](TDirTree &, QTreeWidgetItem *) { ++changes; };
    tree->setReadOnStart(true);
    EXPECT_FALSE(tree->Ready());
    tree->show();
    EXPECT_TRUE(tree->Ready());
    EXPECT_EQ(tree->topLevelItemCount(), 1);
    EXPECT_EQ(changes, 0);
    // Focus makes a node current but chooses no directory.
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(tree.get(), &focus);
    EXPECT_NE(tree->currentItem(), nullptr);
    EXPECT_EQ(tree->SelectedPath(), TDirTree::NoPath);
    tree->SelectPath(root + "x");
    EXPECT_EQ(changes, 1);
    tree->ReadDrives();  // the rebuild drops the selection without a report
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(tree->SelectedPath(), TDirTree::NoPath);
    EXPECT_TRUE(tree->updatesEnabled());
}

TEST(DirTreeLogic, OnlyTheKernelsTreesWaitToBeOpened)
{
    const struct {
        const char *path;
        bool waits;
    } cases[] = {
        {"/proc/", true}, {"/proc/1/task/", true}, {"/sys", true},        {"/dev/shm/", true},
        {"/", false},     {"/process/", false},    {"/home/dev/", false}, {"/devices/", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(dirtree::readOnlyWhenOpened(QString::fromLatin1(c.path)), c.waits) << c.path;
}

// A link to a directory is a node like any other, except that a directory
// already on the way up to the root is shown but not entered again.
TEST_F(DirTreeTest, LinksToDirectoriesNeverGoRoundALoop)
{
    makeDirs(root, {"a/inner", "b/x"});
    const struct {
        const char *link, *target;
    } links[] = {{"a/loop", "a"}, {"a/up", ""}, {"a/tob", "b"}, {"b/back", "a"}};
    for (const auto &l : links)
        ASSERT_TRUE(QFile::link(root + QString::fromLatin1(l.target), root + QString::fromLatin1(l.link))) << l.link;
    tree->ReadDrives();
    tree->topLevelItem(0)->setExpanded(true);
    QTreeWidgetItem *a = nodeOf(root + "a/");
    ASSERT_NE(a, nullptr);
    a->setExpanded(true);
    EXPECT_EQ(captions(a), (QStringList{"inner", "loop", "tob", "up"}));
    for (const char *back : {"a/loop/", "a/up/"}) {
        QTreeWidgetItem *node = nodeOf(root + back);
        ASSERT_NE(node, nullptr) << back;
        node->setExpanded(true);
        EXPECT_EQ(node->childCount(), 0) << back;
    }
    // A link elsewhere opens on its directory, whose own link back is not entered.
    QTreeWidgetItem *tob = nodeOf(root + "a/tob/");
    ASSERT_NE(tob, nullptr);
    EXPECT_EQ(captions(tob), (QStringList{"back", "x"}));
    tob->setExpanded(true);
    EXPECT_EQ(nodeOf(root + "a/tob/back/")->childCount(), 0);
    tree->SelectPath(root + "a/tob/x");
    EXPECT_EQ(tree->SelectedPath(), root + "a/tob/x/");
}

TEST_F(DirTreeTest, KernelTreesAreReadOnlyWhenOpened)
{
    useVolumes({"/"});
    tree->ReadDrives();
    tree->topLevelItem(0)->setExpanded(true);
    int seen = 0;
    for (const char *kernel : {"/proc/", "/sys/", "/dev/"}) {
        QTreeWidgetItem *node = nodeOf(QString::fromLatin1(kernel));
        if (!node)
            continue;  // not on this system
        ++seen;
        const int index = node->data(0, Qt::UserRole).toInt();
        EXPECT_FALSE(tree->PathList().isRead(index)) << kernel;
        EXPECT_EQ(captions(node), QStringList{" "}) << kernel;  // the expand button alone
        node->setExpanded(true);
        EXPECT_TRUE(tree->PathList().isRead(index)) << kernel;
        EXPECT_FALSE(captions(node).contains(" ")) << kernel;
    }
    EXPECT_GT(seen, 0);
}
