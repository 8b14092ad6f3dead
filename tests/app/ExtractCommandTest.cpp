// The extract command of the main window, driven headless through the real
// extract dialog and the real engine libraries.
#include "TestApplication.h"
#include "app/Application.h"
#include "app/ExtractCommand.h"
#include "app/Mainform.h"
#include "controls/SortableGrid.h"
#include "dialogs/ExtractForm.h"
#include "dialogs/MsgForm.h"
#include "dialogs/RadioGroup.h"
#include "dialogs/StatusForm.h"
#include "platform/Prompts.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

#include "QStringPrinter.h"

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class ExtractCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        savedDirectory = QDir::currentPath();
        script = platform::ScriptedPrompts::install();
        ASSERT_TRUE(dir.isValid());
        root = dir.path() + "/";
        ASSERT_TRUE(QDir(root).mkpath("out"));
        ASSERT_TRUE(QDir(root).mkpath("src"));
        windows = ApplicationWindows::create({});
        extractDialog().setVolumeSource([this] { return QList<platform::Volume>{{root, "temp"}}; });
    }
    void TearDown() override
    {
        windows.reset();
        platform::setPromptHandler(nullptr);
        // A command that moved the process elsewhere would break every later
        // relative path.
        EXPECT_EQ(QDir::currentPath(), savedDirectory);
        QDir::setCurrent(savedDirectory);
    }

    TMainform &form() { return *windows->Mainform; }
    TExtract &extractDialog() { return *windows->Extract; }

    // An archive of the files `members` (each holding its own name), made
    // by the engine; with `dirNames` the members keep their directories.
    QString makeArchive(const QStringList &members, bool dirNames = false)
    {
        TZipEngine engine;
        for (const QString &member : members) {
            const QString path = root + "src/" + member;
            QDir().mkpath(QFileInfo(path).path());
            writeFile(path, member.toUtf8());
            engine.FileSpecs.push_back(path.toStdString());
        }
        if (dirNames)
            engine.AddOptions.insert(AddDirNames);
        const QString archive = root + "archive.zip";
        engine.setZipFilename(archive.toStdString());
        engine.Add();
        EXPECT_EQ(engine.LastResult, int(members.size()));
        return archive;
    }

    void open(const QString &archive)
    {
        script->fileAnswers.push_back(archive);
        form().openArchiveCommand();
    }

    // Runs the command; `choose` sets the dialog up and closes it, if the
    // command shows it at all.
    void extract(const std::function<void(TExtract &)> &choose)
    {
        dialogShown = false;
        QMetaObject::invokeMethod(
            &extractDialog(),
            [this, choose] {
                if (!extractDialog().isVisible())
                    return;
                dialogShown = true;
                choose(extractDialog());
                if (extractDialog().isVisible()) {
                    ADD_FAILURE() << "the extract dialog is still open";
                    extractDialog().done(0);
                }
            },
            Qt::QueuedConnection);
        form().extractCommand();
        QCoreApplication::processEvents();
    }

    // OK on the directory `path` with the given options.
    std::function<void(TExtract &)> okInto(const QString &path, int expand = 0, int overwrite = 1, int files = 0,
                                           bool updateOnly = false)
    {
        return [=](TExtract &d) {
            d.directoryTree->SelectPath(path);
            d.expandDirsGroup->setItemIndex(expand);
            d.overwriteGroup->setItemIndex(overwrite);
            d.filesToExtractGroup->setItemIndex(files);
            d.updateOnlyBox->setChecked(updateOnly);
            d.okClicked();
        };
    }

    QStringList extracted() const
    {
        return QDir(root + "out").entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }

    const platform::PromptRecord &lastShown() const { return script->shown.back(); }

    QString savedDirectory;
    std::shared_ptr<platform::ScriptedPrompts> script;
    QTemporaryDir dir;
    QString root;
    std::unique_ptr<ApplicationWindows> windows;
    bool dialogShown = false;
};

}  // namespace

TEST_F(ExtractCommand, WithoutAnArchiveItReportsTheFileNotFoundAndShowsNoDialog)
{
    extract(okInto(root + "out"));
    EXPECT_FALSE(dialogShown);
    ASSERT_EQ(script->shown.size(), 1u);
    EXPECT_EQ(lastShown().caption, "Warning");
    EXPECT_EQ(lastShown().text, "Error :File not found None");
}

