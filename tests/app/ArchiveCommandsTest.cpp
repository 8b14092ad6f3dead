// The archive commands of the main window, driven headless with scripted
// prompts, against the real engine libraries.
#include "WindowFixture.h"
#include "app/OperationFrame.h"
#include "controls/GradCaption.h"
#include "dialogs/AboutForm.h"
#include "dialogs/ExtractForm.h"
#include "dialogs/MsgForm.h"
#include "dialogs/ProgressBarModel.h"
#include "dialogs/ProgressDisplay.h"
#include "dialogs/StatusForm.h"
#include "engine/ArchiveLock.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <algorithm>
#include <fstream>
#include <functional>

#include <random>

using platform::IconKind;

namespace {

// Turns an event loop until `done`, a bounded number of turns instead of a clock.
// The turns taken while `waiting` (an operation's worker still running) do
// not count: a slow machine takes more of them, not the program.
int execBounded(const std::function<bool()> &waiting)
{
    int turns = 0;
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [&turns, &waiting] {
        if (waiting())
            return;
        if (++turns > 1000)
            QCoreApplication::exit(99);
    });
    guard.start(0);
    return QApplication::exec();
}

class ArchiveCommands : public WindowTest {
protected:
    std::function<bool()> operationRunning()
    {
        return [this] { return form().session().operationRunning(); };
    }
    // An archive with members a.txt ... made by the engine itself.
    QString makeArchive(const QString &name, const QStringList &members, int size = 100)
    {
        QStringList specs;
        for (const QString &member : members) {
            specs << path(member);
            writeFile(specs.back(), QByteArray(size, 'x'));
        }
        return addWithEngine(path(name), specs);
    }

    std::vector<QString> names() { return column(0); }
};

}  // namespace

TEST_F(ArchiveCommands, NewArchiveAppendsZipUnlessTheNameHasIt)
{
    const struct {
        const char *typed;
        const char *expected;
    } cases[] = {{"Report", "Report.zip"}, {"BACKUP.ZIP", "BACKUP.ZIP"}, {"old.zipped", "old.zipped"}};
    for (const auto &c : cases) {
        script->fileAnswers.push_back(dir.filePath(c.typed));
        form().newArchiveFromToolbar();
        EXPECT_EQ(form().statusPanelText(1), dir.filePath(c.expected));
        EXPECT_EQ(form().session().engine.ZipFilename(), dir.filePath(c.expected).toStdString());
    }
    const platform::PromptRecord &dialog = script->shown.front();
    EXPECT_EQ(dialog.kind, platform::PromptRecord::Kind::OpenFile);
    EXPECT_EQ(dialog.caption, "Create New ZIP File");
    EXPECT_EQ(script->shown.size(), 3u);                      // no question: none of them existed
    EXPECT_FALSE(QFile::exists(dir.filePath("Report.zip")));  // the first add creates it
}

TEST_F(ArchiveCommands, NewArchiveOverAnExistingFileAsksFirst)
{
    const QString archive = makeArchive("old.zip", {"a.txt", "b.txt"});
    open(archive);
    ASSERT_EQ(grid().RowCount(), 3);

    script->fileAnswers.push_back(archive);
    script->buttonAnswers.push_back(1);  // No
    form().newArchiveFromToolbar();
    EXPECT_EQ(lastShown().caption, "Confirm");
    EXPECT_EQ(lastShown().text, "Overwrite Existing File: " + archive + "?");
    EXPECT_EQ(lastShown().defaultButton, 1);  // Enter, Enter must not delete the archive
    EXPECT_TRUE(QFile::exists(archive));
    EXPECT_EQ(grid().RowCount(), 3);

    script->fileAnswers.push_back(archive);
    script->buttonAnswers.push_back(0);  // Yes
    form().newArchiveFromToolbar();
    EXPECT_FALSE(QFile::exists(archive));
    EXPECT_EQ(grid().RowCount(), 2);
    EXPECT_EQ(grid().FixedRows(), 1);
    EXPECT_EQ(grid().Cells(0, 0), "File Name");
    EXPECT_EQ(grid().Cells(0, 1), "");
}

TEST_F(ArchiveCommands, NewArchiveEmptiesTheGridAndJoinsTheRecentListOnceItExists)
{
    const QString archive = makeArchive("a.zip", {"a.txt"});
    open(archive);
    script->fileAnswers.push_back(dir.filePath("fresh"));
    form().newArchiveFromMenu();
    const std::vector<QString> listed = names();
    EXPECT_EQ(std::count(listed.begin(), listed.end(), "a.txt"), 0);
    EXPECT_EQ(form().statusPanelText(1), dir.filePath("fresh.zip"));
    auto recent = [this] {
        QStringList texts;
        for (QAction *action : form().recentArchiveActions())
            texts << action->text();
        return texts.join('|');
    };
    EXPECT_FALSE(recent().contains("fresh.zip"));
    writeFile(path("src/n.txt"), "n");
    engine().AddBaseDir = QFile::encodeName(path("src")).toStdString();
    engine().FileSpecs = {"n.txt"};
    engine().Add();
    EXPECT_TRUE(recent().startsWith("&1 " + dir.filePath("fresh.zip"))) << recent().toStdString();

    // Toolbar new after delete archive (the grid is down to its title row).
    open(archive);
    script->buttonAnswers.push_back(0);
    form().deleteArchiveCommand();
    ASSERT_EQ(grid().RowCount(), 1);
    script->fileAnswers.push_back(dir.filePath("fresher"));
    form().newArchiveFromToolbar();
    EXPECT_EQ(grid().RowCount(), 2);
    EXPECT_EQ(grid().FixedRows(), 1);
    EXPECT_EQ(grid().Cells(3, 0), "Date/Time");
    EXPECT_EQ(grid().ColWidths(1), 84);
}

