// The extract command of the main window, driven headless through the real
// extract dialog and the real engine libraries.
#include "WindowFixture.h"
#include "app/ExtractCommand.h"
#include "dialogs/ExtractForm.h"
#include "dialogs/MsgForm.h"
#include "dialogs/RadioGroup.h"
#include "dialogs/StatusForm.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

namespace {

class ExtractCommand : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(QDir(root).mkpath("out"));
        ASSERT_TRUE(QDir(root).mkpath("src"));
        extractDialog().setVolumeSource([this] { return QList<platform::Volume>{{root + "/", "temp"}}; });
    }

    TExtract &extractDialog() { return *windows->Extract; }

    // An archive of the files `members` (each holding its own name), made
    // by the engine; with `dirNames` the members keep their directories.
    QString makeArchive(const QStringList &members, bool dirNames = false)
    {
        QStringList specs;
        for (const QString &member : members) {
            specs << path("src/" + member);
            writeFile(specs.back(), member.toUtf8());
        }
        return addWithEngine(path("archive.zip"), specs, dirNames ? AddOpts{AddDirNames} : AddOpts{});
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

    // OK on the directory `path` with the given options, straight into it.
    std::function<void(TExtract &)> okInto(const QString &path, int expand = 0, int overwrite = 1, int files = 0,
                                           bool updateOnly = false)
    {
        return [=](TExtract &d) {
            d.directoryTree->SelectPath(path);
            d.intoFolderBox->setChecked(false);
            d.expandDirsGroup->setItemIndex(expand);
            d.overwriteGroup->setItemIndex(overwrite);
            d.filesToExtractGroup->setItemIndex(files);
            d.updateOnlyBox->setChecked(updateOnly);
            d.okClicked();
        };
    }

    QStringList extracted() const
    {
        return QDir(path("out")).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    }

    bool dialogShown = false;
};

}  // namespace

TEST_F(ExtractCommand, WithoutAnArchiveItReportsTheFileNotFoundAndShowsNoDialog)
{
    extract(okInto(path("out")));
    EXPECT_FALSE(dialogShown);
    ASSERT_EQ(script->shown.size(), 1u);
    EXPECT_EQ(lastShown().caption, "Warning");
    EXPECT_EQ(lastShown().text, "Error :File not found None");
}