TEST_F(ExtractCommand, AllFilesExtractsEveryMemberWhateverRowIsSelected)
{
    open(makeArchive({"a.txt", "b.txt", "c.txt"}));
    form().listingGrid->setSelection(TGridRect{0, 2, 3, 2});
    extract(okInto(root + "out"));
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(extracted(), (QStringList{"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(fileBytes(root + "out/b.txt"), "b.txt");
    EXPECT_EQ(lastShown().caption, "Information");
    EXPECT_EQ(lastShown().text, "3 file(s) were extracted");
    EXPECT_EQ(windows->F_status->windowTitle(), "Extracting file(s)");
    EXPECT_FALSE(windows->F_status->isVisible());
    EXPECT_TRUE(form().session().engine.FileSpecs.empty());
    EXPECT_EQ(form().session().engine.ExtrOptions, (ExtrOpts{ExtrOverWrite}));
}

TEST_F(ExtractCommand, SelectedFilesExtractsTheSelectedBlockAndLogsTheStartLine)
{
    const QString archive = makeArchive({"a.txt", "b.txt", "c.txt", "d.txt"});
    open(archive);
    form().showLogAction->trigger();
    form().listingGrid->setSelection(TGridRect{0, 2, 3, 3});
    extract(okInto(root + "out", 0, 1, 1));
    EXPECT_EQ(extracted(), (QStringList{"b.txt", "c.txt"}));
    EXPECT_EQ(lastShown().text, "2 file(s) were extracted");
    const QStringList log = windows->Msgform->logLines();
    ASSERT_FALSE(log.isEmpty());
    EXPECT_EQ(log.front(), "Beginning Extract from " + archive + " to " + root + "out/");
}

TEST_F(ExtractCommand, DirectoryNamesAndOverwriteFollowTheDialog)
{
    open(makeArchive({"sub/x.txt"}, true));
    const QString stored = form().listingGrid->Cells(0, 1);
    ASSERT_TRUE(stored.endsWith("src/sub/x.txt")) << stored.toStdString();

    extract(okInto(root + "out", 0));  // "Expand ZIP Dirs" No: the bare name
    EXPECT_EQ(extracted(), QStringList{"x.txt"});

    extract(okInto(root + "out", 1));  // Yes: the stored path below the directory
    EXPECT_EQ(fileBytes(root + "out/" + stored), "sub/x.txt");
    EXPECT_EQ(form().session().engine.ExtrOptions, (ExtrOpts{ExtrDirNames, ExtrOverWrite}));

    writeFile(root + "out/x.txt", "mine");
    extract(okInto(root + "out", 0, 0));  // "OverWrite Existing" No
    EXPECT_EQ(fileBytes(root + "out/x.txt"), "mine");
    EXPECT_EQ(lastShown().text, "0 file(s) were extracted");
    extract(okInto(root + "out", 0, 1));
    EXPECT_EQ(fileBytes(root + "out/x.txt"), "sub/x.txt");

    extract(okInto(root + "out", 0, 1, 0, true));  // "Only Update file(s)"
    EXPECT_EQ(form().session().engine.ExtrOptions, (ExtrOpts{ExtrOverWrite, ExtrUpdate}));
}

TEST_F(ExtractCommand, CancelEndsSilentlyAndNoDirectoryIsRefused)
{
    open(makeArchive({"a.txt"}));
    const size_t before = script->shown.size();
    extract([](TExtract &d) { d.cancelClicked(); });
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(script->shown.size(), before);
    extract([](TExtract &d) { d.close(); });
    EXPECT_EQ(script->shown.size(), before);

    // OK with no directory selected: nothing lands in the current directory.
    ASSERT_TRUE(QDir::setCurrent(root + "src"));
    const QStringList sources = QDir(root + "src").entryList(QDir::Files);
    extract([](TExtract &d) { d.okClicked(); });
    EXPECT_EQ(lastShown().caption, "Warning");
    EXPECT_EQ(lastShown().text, "Error :No directory selected");
    EXPECT_EQ(QDir(root + "src").entryList(QDir::Files), sources);

    // A directory removed after it was chosen is refused too.
    ASSERT_TRUE(QDir(root).mkpath("gone"));
    extract([this](TExtract &d) {
        d.directoryTree->SelectPath(root + "gone");
        QDir(root + "gone").removeRecursively();
        d.okClicked();
    });
    EXPECT_EQ(lastShown().text, "Error :Directory not found " + root + "gone/");
    EXPECT_EQ(QDir(root + "src").entryList(QDir::Files), sources);
    QDir::setCurrent(savedDirectory);
}

TEST_F(ExtractCommand, AnArchiveWithoutMembersHasNothingToExtract)
{
    const QString empty = root + "empty.zip";
    writeFile(empty, QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0'));
    open(empty);
    ASSERT_EQ(form().listingGrid->RowCount(), 1);
    extract(okInto(root + "out"));
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(lastShown().text, "Error :No file(s) to extract");
    EXPECT_TRUE(extracted().isEmpty());
}

TEST_F(ExtractCommand, AFolderRowStandsForEverythingUnderItButIsNoFileToOpen)
{
    for (const QString file : {"d/a.txt", "d/sub/b.txt", "x.txt"}) {
        QDir().mkpath(QFileInfo(root + "src/" + file).path());
        writeFile(root + "src/" + file, file.toUtf8());
    }
    const QString archive = root + "folders.zip";
    {
        TZipEngine engine;
        engine.AddBaseDir = (root + "src").toStdString();
        engine.FileSpecs = {"d/", "x.txt"};
        engine.AddOptions = AddOpts{AddDirNames, AddRecurseDirs};
        engine.setZipFilename(archive.toStdString());
        engine.Add();
        ASSERT_EQ(engine.EntryCount(), 5);   // d/, d/a.txt, d/sub/, d/sub/b.txt, x.txt
    }
    open(archive);
    TSortableGrid &grid = *form().listingGrid;
    auto selectRow = [&grid](const QString &name) {
        for (int row = 1; row < grid.RowCount(); ++row)
            if (grid.Cells(0, row) == name)
                grid.setSelection(TGridRect{0, row, 3, row});
    };
    selectRow("d/");
    extract(okInto(root + "out", 1, 1, 1));
    EXPECT_EQ(lastShown().text, "2 file(s) were extracted");
    EXPECT_TRUE(QFile::exists(root + "out/d/sub/b.txt"));
    EXPECT_FALSE(QFile::exists(root + "out/x.txt"));

    script->shown.clear();
    form().editMemberCommand();
    form().executeMemberCommand();
    ASSERT_EQ(script->shown.size(), 2u);
    EXPECT_EQ(script->shown[0].text, "Error :No file selected");
    EXPECT_EQ(script->shown[1].text, "Error :No file selected");

    script->buttonAnswers.push_back(0);
    form().deleteMembersCommand();
    EXPECT_EQ(script->shown[2].text, "Delete 4 members (the selected folders with everything in them) from: "
                                         + archive + "?");
    ASSERT_EQ(form().session().engine.EntryCount(), 1);
    EXPECT_EQ(form().session().engine.Entries(0).FileName, "x.txt");
}