// A part alone is useless: deleting the archive takes the whole set, and
// the question says so first.
TEST_F(ArchiveCommands, DeleteArchiveOfASplitSetNamesAndDeletesEveryPart)
{
    QFile wholeFile(makeArchive("whole.zip", {"x.txt", "y.txt"}));
    ASSERT_TRUE(wholeFile.open(QIODevice::ReadOnly));
    const QByteArray whole = wholeFile.readAll();
    const QString first = path("set.zip.001"), second = path("set.zip.002");
    writeFile(first, whole.left(whole.size() / 2));
    writeFile(second, whole.mid(whole.size() / 2));
    open(second);
    ASSERT_EQ(names(), (std::vector<QString>{"x.txt", "y.txt"}));
    form().deleteArchiveCommand();  // unanswered question: no
    EXPECT_EQ(lastShown().text, "Move " + second
                                    + " to the Trash?\nIt is one part of a split archive; its other part goes too: "
                                      "set.zip.001");
    EXPECT_EQ(lastShown().defaultButton, 1);
    EXPECT_TRUE(QFile::exists(first) && QFile::exists(second));
    script->buttonAnswers.push_back(0);
    form().deleteArchiveCommand();
    EXPECT_FALSE(QFile::exists(first) || QFile::exists(second));
    EXPECT_TRUE(QFile::exists(path("whole.zip")));
}

// The writer makes one file, so a split set is read-only like the other
// formats: the panel says why and nothing that writes is on or runs.
TEST_F(ArchiveCommands, ASplitSetIsReadOnly)
{
    QFile wholeFile(makeArchive("whole.zip", {"x.txt", "y.txt"}));
    ASSERT_TRUE(wholeFile.open(QIODevice::ReadOnly));
    const QByteArray whole = wholeFile.readAll();
    writeFile(path("set.zip.001"), whole.left(whole.size() / 2));
    writeFile(path("set.zip.002"), whole.mid(whole.size() / 2));
    open(path("set.zip.002"));
    auto *panel = form().findChild<QLabel *>(QStringLiteral("archiveStatePanel"));
    EXPECT_EQ(panel->text(), "Read-only: split over 2 files");
    EXPECT_FALSE(panel->isHidden());
    for (const char *name : {"addAction", "deleteMembersAction"})
        EXPECT_FALSE(form().menuAction(QString::fromLatin1(name))->isEnabled()) << name;
    EXPECT_TRUE(form().menuAction(QStringLiteral("extractAction"))->isEnabled());
    EXPECT_FALSE(form().toolButton(QStringLiteral("deleteMembersButton"))->isEnabled());

    script->buttonAnswers.push_back(0);
    form().deleteMembersCommand();
    EXPECT_EQ(names(), (std::vector<QString>{"x.txt", "y.txt"}));
    QFile first(path("set.zip.001"));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll(), whole.left(whole.size() / 2));
}

TEST_F(ArchiveCommands, DeleteArchiveMovesItToTheTrashAndDeletesForGoodOnlyWhenToldThereIsNone)
{
    // A home of the test's own, on the archive's file system: the Trash used
    // is then the one under XDG_DATA_HOME.
    const QByteArray savedHome = qgetenv("HOME"), savedData = qgetenv("XDG_DATA_HOME");
    qputenv("HOME", QFile::encodeName(root));
    qputenv("XDG_DATA_HOME", QFile::encodeName(path("data")));
    const QString archive = makeArchive("a.zip", {"a.txt"});
    const QByteArray bytes = readBytes(archive);
    open(archive);
    script->buttonAnswers = {0};
    form().deleteArchiveCommand();
    EXPECT_FALSE(QFile::exists(archive));
    EXPECT_EQ(readBytes(path("data/Trash/files/a.zip")), bytes);
    EXPECT_EQ(form().statusPanelText(1), "<none>");

    // No Trash can be made: the user is told, and only a yes deletes.
    writeFile(path("no-data"), "");
    qputenv("XDG_DATA_HOME", QFile::encodeName(path("no-data")));
    for (const int answer : {1, 0}) {
        makeArchive("a.zip", {"a.txt"});
        open(archive);
        script->buttonAnswers = {0, answer};
        form().deleteArchiveCommand();
        EXPECT_TRUE(lastShown().text.startsWith(archive + " cannot be moved to the Trash ("))
            << lastShown().text.toStdString();
        EXPECT_TRUE(lastShown().text.endsWith("). Delete it for good?")) << lastShown().text.toStdString();
        EXPECT_EQ(QFile::exists(archive), answer == 1);
    }
    qputenv("HOME", savedHome);
    qputenv("XDG_DATA_HOME", savedData);
}

TEST_F(ArchiveCommands, OpenCancelledChangesNothingAndOpenReadsTheArchive)
{
    form().openArchiveCommand();  // no answer queued: cancelled
    EXPECT_EQ(form().statusPanelText(1), "None");
    const QString archive = makeArchive("a.zip", {"x.txt", "y.txt"});
    open(archive);
    EXPECT_EQ(script->shown.back().caption, "Open Existing ZIP File");
    EXPECT_EQ(names(), (std::vector<QString>{"x.txt", "y.txt"}));
    EXPECT_EQ(form().statusPanelText(1), archive);
}

TEST_F(ArchiveCommands, DeleteArchiveTwiceReportsTheSecondAsNotFound)
{
    form().deleteArchiveCommand();
    EXPECT_EQ(lastShown().caption, "Warning");
    EXPECT_EQ(lastShown().icon, IconKind::Warning);
    EXPECT_EQ(lastShown().text, "Zipfile not found: None");

    const QString archive = makeArchive("a.zip", {"a.txt"});
    open(archive);
    form().deleteArchiveCommand();  // unanswered question: no
    EXPECT_EQ(lastShown().text, "Move " + archive + " to the Trash?");
    EXPECT_EQ(lastShown().defaultButton, 1);
    EXPECT_TRUE(QFile::exists(archive));
    script->buttonAnswers.push_back(0);
    form().menuAction("deleteArchiveAction")->trigger();
    EXPECT_FALSE(QFile::exists(archive));
    EXPECT_EQ(form().statusPanelText(1), "<none>");
    EXPECT_EQ(grid().RowCount(), 1);
    form().deleteArchiveCommand();
    EXPECT_EQ(lastShown().text, "Zipfile not found: <none>");

    // The grid is down to its title row: nothing to delete.
    form().deleteMembersCommand();
    EXPECT_EQ(lastShown().text, "Error :No file(s) to delete");

    // No archive is current any more: an add must not bring the deleted one back.
    form().addCommand();
    EXPECT_EQ(lastShown().text, "You must create a new zipfile or open a zipfile first!");
    EXPECT_TRUE(form().session().engine.ZipFilename().empty());
    EXPECT_FALSE(QFile::exists(archive));
}