TEST_F(ExtractCommand, AllFilesExtractsEveryMemberWhateverRowIsSelected)
{
    open(makeArchive({"a.txt", "b.txt", "c.txt"}));
    form().listingGrid->setSelection(TGridRect{0, 2, 3, 2});
    extract(okInto(path("out")));
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(extracted(), (QStringList{"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(readBytes(path("out/b.txt")), "b.txt");
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
    extract(okInto(path("out"), 0, 1, 1));
    EXPECT_EQ(extracted(), (QStringList{"b.txt", "c.txt"}));
    EXPECT_EQ(lastShown().text, "2 file(s) were extracted");
    const QStringList log = windows->Msgform->logLines();
    ASSERT_FALSE(log.isEmpty());
    EXPECT_EQ(log.front(), "Beginning Extract from " + archive + " to " + path("out/"));
}

TEST_F(ExtractCommand, DirectoryNamesAndOverwriteFollowTheDialog)
{
    open(makeArchive({"sub/x.txt"}, true));
    const QString stored = form().listingGrid->Cells(0, 1);
    ASSERT_TRUE(stored.endsWith("src/sub/x.txt")) << stored.toStdString();

    extract(okInto(path("out"), 0));  // "Expand ZIP Dirs" No: the bare name
    EXPECT_EQ(extracted(), QStringList{"x.txt"});

    extract(okInto(path("out"), 1));  // Yes: the stored path below the directory
    EXPECT_EQ(readBytes(path("out/") + stored), "sub/x.txt");
    EXPECT_EQ(form().session().engine.ExtrOptions, (ExtrOpts{ExtrDirNames, ExtrOverWrite}));

    writeFile(path("out/x.txt"), "mine");
    extract(okInto(path("out"), 0, 0));  // "OverWrite Existing" No
    EXPECT_EQ(readBytes(path("out/x.txt")), "mine");
    extract(okInto(path("out"), 0, 1));
    EXPECT_EQ(readBytes(path("out/x.txt")), "sub/x.txt");

    extract(okInto(path("out"), 0, 1, 0, true));  // "Only Update file(s)"
    EXPECT_EQ(form().session().engine.ExtrOptions, (ExtrOpts{ExtrOverWrite, ExtrUpdate}));
}

TEST_F(ExtractCommand, AFreshDialogKeepsFilesTheUserEditedAndTheCountSaysSo)
{
    open(makeArchive({"a.txt", "b.txt", "c.txt"}));
    // As a first run shows it: only the folder is chosen (the members are
    // loose, so they go into a folder named after the archive).
    const auto intoOut = [this](TExtract &d) {
        d.directoryTree->SelectPath(path("out"));
        d.okClicked();
    };
    extract(intoOut);
    EXPECT_EQ(extracted(), QStringList{"archive"});
    writeFile(path("out/archive/a.txt"), "edited");
    writeFile(path("out/archive/b.txt"), "edited");
    QFile::remove(path("out/archive/c.txt"));
    extract(intoOut);
    EXPECT_EQ(readBytes(path("out/archive/a.txt")), "edited");
    EXPECT_EQ(readBytes(path("out/archive/b.txt")), "edited");
    EXPECT_EQ(lastShown().caption, "Information");
    EXPECT_EQ(lastShown().text, "1 file(s) were extracted\n2 existing files were kept; choose OverWrite Existing: "
                                "Yes to replace them.");
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
    ASSERT_TRUE(QDir::setCurrent(path("src")));
    const QStringList sources = QDir(path("src")).entryList(QDir::Files);
    extract([](TExtract &d) { d.okClicked(); });
    EXPECT_EQ(lastShown().caption, "Warning");
    EXPECT_EQ(lastShown().text, "Error :No directory selected");
    EXPECT_EQ(QDir(path("src")).entryList(QDir::Files), sources);

    // A directory removed after it was chosen is refused too.
    ASSERT_TRUE(QDir(root).mkpath("gone"));
    extract([this](TExtract &d) {
        d.directoryTree->SelectPath(path("gone"));
        QDir(path("gone")).removeRecursively();
        d.okClicked();
    });
    EXPECT_EQ(lastShown().text, "Error :Directory not found " + path("gone/"));
    EXPECT_EQ(QDir(path("src")).entryList(QDir::Files), sources);
    QDir::setCurrent(savedDirectory);
}

TEST_F(ExtractCommand, AnArchiveWithoutMembersHasNothingToExtract)
{
    const QString empty = path("empty.zip");
    writeFile(empty, QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0'));
    open(empty);
    ASSERT_EQ(form().listingGrid->RowCount(), 1);
    extract(okInto(path("out")));
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(lastShown().text, "Error :No file(s) to extract");
    EXPECT_TRUE(extracted().isEmpty());
}

TEST_F(ExtractCommand, AFolderRowStandsForEverythingUnderItButIsNoFileToOpen)
{
    for (const QString file : {"d/a.txt", "d/sub/b.txt", "x.txt"}) {
        writeFile(path("src/" + file), file.toUtf8());
    }
    const QString archive = path("folders.zip");
    {
        TZipEngine engine;
        engine.AddBaseDir = path("src").toStdString();
        engine.FileSpecs = {"d/", "x.txt"};
        engine.AddOptions = AddOpts{AddDirNames, AddRecurseDirs};
        engine.setZipFilename(archive.toStdString());
        engine.Add();
        ASSERT_EQ(engine.EntryCount(), 5);  // d/, d/a.txt, d/sub/, d/sub/b.txt, x.txt
    }
    open(archive);
    TSortableGrid &grid = *form().listingGrid;
    auto selectRow = [&grid](const QString &name) {
        for (int row = 1; row < grid.RowCount(); ++row)
            if (grid.Cells(0, row) == name)
                grid.setSelection(TGridRect{0, row, 3, row});
    };
    selectRow("d/");
    extract(okInto(path("out"), 1, 1, 1));
    EXPECT_EQ(lastShown().text, "2 file(s) were extracted");
    EXPECT_TRUE(QFile::exists(path("out/d/sub/b.txt")));
    EXPECT_FALSE(QFile::exists(path("out/x.txt")));

    script->shown.clear();
    form().editMemberCommand();
    form().executeMemberCommand();
    ASSERT_EQ(script->shown.size(), 2u);
    EXPECT_EQ(script->shown[0].text, "Error :No file selected");
    EXPECT_EQ(script->shown[1].text, "Error :No file selected");

    script->buttonAnswers.push_back(0);
    form().deleteMembersCommand();
    EXPECT_EQ(script->shown[2].text,
              "Delete 4 members (the selected folders with everything in them) from: " + archive + "?");
    ASSERT_EQ(form().session().engine.EntryCount(), 1);
    EXPECT_EQ(form().session().engine.Entries(0).FileName, "x.txt");
}

TEST_F(ExtractCommand, ATypedFolderIsMadeOnlyForAnExtractionThatRuns)
{
    const auto typed = [](const QString &folder) {
        return [folder](TExtract &d) {
            d.intoFolderBox->setChecked(false);
            d.targetEdit->clear();
            QTest::keyClicks(d.targetEdit, folder);
            QTest::keyClick(d.targetEdit, Qt::Key_Return);
        };
    };
    // Refused for want of members: nothing made.
    const QString empty = path("empty.zip");
    writeFile(empty, QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0'));
    open(empty);
    extract(typed(path("new/deeper")));
    EXPECT_EQ(lastShown().text, "Error :No file(s) to extract");
    EXPECT_FALSE(QFileInfo::exists(path("new")));

    open(makeArchive({"a.txt", "b.txt"}));
    extract(typed(path("new/deeper")));
    EXPECT_EQ(readBytes(path("new/deeper/b.txt")), "b.txt");

    // A file in the way of the folder: said, nothing extracted.
    writeFile(path("file"), "x");
    extract([&](TExtract &d) {
        typed(path("file/sub"))(d);
        EXPECT_EQ(lastShown().text,
                  path("file") + " is a file, not a folder: nothing can be extracted into " + path("file/sub/"));
        d.cancelClicked();
    });
}

TEST_F(ExtractCommand, IntoAFolderNamedAfterTheArchiveTakenByAFileGetsANumber)
{
    const QString archive = makeArchive({"a.txt"});
    const QString photos = path("photos.tar.zip");
    ASSERT_TRUE(QFile::rename(archive, photos));
    open(photos);
    writeFile(path("out/photos.tar"), "a file, not a folder");
    writeFile(path("out/photos"), "a file too");
    extract([this](TExtract &d) {
        EXPECT_TRUE(d.intoFolderBox->isChecked());  // the member lies at the top
        d.directoryTree->SelectPath(path("out"));
        d.okClicked();
    });
    EXPECT_EQ(readBytes(path("out/photos (2)/a.txt")), "a.txt");
    EXPECT_EQ(lastShown().text, "1 file(s) were extracted");
}

TEST_F(ExtractCommand, SelectedFilesComesUpForTwoSelectedRowsAndNotForTheNextArchive)
{
    open(makeArchive({"a.txt", "b.txt", "c.txt"}));
    selectRows(1, 2);
    const auto asShown = [this](TExtract &d) {
        d.directoryTree->SelectPath(path("out"));
        d.intoFolderBox->setChecked(false);
        d.okClicked();
    };
    extract(asShown);
    EXPECT_EQ(extracted(), (QStringList{"a.txt", "b.txt"}));

    QDir(path("out")).removeRecursively();
    QDir(root).mkpath("out");
    QFile::remove(path("archive.zip"));
    open(makeArchive({"c.txt", "d.txt"}));
    selectRows(1, 1);
    extract(asShown);
    EXPECT_EQ(extracted(), (QStringList{"c.txt", "d.txt"}));
}