TEST_F(ArchiveCommands, WithNoArchiveCurrentAFileNamedLikeTheCaptionIsNotTakenForIt)
{
    // The status bar's "None" and "<none>" are no paths: a file of that name
    // in the current directory is neither deleted nor extracted from.
    struct BackHome {
        QString saved = QDir::currentPath();
        ~BackHome() { QDir::setCurrent(saved); }
    } backHome;
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    const QString archive = makeArchive("a.zip", {"a.txt"});
    const struct {
        const char *state;
        std::function<void()> reach;
        QString caption;
    } cases[] = {
        {"before any archive", [] {}, "None"},
        {"after delete archive",
         [&] {
             open(archive);
             script->buttonAnswers.push_back(0);
             form().deleteArchiveCommand();
         },
         "<none>"},
    };
    for (const auto &c : cases) {
        c.reach();
        ASSERT_EQ(form().statusPanelText(1), c.caption) << c.state;
        EXPECT_FALSE(form().session().hasArchive()) << c.state;
        const QString lookalike = dir.filePath(c.caption);
        std::ofstream(lookalike.toStdString()) << "not an archive";
        script->buttonAnswers.push_back(0);  // should the question come: yes
        form().deleteArchiveCommand();
        EXPECT_EQ(lastShown().text, "Zipfile not found: " + c.caption) << c.state;
        EXPECT_TRUE(QFile::exists(lookalike)) << c.state;
        script->buttonAnswers.clear();
        // Should the dialog come, it is closed at once.
        TExtract &extractDialog = *windows->Extract;
        QMetaObject::invokeMethod(
            &extractDialog,
            [&extractDialog] {
                if (extractDialog.isVisible())
                    extractDialog.done(0);
            },
            Qt::QueuedConnection);
        form().extractCommand();
        EXPECT_EQ(lastShown().text, "Error :File not found " + c.caption) << c.state;
    }
}

namespace {

// Runs `beforeAnswer` when a question is asked, to change the disk under it.
struct MeddlingPrompts : platform::ScriptedPrompts {
    std::function<void()> beforeAnswer;
    int messageBox(QWidget *parent, const QString &caption, const QString &text, IconKind icon,
                   const QStringList &buttons, int defaultButton) override
    {
        if (buttons.size() > 1 && beforeAnswer)
            beforeAnswer();
        return ScriptedPrompts::messageBox(parent, caption, text, icon, buttons, defaultButton);
    }
};

}  // namespace

TEST_F(ArchiveCommands, AFileThatCannotBeDeletedIsReportedAndTheArchiveStaysCurrent)
{
    auto meddling = std::make_shared<MeddlingPrompts>();
    platform::setPromptHandler(meddling);
    script = meddling;
    const QString archive = makeArchive("a.zip", {"a.txt"});
    open(archive);
    const QString blocked = dir.filePath("blocked.zip");  // a folder: unlink(2) refuses it, even for root
    ASSERT_TRUE(QDir().mkpath(blocked + "/inside"));

    const struct {
        const char *what;
        std::function<void()> command;
        std::function<void()> beforeAnswer;
        QString undeletable;
    } cases[] = {
        {"new archive over it",
         [&] {
             script->fileAnswers.push_back(blocked);
             form().newArchiveFromToolbar();
         },
         {},
         blocked},
        {"delete archive where there is no Trash",
         [&] {
             const QByteArray savedData = qgetenv("XDG_DATA_HOME");
             writeFile(path("no-data"), "");
             qputenv("XDG_DATA_HOME", QFile::encodeName(path("no-data")));
             script->buttonAnswers.push_back(0);  // delete it for good
             form().deleteArchiveCommand();
             qputenv("XDG_DATA_HOME", savedData);
         },
         [&] {
             QFile::rename(archive, archive + ".away");
             QDir().mkpath(archive + "/inside");
         },
         archive},
    };
    for (const auto &c : cases) {
        meddling->beforeAnswer = c.beforeAnswer;
        script->buttonAnswers.push_back(0);
        c.command();
        EXPECT_EQ(lastShown().caption, "Warning") << c.what;
        EXPECT_EQ(lastShown().text, "Cannot delete " + c.undeletable + ": Is a directory") << c.what;
        EXPECT_EQ(form().statusPanelText(1), archive) << c.what;
        EXPECT_EQ(form().session().engine.ZipFilename(), archive.toStdString()) << c.what;
        EXPECT_EQ(names(), std::vector<QString>{"a.txt"}) << c.what;
    }
}

TEST_F(ArchiveCommands, AnArchiveThatFailsToReadIsNotShownWithAnotherArchivesMembers)
{
    open(makeArchive("a.zip", {"a.txt", "b.txt"}));
    const QString notZip = dir.filePath("notes.zip");
    std::ofstream(notZip.toStdString()) << "just text, no archive";
    open(notZip);
    EXPECT_EQ(lastShown().icon, IconKind::Stop);
    EXPECT_EQ(form().statusPanelText(1), notZip);
    EXPECT_EQ(grid().RowCount(), 1);  // the title row alone: nothing was read
}

TEST_F(ArchiveCommands, ARelativeCommandLineArchiveSurvivesAnExtraction)
{
    const QString saved = QDir::currentPath();
    makeArchive("a.zip", {"a.txt", "b.txt"});
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    windows = ApplicationWindows::create({"a.zip"});
    form().applyCommandLineArchive();
    const QString archive = dir.filePath("a.zip");
    EXPECT_EQ(form().statusPanelText(1), archive);

    ASSERT_TRUE(QDir().mkpath(dir.filePath("out")));
    form().session().engine.ExtrBaseDir = dir.filePath("out").toStdString();
    form().session().engine.Extract();
    EXPECT_EQ(QDir::currentPath(), dir.path());
    EXPECT_TRUE(QFile::exists(dir.filePath("out/a.txt")));

    grid().setSelection(TGridRect{0, 2, 3, 2});
    script->buttonAnswers.push_back(0);
    form().deleteMembersCommand();
    EXPECT_EQ(lastShown().text, "1 file(s) were Deleted");
    EXPECT_EQ(names(), std::vector<QString>{"a.txt"});
    QDir::setCurrent(saved);
}

TEST_F(ArchiveCommands, ClosingTheMainWindowInAnyWayEndsTheProgram)
{
    const struct {
        const char *way;
        std::function<void()> close;
    } ways[] = {
        {"toolbar", [&] { form().toolButton("quitButton")->click(); }},
        {"menu", [&] { form().menuAction("exitAction")->trigger(); }},
        {"caption bar", [&] { form().captionBar->findChild<QToolButton *>("closeButton")->click(); }},
        {"window manager", [&] { QCoreApplication::postEvent(form().windowHandle(), new QCloseEvent); }},
    };
    for (const auto &w : ways) {
        form().show();
        windows->Msgform->show();  // as after an operation with the log shown
        QTimer::singleShot(0, &form(), w.close);
        EXPECT_EQ(execBounded(operationRunning()), 0) << w.way;
        EXPECT_FALSE(form().isVisible()) << w.way;
        EXPECT_FALSE(windows->Msgform->isVisible()) << w.way;
    }
}

TEST_F(ArchiveCommands, DeleteMembersTakesTheSelectedBlockInDisplayOrder)
{
    const QString archive = makeArchive("a.zip", {"a.txt", "b.txt", "c.txt", "d.txt"});
    open(archive);
    TSortOptions descending;
    descending.Order = soDescending;
    grid().SortColumn(0, descending);
    ASSERT_EQ(names(), (std::vector<QString>{"d.txt", "c.txt", "b.txt", "a.txt"}));
    grid().setSelection(TGridRect{0, 2, 3, 3});  // c.txt and b.txt

    script->buttonAnswers.push_back(0);
    form().deleteMembersCommand();
    EXPECT_EQ(lastShown().text, "2 file(s) were Deleted");
    EXPECT_EQ(lastShown().caption, "Information");
    EXPECT_EQ(lastShown().icon, IconKind::Information);
    EXPECT_EQ(names(), (std::vector<QString>{"a.txt", "d.txt"}));
    EXPECT_FALSE(windows->F_status->isVisible());
    EXPECT_EQ(windows->F_status->windowTitle(), "Deleting file(s)");
}

TEST_F(ArchiveCommands, ConfirmationTextNamesTheArchiveAndNoKeepsIt)
{
    const QString archive = makeArchive("a.zip", {"a.txt"});
    open(archive);
    const QByteArray before = readBytes(archive);
    script->buttonAnswers.push_back(1);
    form().deleteMembersCommand();
    EXPECT_EQ(lastShown().text, "Delete selected files from: " + archive + "?\n1 member is selected.");
    EXPECT_EQ(readBytes(archive), before);
}

TEST_F(ArchiveCommands, RefusedOperationCountsZeroAndTheComponentSpeaksPlainly)
{
    // The blank row of a new archive, chosen: one empty name, and the
    // archive does not exist yet, so the component refuses.
    const QString archive = makeArchive("a.zip", {"a.txt"});
    open(archive);  // a previous operation's count must not show through
    script->fileAnswers.push_back(dir.filePath("new"));
    form().newArchiveFromToolbar();
    selectRows(1, 1);
    script->buttonAnswers.push_back(0);
    form().deleteMembersCommand();
    ASSERT_GE(script->shown.size(), 3u);
    const auto &notice = script->shown[script->shown.size() - 2];
    EXPECT_EQ(notice.caption, "Tolvane Orvex '97");
    EXPECT_EQ(notice.icon, IconKind::None);
    EXPECT_EQ(notice.text, "Error - no zip file specified");
    EXPECT_EQ(lastShown().text, "0 file(s) were Deleted");
    // A count after a refusal must not look like success.
    EXPECT_EQ(lastShown().icon, IconKind::Warning);
}

TEST_F(ArchiveCommands, ADeleteWhileAnotherProgramChangesTheArchiveIsRefusedWithAWarning)
{
    const QString archive = makeArchive("a.zip", {"a.txt", "b.txt"});
    open(archive);
    const QByteArray before = readBytes(archive);
    orvex::ArchiveLock otherWriter;
    ASSERT_EQ(otherWriter.lock(archive.toStdString(), false), orvex::ArchiveLock::Locked);
    grid().setSelection(TGridRect{0, 1, 3, 1});
    script->buttonAnswers.push_back(0);
    form().deleteMembersCommand();
    ASSERT_GE(script->shown.size(), 3u);
    const auto &notice = script->shown[script->shown.size() - 2];
    EXPECT_EQ(notice.text, "The archive is being changed by another program");
    EXPECT_EQ(notice.icon, IconKind::Warning);
    EXPECT_EQ(lastShown().text, "0 file(s) were Deleted");
    EXPECT_EQ(lastShown().icon, IconKind::Warning);
    EXPECT_EQ(readBytes(archive), before);
    EXPECT_EQ(names(), (std::vector<QString>{"a.txt", "b.txt"}));
}

TEST_F(ArchiveCommands, MessageWindowLogsWhenShowMsgIsChecked)
{
    const QString archive = makeArchive("a.zip", {"a.txt", "b.txt"});
    open(archive);
    form().showLogAction->trigger();
    ASSERT_TRUE(form().showLogAction->isChecked());
    windows->Msgform->appendLine("left over");
    script->buttonAnswers.push_back(0);
    form().deleteMembersCommand();
    const QStringList log = windows->Msgform->logLines();
    ASSERT_FALSE(log.isEmpty());
    EXPECT_EQ(log.front(), "Beginning delete from " + archive);
    EXPECT_FALSE(log.contains("left over"));
    EXPECT_TRUE(windows->Msgform->isVisible());  // the user dismisses it
    EXPECT_FALSE(windows->F_status->isVisible());
    windows->Msgform->dismissButton->click();
    EXPECT_FALSE(windows->Msgform->isVisible());
}

TEST_F(ArchiveCommands, EngineErrorsAreShownAndOnlyLoggedWithTheLog)
{
    form().session().engine.OnMessage(form().session().engine, 3, "cannot read x");
    EXPECT_EQ(lastShown().text, "Error message from DLL: cannot read x");
    const size_t shown = script->shown.size();
    form().session().engine.OnMessage(form().session().engine, 0, "just so you know");
    EXPECT_EQ(script->shown.size(), shown);
    EXPECT_FALSE(windows->Msgform->logLines().contains("just so you know"));
}

TEST_F(ArchiveCommands, AboutBoxIsModalAndClosesWithEnter)
{
    TF_About &about = *windows->F_About;
    QMetaObject::invokeMethod(
        &about, [&about] { QTest::keyClick(&about, Qt::Key_Return); }, Qt::QueuedConnection);
    form().aboutCommand();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(about.size(), QSize(435, 144));
    EXPECT_TRUE(about.productLabel->text().contains("Orvex 97"));
    // Its edition is the version that --version prints.
    EXPECT_TRUE(about.productLabel->text().endsWith(QStringLiteral(" ") + ORVEX_VERSION))
        << about.productLabel->text().toStdString() << " against " << ORVEX_VERSION;
    EXPECT_TRUE(about.makerLabel->text().contains("Tolvane"));
}

TEST_F(ArchiveCommands, CancelDuringADeleteLeavesTheArchiveAsItWas)
{
    // Members that do not compress, large enough that the window's loop
    // turns before the library has copied them, however the threads are
    // scheduled.
    QStringList specs;
    QRandomGenerator noise(7);
    for (const char *name : {"a.txt", "b.txt", "c.txt"}) {
        QByteArray bytes(2 << 20, '\0');
        noise.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
        specs << path(QString::fromLatin1(name));
        writeFile(specs.back(), bytes);
    }
    const QString archive = addWithEngine(path("a.zip"), specs);
    open(archive);
    const QByteArray before = readBytes(archive);
    grid().setSelection(TGridRect{0, 1, 3, 3});
    script->buttonAnswers.push_back(0);
    // Pressed while the library works: the first progress report lets it through.
    QMetaObject::invokeMethod(windows->F_status->cancelButton, "click", Qt::QueuedConnection);
    form().deleteMembersCommand();
    EXPECT_EQ(readBytes(archive), before);
    EXPECT_EQ(lastShown().text, "0 file(s) were Deleted");
    EXPECT_EQ(names(), (std::vector<QString>{"a.txt", "b.txt", "c.txt"}));
}

TEST_F(ArchiveCommands, CancelStopsAnExtractionToo)
{
    const QString archive = makeArchive("big.zip", {"one.bin", "two.bin", "three.bin"}, 3 << 20);
    QTemporaryDir target;
    TZipEngine &engine = form().session().engine;
    engine.setZipFilename(archive.toStdString());
    OperationFrame frame(&form(), engine, *windows->Msgform, *windows->F_status, [] { return false; });
    windows->F_status->OnCancelRequest = [&frame] { return frame.requestCancel(); };
    QMetaObject::invokeMethod(windows->F_status->cancelButton, "click", Qt::QueuedConnection);
    frame.run({"Extracting file(s)", "Beginning Extract from", "Error in Extract; Fatal DLL Exception",
               " file(s) were extracted"},
              [&](orvex::ComponentEvents &events) {
                  engine.ExtrBaseDir = target.path().toStdString();
                  engine.Extract(engine.extractRequest(), events);
              });
    EXPECT_LT(engine.LastResult, 3);
    EXPECT_EQ(lastShown().text, QString::number(engine.LastResult) + " file(s) were extracted");
    EXPECT_FALSE(QFile::exists(target.filePath("three.bin")));
}

TEST_F(ArchiveCommands, CancelWithNothingRunningHidesTheWindow)
{
    windows->F_status->show();
    windows->F_status->cancelButton->click();
    EXPECT_FALSE(windows->F_status->isVisible());
    windows->Msgform->show();
    windows->Msgform->cancelButton->click();
    EXPECT_FALSE(windows->Msgform->isVisible());
}

TEST_F(ArchiveCommands, EscapeInTheStatusWindowCancelsAndInTheMessageWindowHidesIt)
{
    const QString archive = makeArchive("a.zip", {"a.txt", "b.txt", "c.txt"});
    open(archive);
    const QByteArray before = readBytes(archive);
    grid().setSelection(TGridRect{0, 1, 3, 3});
    script->buttonAnswers.push_back(0);
    QMetaObject::invokeMethod(
        windows->F_status.get(), [this] { QTest::keyClick(windows->F_status.get(), Qt::Key_Escape); },
        Qt::QueuedConnection);
    form().deleteMembersCommand();
    EXPECT_EQ(readBytes(archive), before);
    EXPECT_EQ(lastShown().text, "0 file(s) were Deleted");

    windows->F_status->show();
    QTest::keyClick(windows->F_status.get(), Qt::Key_Escape);
    EXPECT_FALSE(windows->F_status->isVisible());
    windows->Msgform->show();
    QTest::keyClick(windows->Msgform->logView, Qt::Key_Escape);
    EXPECT_FALSE(windows->Msgform->isVisible());
}

TEST_F(ArchiveCommands, TheStatusWindowStandsOverItsMainWindowAndEndsEmpty)
{
    form().move(40, 30);
    form().show();
    OperationFrame &frame = form().session().operationFrame();
    TF_status &status = *windows->F_status;
    QString labelAtTheBox;
    int barAtTheBox = -1;
    frame.run(
        {"Adding file(s)", "Beginning Add to x", "Fatal", " files were added"},
        [](orvex::ComponentEvents &events) {
            events.progress(FileBegin, "big.bin", 100000);
            events.progress(FileStep, "", 0);
            events.readProgress(11, 5, 10);  // the re-read after the change
        },
        [&] {
            labelAtTheBox = status.fileLabel->text();
            barAtTheBox = status.progressBar->value();
            return QStringLiteral("done");
        });
    // Within the frames' margins, which the window gets only once shown.
    const QPoint offCentre = status.frameGeometry().center() - form().frameGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 8) << offCentre.x() << "," << offCentre.y();
    EXPECT_EQ(labelAtTheBox, "File:");
    EXPECT_EQ(barAtTheBox, 0);
}

TEST(StatusWindowPlace, CentredOverTheWindowAndKeptOnTheScreen)
{
    const QRect screen(0, 0, 1000, 800);
    const QSize size(240, 110);
    const struct {
        QRect over;
        QPoint place;
    } cases[] = {
        {{100, 100, 400, 300}, {180, 195}},  // centred
        {{-300, 50, 400, 300}, {0, 145}},    // the main window partly off the left edge
        {{800, 700, 400, 300}, {760, 690}},  // past the bottom right corner
    };
    for (const auto &c : cases)
        EXPECT_EQ(centredPlace(size, c.over, screen), c.place) << c.over.x();
}

TEST(ProgressBar, ShowsTheStepsDoneOnePer32KiB)
{
    ensureApplication();
    QLabel label;
    QProgressBar shown;
    ProgressDisplay display(&label, &shown);
    ProgressBarModel &bar = display.model();
    // Each file: its size, its steps (one per full 32 KiB, as the engines
    // report them) and the bar's percentages at its start and after each step.
    const struct {
        int32_t size;
        uint16_t maximum;
        std::vector<int> percents;
    } cases[] = {
        {0, 1, {0}},
        {1000, 1, {0}},
        {32768, 1, {0, 100}},
        {65536, 2, {0, 50, 100}},
        {100000, 3, {0, 33, 66, 100}},
        {INT32_MAX, 65535, {0, 0}},
    };
    const auto percent = [&shown] {
        return int(100LL * (shown.value() - shown.minimum()) / (shown.maximum() - shown.minimum()));
    };
    for (const auto &c : cases) {
        bar.beginFile(c.size);
        display.update();
        EXPECT_EQ(bar.maximum, c.maximum) << c.size;
        EXPECT_EQ(percent(), c.percents[0]) << c.size;
        for (size_t i = 1; i < c.percents.size(); ++i) {
            bar.fileStep();
            display.update();
            EXPECT_EQ(percent(), c.percents[i]) << c.size << " step " << i;
        }
    }
    bar.beginFile(100000);
    for (int i = 0; i < 4; ++i)
        bar.fileStep();  // the last one finds the bar full already
    display.update();
    EXPECT_EQ(percent(), 100);
    bar.reset();  // the batch ended
    display.update();
    EXPECT_EQ(percent(), 0);
}

TEST_F(ArchiveCommands, ProgressReportsDriveTheSelectedWindow)
{
    TZipEngine &engine = form().session().engine;
    engine.OnProgress(engine, FileBegin, "big.bin", 100000);
    EXPECT_EQ(windows->F_status->fileLabel->text(), "File: big.bin");
    EXPECT_EQ(windows->F_status->progress().model().maximum, 3);
    engine.OnProgress(engine, FileStep, " ", 0);
    EXPECT_EQ(windows->F_status->progressBar->value(), 1);
    engine.OnProgress(engine, BatchEnd, " ", 0);
    EXPECT_EQ(windows->F_status->fileLabel->text(), "File: ");
    form().showLogAction->trigger();
    engine.OnProgress(engine, FileBegin, "other", 10);
    EXPECT_EQ(windows->Msgform->fileLabel->text(), "File: other");
    EXPECT_EQ(windows->F_status->fileLabel->text(), "File: ");
}

#include "dialogs/AddForm.h"
#include "dialogs/ExtractForm.h"

namespace {

std::vector<QString> shownTexts(const platform::ScriptedPrompts &script)
{
    std::vector<QString> texts;
    for (const auto &record : script.shown)
        texts.push_back(record.text);
    return texts;
}

}  // namespace

TEST_F(ArchiveCommands, ASecondCommandDuringAnOperationDoesNothing)
{
    const QString other = makeArchive("other.zip", {"x.txt"});
    const QByteArray otherBefore = readBytes(other);
    const struct {
        const char *command;
        std::function<void()> start;
    } commands[] = {
        {"open",
         [&] {
             script->fileAnswers.push_back(other);
             form().openArchiveCommand();
         }},
        {"menu open",
         [&] {
             script->fileAnswers.push_back(other);
             form().menuAction("openArchiveAction")->trigger();
         }},
        {"new over the other",
         [&] {
             script->fileAnswers.push_back(other);
             form().newArchiveFromToolbar();
         }},
        {"delete archive", [&] { form().deleteArchiveCommand(); }},
        {"delete members", [&] { form().deleteMembersCommand(); }},
        {"extract", [&] { form().extractCommand(); }},
        {"test", [&] { form().testCommand(); }},
        {"add", [&] { form().addCommand(); }},
    };
    int n = 0;
    for (const auto &c : commands) {
        const QString archive = makeArchive(QString("a%1.zip").arg(n++), {"a.txt", "b.txt", "c.txt"});
        open(archive);
        grid().setSelection(TGridRect{0, 2, 3, 2});  // b.txt
        script->shown.clear();
        script->buttonAnswers = {0, 0, 0};  // yes to the delete, and to whatever a second command asks
        bool dialogOpened = false;
        std::vector<bool> enabledDuring;
        QMetaObject::invokeMethod(
            &form(),
            [&] {
                enabledDuring = {form().toolButton("openButton")->isEnabled(),
                                 form().toolButton("addButton")->isEnabled(),
                                 form().menuAction("openArchiveAction")->isEnabled(),
                                 form().menuAction("extractAction")->isEnabled(),
                                 form().menuAction("testAction")->isEnabled(),
                                 !grid().BrowseOnly(),
                                 windows->F_status->cancelButton->isEnabled(),
                                 form().menuAction("exitAction")->isEnabled()};
                c.start();
            },
            Qt::QueuedConnection);
        // Ends a dialog the second command might have opened.
        for (QDialog *dialog : std::initializer_list<QDialog *>{windows->Extract.get(), windows->AddForm.get()})
            QMetaObject::invokeMethod(
                dialog,
                [&dialogOpened, dialog] {
                    if (dialog->isVisible()) {
                        dialogOpened = true;
                        dialog->done(0);
                    }
                },
                Qt::QueuedConnection);
        form().deleteMembersCommand();
        QCoreApplication::processEvents();

        EXPECT_EQ(enabledDuring, (std::vector<bool>{false, false, false, false, false, false, true, true}))
            << c.command;
        EXPECT_FALSE(dialogOpened) << c.command;
        EXPECT_EQ(shownTexts(*script),
                  (std::vector<QString>{"Delete selected files from: " + archive + "?\n1 member is selected.",
                                        "1 file(s) were Deleted"}))
            << c.command;
        EXPECT_EQ(readBytes(other), otherBefore) << c.command;
        EXPECT_EQ(form().statusPanelText(1), archive) << c.command;
        EXPECT_EQ(names(), (std::vector<QString>{"a.txt", "c.txt"})) << c.command;
        EXPECT_TRUE(form().toolButton("openButton")->isEnabled() && form().menuAction("extractAction")->isEnabled()
                    && form().menuAction("testAction")->isEnabled() && !grid().BrowseOnly())
            << c.command;
        script->fileAnswers.clear();  // an answer no dialog took
    }
}

TEST_F(ArchiveCommands, CommandsComeBackOnEveryWayOutOfAnOperation)
{
    const struct {
        const char *way;
        std::function<void()> operation;
    } ways[] = {
        {"return", [] {}},
        {"library failure", [] { throw std::runtime_error("broken"); }},
        {"any other throw", [] { throw 7; }},
    };
    for (const auto &w : ways) {
        bool enabledDuring = true;
        try {
            form().session().operationFrame().run(
                {"Adding file(s)", "Beginning Add to x", "Fatal", " files were added"}, [&](orvex::ComponentEvents &) {
                    enabledDuring = form().toolButton("addButton")->isEnabled();
                    w.operation();
                });
        } catch (int) {
        }
        EXPECT_FALSE(enabledDuring) << w.way;
        EXPECT_TRUE(form().toolButton("addButton")->isEnabled()) << w.way;
        EXPECT_TRUE(form().menuAction("openArchiveAction")->isEnabled()) << w.way;
        EXPECT_TRUE(grid().isEnabled()) << w.way;
        // Not running any more: a command works again.
        script->fileAnswers.push_back(QString());
        script->shown.clear();
        form().openArchiveCommand();
        EXPECT_EQ(script->shown.size(), 1u) << w.way;  // the file dialog
    }
}

TEST_F(ArchiveCommands, ClosingDuringAnOperationCancelsItAndThenCloses)
{
    const QString archive = makeArchive("a.zip", {"a.txt", "b.txt", "c.txt"});
    open(archive);
    const QByteArray before = readBytes(archive);
    const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);
    grid().setSelection(TGridRect{0, 1, 3, 3});
    script->shown.clear();
    script->buttonAnswers = {0, 0};  // delete; stop it and quit
    form().show();
    bool visibleAfterTheOperation = false;
    QTimer::singleShot(0, &form(), [&] {
        // Pressed while the library works.
        QMetaObject::invokeMethod(&form(), &QWidget::close, Qt::QueuedConnection);
        form().deleteMembersCommand();
        visibleAfterTheOperation = form().isVisible();
    });
    EXPECT_EQ(execBounded(operationRunning()), 0);
    EXPECT_TRUE(visibleAfterTheOperation);  // the close waited for the library
    EXPECT_FALSE(form().isVisible());
    EXPECT_FALSE(windows->F_status->isVisible());
    EXPECT_EQ(readBytes(archive), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), filesBefore);  // no temporary file left
    // The two questions alone: no count box for a window that is going.
    EXPECT_EQ(shownTexts(*script),
              (std::vector<QString>{"Delete selected files from: " + archive + "?\n3 members are selected.",
                                    "An operation is running. Stop it and quit?"}));
    EXPECT_EQ(script->shown.back().defaultButton, 1);
}

TEST_F(ArchiveCommands, ClosingDuringAnOperationAnsweredNoLetsItFinish)
{
    const QString archive = makeArchive("a.zip", {"a.txt", "b.txt"});
    open(archive);
    grid().setSelection(TGridRect{0, 1, 3, 1});
    script->buttonAnswers = {0};  // delete; the quit question takes its default, No
    form().show();
    QTimer::singleShot(0, &form(), [&] {
        QMetaObject::invokeMethod(&form(), &QWidget::close, Qt::QueuedConnection);
        form().deleteMembersCommand();
        QCoreApplication::exit(0);
    });
    EXPECT_EQ(execBounded(operationRunning()), 0);
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(names(), std::vector<QString>{"b.txt"});
    EXPECT_EQ(lastShown().text, "1 file(s) were Deleted");
}

TEST_F(ArchiveCommands, OnlyAnOperationsFirstErrorComesInABoxTheRestAreLoggedAndCounted)
{
    const struct {
        bool log;
        int answer;  // to the first error's box
    } cases[] = {{false, 0}, {false, 1}, {true, 0}, {true, 1}, {false, -1}};
    for (const auto &c : cases) {
        if (form().showLogAction->isChecked() != c.log)
            form().showLogAction->trigger();
        windows->Msgform->hide();
        windows->Msgform->appendLine("left over");
        script->shown.clear();
        script->buttonAnswers = {c.answer};
        TZipEngine &engine = form().session().engine;
        std::vector<bool> cancelAfter;
        form().session().operationFrame().run(
            {"Extracting file(s)", "Beginning Extract", "Fatal", " file(s) were extracted"},
            [&](orvex::ComponentEvents &events) {
                for (int i = 1; i <= 5; ++i) {
                    events.message(1, "error " + std::to_string(i));
                    cancelAfter.push_back(engine.Cancel);
                }
            });
        const std::string which = (c.log ? "log, answer " : "status, answer ") + std::to_string(c.answer);
        ASSERT_EQ(script->shown.size(), 3u) << which;
        const auto &box = script->shown[0];
        EXPECT_EQ(box.text, "Error message from DLL: error 1") << which;
        EXPECT_EQ(box.caption, "Warning") << which;
        EXPECT_EQ(box.icon, IconKind::Warning) << which;
        EXPECT_EQ(box.buttons, (QStringList{"OK", "Cancel the operation"})) << which;
        EXPECT_EQ(box.defaultButton, 0) << which;
        EXPECT_EQ(script->shown[1].text, "0 file(s) were extracted") << which;
        EXPECT_EQ(script->shown[2].text, "4 more errors were logged in the message window") << which;
        EXPECT_EQ(script->shown[2].icon, IconKind::Information) << which;
        EXPECT_EQ(cancelAfter, std::vector<bool>(5, c.answer == 1)) << which;
        EXPECT_EQ(windows->Msgform->logLines(),
                  (QStringList{"Beginning Extract", "error 1", "error 2", "error 3", "error 4", "error 5"}))
            << which;
        EXPECT_TRUE(windows->Msgform->isVisible()) << which;
        EXPECT_FALSE(windows->F_status->isVisible()) << which;
        engine.Cancel = false;
    }
}

TEST_F(ArchiveCommands, OneLaterErrorIsCountedInTheSingularAndTheNextOperationStartsAfresh)
{
    const OperationTexts texts{"Deleting file(s)", "Beginning delete", "Fatal", " file(s) were Deleted"};
    for (const int errors : {2, 1, 0}) {
        script->shown.clear();
        form().session().operationFrame().run(texts, [&](orvex::ComponentEvents &events) {
            for (int i = 0; i < errors; ++i)
                events.message(1, "bad");
        });
        std::vector<QString> expected;
        if (errors > 0)
            expected.push_back("Error message from DLL: bad");
        expected.push_back("0 file(s) were Deleted");
        if (errors > 1)
            expected.push_back("1 more error was logged in the message window");
        EXPECT_EQ(shownTexts(*script), expected) << errors;
    }
}

TEST_F(ArchiveCommands, ExtractingWhereNothingCanBeWrittenShowsOneBox)
{
    // A folder where each member's file should go: every member fails, also for root.
    const QStringList members{"m1.txt", "m2.txt", "m3.txt", "m4.txt"};
    const QString archive = makeArchive("many.zip", members);
    QTemporaryDir target;
    for (const QString &member : members)
        ASSERT_TRUE(QDir(target.path()).mkpath(member + "/inside"));
    TZipEngine &engine = form().session().engine;
    engine.setZipFilename(archive.toStdString());
    script->shown.clear();
    form().session().operationFrame().run(
        {"Extracting file(s)", "Beginning Extract", "Fatal", " file(s) were extracted"},
        [&](orvex::ComponentEvents &events) {
            engine.ExtrBaseDir = target.path().toStdString();
            engine.ExtrOptions = ExtrOpts{ExtrOverWrite};
            engine.Extract(engine.extractRequest(), events);
        });
    const auto texts = shownTexts(*script);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                            [](const QString &t) { return t.startsWith("Error message from DLL: "); }),
              1)
        << texts.front().toStdString();
    EXPECT_EQ(texts.back(), "3 more errors were logged in the message window");
}

TEST_F(ArchiveCommands, DuringAnOperationTheWindowsCatchUpAboutThirtyTimesASecondAndAtTheEnd)
{
    OperationFrame &frame = form().session().operationFrame();
    for (const bool log : {false, true}) {
        if (form().showLogAction->isChecked() != log)
            form().showLogAction->trigger();
        int64_t now = 0;
        frame.pacer().setClock([&now] { return now; });
        const QLabel &label = log ? *windows->Msgform->fileLabel : *windows->F_status->fileLabel;
        QStringList labels;  // as each report left it
        {
            // The reports as the worker's events bring them to the window's thread.
            OperationFrame::Running running(frame);
            for (int i = 0; i < 1000; ++i, ++now) {  // a second's worth, a millisecond apart
                frame.progress(FileBegin, "f" + QString::number(i), 10);
                frame.message(0, "adding: f" + QString::number(i));
                labels << label.text();
            }
        }
        labels.removeDuplicates();
        const std::string which = log ? "message log" : "status window";
        EXPECT_GE(labels.size(), 29) << which;
        EXPECT_LE(labels.size(), 31) << which;
        EXPECT_EQ(labels.front(), "File: f0") << which;  // the first report shows at once
        EXPECT_EQ(label.text(), "File: f999") << which;  // the end shows the last
        if (log) {
            EXPECT_EQ(windows->Msgform->logLines().size(), 1000);
        }
    }
}

TEST_F(ArchiveCommands, F2RenamesTheTopSelectedRowAndTheGridShowsTheNewName)
{
    const QString archive = makeArchive("a.zip", {"a.txt", "b.txt"});
    open(archive);
    form().show();
    QApplication::setActiveWindow(&form());
    grid().setFocus();
    selectRows(2, 2);  // b.txt
    script->inputAnswers.push_back({true, "docs/c.txt"});
    QTest::keyClick(&grid(), Qt::Key_F2);
    ASSERT_GE(script->shown.size(), 2u);
    const platform::PromptRecord &asked = script->shown[script->shown.size() - 2];
    EXPECT_EQ(asked.caption, "Rename");
    EXPECT_EQ(asked.text, "New name for b.txt:");
    EXPECT_EQ(asked.defaultValue, "b.txt");
    EXPECT_EQ(lastShown().text, "1 file(s) were renamed");
    EXPECT_EQ(names(), (std::vector<QString>{"a.txt", "docs/c.txt"}));
    EXPECT_EQ(windows->F_status->windowTitle(), "Renaming file(s)");
}

TEST_F(ArchiveCommands, ARenameThatWouldCollideOrEscapeIsRefusedWithTheReasonAndNothingIsWritten)
{
    const QString archive = makeArchive("a.zip", {"a.txt", "b.txt"});
    open(archive);
    const QByteArray before = readBytes(archive);
    const struct {
        QString answer;
        QString said;
    } cases[] = {
        {"b.txt", "Cannot rename \"a.txt\" to \"b.txt\": \"b.txt\" is already in the archive"},
        {"../a.txt", "Cannot rename \"a.txt\" to \"../a.txt\": the name leads outside the target directory"},
    };
    for (const auto &c : cases) {
        selectRows(1, 1);
        script->inputAnswers.push_back({true, c.answer});
        form().renameMemberCommand();
        EXPECT_EQ(lastShown().caption, "Warning");
        EXPECT_EQ(lastShown().text, c.said);
        EXPECT_EQ(readBytes(archive), before);
    }
    // Cancelled, or the name left as it was: nothing is asked or written.
    const size_t shown = script->shown.size();
    form().renameMemberCommand();
    script->inputAnswers.push_back({true, "a.txt"});
    form().renameMemberCommand();
    EXPECT_EQ(script->shown.size(), shown + 2);  // the two questions alone
    EXPECT_EQ(readBytes(archive), before);
}

TEST_F(ArchiveCommands, RenamingAFolderRowTakesEveryMemberUnderIt)
{
    const QString archive =
        writeArchive("f.zip", ziptest::buildZip({ziptest::dirEntry("d/"), ziptest::stored("d/x.txt", "x"),
                                                 ziptest::stored("d/sub/y.txt", "y"), ziptest::stored("dz.txt", "z")}));
    open(archive);
    selectRows(1, 1);  // d/
    script->inputAnswers.push_back({true, "e"});
    form().renameMemberCommand();
    EXPECT_EQ(script->shown[script->shown.size() - 2].text, "New name for d/:");
    EXPECT_EQ(lastShown().text, "3 file(s) were renamed");
    EXPECT_EQ(names(), (std::vector<QString>{"e/", "e/x.txt", "e/sub/y.txt", "dz.txt"}));
}
