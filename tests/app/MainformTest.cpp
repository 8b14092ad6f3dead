#include "WindowFixture.h"

#include "app/NameCharsetChoice.h"
#include "controls/CaptionParts.h"
#include "controls/GradCaption.h"
#include "dialogs/MsgForm.h"
#include "dialogs/StatusForm.h"
#include "support/LabelText.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <QWindow>

#include <string>
#include <vector>

namespace {

uint16_t dosDate(int year, int month, int day)
{
    return uint16_t((year - 1980) << 9 | month << 5 | day);
}

// Each test makes the windows itself, from the arguments it starts with.
class MainformTest : public WindowTest {
protected:
    MainformTest() : WindowTest(Windows::ByTheTest) {}
};

const std::vector<ziptest::Member> ThreeMembers = {
    dosMember("readme.txt", "hello, world", dosDate(2021, 3, 4), uint16_t(10 << 11 | 30 << 5)),
    dosMember("docs/big.txt", QByteArray(1200, 'x'), dosDate(1999, 12, 31), uint16_t(23 << 11 | 59 << 5)),
    dosMember("empty", "", dosDate(1980, 1, 1), 0),
};

}  // namespace

TEST_F(MainformTest, StartsWithTitleRowAndOneEmptyRow)
{
    TMainform &form = openWindows({});
    form.applyCommandLineArchive();
    TSortableGrid &grid = *form.listingGrid;
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.Cells(0, 0), "File Name");
    EXPECT_EQ(grid.Cells(1, 0), "Compr Size");
    EXPECT_EQ(grid.Cells(2, 0), "Uncmpr Size");
    EXPECT_EQ(grid.Cells(3, 0), "Date/Time");
    EXPECT_EQ(grid.ColWidths(0), 150);
    EXPECT_EQ(grid.ColWidths(3), 120);
    EXPECT_EQ(grid.Cells(0, 1), "");
    EXPECT_EQ(form.statusPanelText(0), "Zip filename:");
    EXPECT_EQ(form.statusPanelText(1), "None");
    // Task bars read the title; the caption bar draws the blank it always did.
    EXPECT_EQ(form.windowTitle(), "Orvex 97");
    EXPECT_EQ(form.captionBar->CaptionText()->Caption(), " ");
    EXPECT_TRUE(script->shown.empty());
}

TEST_F(MainformTest, CommandLineArchiveIsListedInArchiveOrder)
{
    const QString path = writeArchive("three.zip", ziptest::buildZip(ThreeMembers));
    TMainform &form = openWindows({path});
    form.applyCommandLineArchive();
    TSortableGrid &grid = *form.listingGrid;
    ASSERT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(column(0), (std::vector<QString>{"readme.txt", "docs/big.txt", "empty"}));
    EXPECT_EQ(column(1), (std::vector<QString>{"12", "1200", "0"}));
    EXPECT_EQ(column(2), (std::vector<QString>{"12", "1200", "0"}));
    EXPECT_TRUE(grid.Cells(3, 1).startsWith("3/4/21  10:30"));
    EXPECT_EQ(grid.Cells(3, 3), QLocale().toString(QDate(1980, 1, 1), QLocale::ShortFormat) + "  "
                                    + QLocale().toString(QTime(0, 0), QLocale::ShortFormat));
    EXPECT_EQ(form.statusPanelText(1), path);
    EXPECT_TRUE(script->shown.empty());
}

namespace {

// Keeps a window from hearing that it was activated, as under a window
// manager that does not hand the focus to new windows.
struct ActivationBlocker : QObject {
    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == QEvent::ActivationChange || event->type() == QEvent::WindowActivate;
    }
};

}  // namespace

TEST_F(MainformTest, CommandLineIsAppliedOnceWhenTheWindowIsFirstShown)
{
    const QString path = writeArchive("three.zip", ziptest::buildZip(ThreeMembers));
    TMainform &form = openWindows({path});
    ActivationBlocker blocker;
    form.installEventFilter(&blocker);
    form.show();
    QApplication::processEvents();
    EXPECT_EQ(form.listingGrid->RowCount(), 4);
    EXPECT_EQ(form.statusPanelText(1), path);

    form.listingGrid->Clear();
    form.hide();
    form.show();
    form.removeEventFilter(&blocker);
    QApplication::setActiveWindow(&form);
    QApplication::processEvents();
    EXPECT_EQ(form.listingGrid->Cells(0, 1), "");
}

TEST_F(MainformTest, WindowTitlesAreTheirOwnCaptionsAlone)
{
    // Qt appends a display name, once one is set, to every window title;
    // the application's title goes to its boxes instead.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    EXPECT_EQ(platform::applicationTitle(), "Tolvane Orvex '97");
}

TEST_F(MainformTest, TwoArgumentsAreIgnored)
{
    const QString path = writeArchive("three.zip", ziptest::buildZip(ThreeMembers));
    TMainform &form = openWindows({path, path});
    form.applyCommandLineArchive();
    EXPECT_EQ(form.listingGrid->RowCount(), 2);
    EXPECT_EQ(form.statusPanelText(1), "None");
}

TEST_F(MainformTest, ArchiveWithoutMembersLeavesTheTitlesAlone)
{
    const QString path = writeArchive("empty.zip", ziptest::buildZip({}));
    TMainform &form = openWindows({path});
    form.applyCommandLineArchive();
    EXPECT_EQ(form.listingGrid->RowCount(), 1);
    EXPECT_EQ(form.listingGrid->FixedRows(), 1);
    EXPECT_EQ(form.listingGrid->Cells(0, 0), "File Name");
}

// As a file manager hands it over: a path or a file:// URL, with blanks and
// characters beyond ASCII.
TEST_F(MainformTest, ArchiveFromTheFileManagerOpensByPathOrUrl)
{
    ASSERT_TRUE(QDir(root).mkpath(QStringLiteral("my zips")));
    const QString path = writeArchive(QStringLiteral("my zips/\u00E9t\u00E9 #1.zip"), ziptest::buildZip(ThreeMembers));
    for (const QString &argument : {path, QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)}) {
        TMainform &form = openWindows({argument});
        form.applyCommandLineArchive();
        EXPECT_EQ(form.statusPanelText(1), path) << argument.toStdString();
        EXPECT_EQ(form.listingGrid->RowCount(), 4) << argument.toStdString();
    }
}

// 7-Zip's -v cuts one archive into name.zip.001, .002, ... by bytes; opening
// either part, from the file manager or through Open, lists the whole archive.
TEST_F(MainformTest, APartOfASplitArchiveListsTheWholeSet)
{
    const std::string whole = ziptest::buildZip(ThreeMembers);
    const size_t cut = whole.size() / 2;  // inside a member's data or the directory
    writeArchive(QStringLiteral("set.zip.001"), whole.substr(0, cut));
    const QString last = writeArchive(QStringLiteral("set.zip.002"), whole.substr(cut));
    const QString first = path(QStringLiteral("set.zip.001"));
    TMainform &form = openWindows({first});
    form.applyCommandLineArchive();
    EXPECT_EQ(column(0), (std::vector<QString>{QStringLiteral("readme.txt"), QStringLiteral("docs/big.txt"),
                                               QStringLiteral("empty")}));
    open(last);
    EXPECT_EQ(form.listingGrid->RowCount(), 4);
    EXPECT_TRUE(messages().isEmpty()) << messages().join(QLatin1Char('\n')).toStdString();
}

// The system would end the name at the NUL and open the file before it.
TEST_F(MainformTest, AnArchiveUrlHoldingANulIsRefused)
{
    const QString path = writeArchive("a.zip", ziptest::buildZip(ThreeMembers));
    const QString argument = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) + "%00junk";
    TMainform &form = openWindows({argument});
    form.applyCommandLineArchive();
    EXPECT_EQ(form.listingGrid->RowCount(), 2);
    EXPECT_EQ(form.statusPanelText(1), "None");
    ASSERT_EQ(messages().size(), 1);
    EXPECT_EQ(lastShown().icon, platform::IconKind::Warning);
    EXPECT_TRUE(lastShown().text.contains(argument)) << lastShown().text.toStdString();
}

// A member's or an archive's name holding markup is shown as written, not
// as a heading, nor with a comment hiding the rest.
TEST_F(MainformTest, NamesWithMarkupAreShownAsWritten)
{
    const QString path = writeArchive("<b>x<!--.zip", ziptest::buildZip(ThreeMembers));
    TMainform &form = openWindows({path});
    form.applyCommandLineArchive();
    EXPECT_TRUE(ziptest::shownTexts(*form.statusBar()).contains(path));
    const QString name = QStringLiteral("<h1 style=\"color:red\">x<!--");
    engine().OnProgress(engine(), FileBegin, name.toStdString(), 10);
    EXPECT_EQ(ziptest::shownText(*windows->F_status->fileLabel), "File: " + name);
    form.showLogAction->trigger();
    engine().OnProgress(engine(), FileBegin, name.toStdString(), 10);
    EXPECT_EQ(ziptest::shownText(*windows->Msgform->fileLabel), "File: " + name);
}

TEST_F(MainformTest, RecentArchivesAreOfferedAndAMissingOneIsDropped)
{
    const QString one = writeArchive("one.zip", ziptest::buildZip(ThreeMembers));
    const QString two = writeArchive("two.zip", ziptest::buildZip({ThreeMembers[0]}));
    auto captions = [](TMainform &form) {
        QStringList texts;
        for (QAction *action : form.recentArchiveActions())
            if (!action->isSeparator())
                texts << action->text();
        return texts;
    };
    {
        TMainform &form = openWindows({});
        EXPECT_TRUE(captions(form).isEmpty());
        script->fileAnswers = {one, two, one};
        for (int i = 0; i < 3; ++i)
            form.toolButton(QStringLiteral("openButton"))->click();
        EXPECT_EQ(captions(form), QStringList({"&1 " + one, "&2 " + two}));
    }
    // The next session offers them too; a chosen one that has gone is taken off the list.
    TMainform &form = openWindows({});
    ASSERT_EQ(captions(form).size(), 2);
    QFile::remove(two);
    form.recentArchiveActions()[1]->trigger();
    ASSERT_FALSE(script->shown.empty());
    EXPECT_EQ(script->shown.back().text, "Zipfile not found: " + two + ". It is no longer listed under File.");
    EXPECT_EQ(captions(form), QStringList({"&1 " + one}));
    EXPECT_EQ(form.listingGrid->RowCount(), 2);  // the empty listing stays
    form.recentArchiveActions()[0]->trigger();
    EXPECT_EQ(form.statusPanelText(1), one);
    EXPECT_EQ(form.listingGrid->RowCount(), 4);
}

TEST_F(MainformTest, TheWindowReopensWhereItWasClosed)
{
    const QRect place(120, 90, 600, 420);
    {
        openWindows({});
        windows->Mainform->setGeometry(place);
        windows->Mainform->show();
        windows->Mainform->close();
    }
    openWindows({});
    EXPECT_EQ(windows->Mainform->geometry(), place);
}

TEST_F(MainformTest, MissingArchiveKeepsTheGridAndShowsTheArgument)
{
    const QString path = dir.filePath("no-such.zip");
    TMainform &form = openWindows({path});
    form.applyCommandLineArchive();
    EXPECT_EQ(form.listingGrid->RowCount(), 2);
    EXPECT_EQ(form.listingGrid->FixedRows(), 1);
    EXPECT_EQ(form.statusPanelText(1), path);
    EXPECT_TRUE(script->shown.empty());
}

TEST_F(MainformTest, AllZeroDateShowsAQuestionMarkAndTheRestOfTheListing)
{
    std::vector<ziptest::Member> members = ThreeMembers;
    members[1].modDate = 0;
    members[1].modTime = 0;
    const QString path = writeArchive("baddate.zip", ziptest::buildZip(members));
    TMainform &form = openWindows({path});
    form.show();
    QApplication::setActiveWindow(&form);  // the activation applies the argument
    QApplication::processEvents();

    EXPECT_TRUE(script->shown.empty());
    TSortableGrid &grid = *form.listingGrid;
    ASSERT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cells(0, 2), "docs/big.txt");
    EXPECT_EQ(grid.Cells(2, 2), "1200");
    EXPECT_EQ(grid.Cells(3, 2), "?");
    EXPECT_EQ(grid.Cells(0, 3), "empty");
    EXPECT_NE(grid.Cells(3, 3), "?");
}

TEST_F(MainformTest, ReadErrorShowsWhatWasReadBeforeIt)
{
    std::string bytes = ziptest::buildZip(ThreeMembers);
    bytes.resize(40);  // inside the first member's data
    const QString path = writeArchive("cut.zip", bytes);
    TMainform &form = openWindows({path});
    form.show();
    QApplication::setActiveWindow(&form);
    QApplication::processEvents();

    ASSERT_EQ(script->shown.size(), 1u);
    EXPECT_EQ(script->shown[0].text,
              "Error 3 reading Zip file.\nThe archive is damaged; the members listed could be read.");
    // The first header was read before the data ran out.
    EXPECT_EQ(form.listingGrid->RowCount(), 2);
    EXPECT_EQ(form.listingGrid->Cells(0, 1), "readme.txt");
    EXPECT_EQ(form.statusPanelText(1), path);
    EXPECT_EQ(form.windowTitle(), "cut.zip - Orvex 97");

    // A file that is no archive at all says so in its second line.
    script->shown.clear();
    script->fileAnswers = {writeArchive("notes.zip", std::string(100, 'x'))};
    form.openArchiveCommand();
    ASSERT_EQ(script->messageTexts().size(), 1);
    EXPECT_EQ(script->messageTexts()[0], "Error 1 reading Zip File.\nnotes.zip is not a ZIP archive.");
}

TEST_F(MainformTest, ArchiveDialogsStartInTheCurrentArchivesFolderUntilOneIsUsed)
{
    const QString path = writeArchive("sub/three.zip", ziptest::buildZip(ThreeMembers));
    TMainform &form = openWindows({path});
    form.applyCommandLineArchive();
    form.openArchiveCommand();  // cancelled
    form.newArchiveFromToolbar();
    ASSERT_EQ(script->shown.size(), 2u);
    for (const auto &dialog : script->shown)
        EXPECT_EQ(dialog.directory, dir.filePath("sub"));
    EXPECT_EQ(form.windowTitle(), "three.zip - Orvex 97");
}

TEST_F(MainformTest, TheProgressWindowsStayAboveTheMainWindowAndTheKeysComeBackToTheListing)
{
    TMainform &form = openWindows({});
    form.show();
    for (QWidget *window : std::initializer_list<QWidget *>{windows->Msgform.get(), windows->F_status.get()}) {
        window->show();
        ASSERT_NE(window->windowHandle(), nullptr);
        // The window manager keeps a transient window above its parent, and
        // on X11 only a dialog window is given as one.
        EXPECT_EQ(window->windowHandle()->transientParent(), form.windowHandle());
        EXPECT_EQ(window->windowType(), Qt::Dialog);
        window->hide();
    }
    QApplication::setActiveWindow(&form);
    form.listingGrid->clearFocus();  // as a dialog closing leaves it
    form.openArchiveCommand();       // cancelled
    QApplication::processEvents();
    EXPECT_TRUE(form.listingGrid->hasFocus());
}

TEST_F(MainformTest, ClickOnAColumnTitleSortsByThatColumn)
{
    const QString path = writeArchive("three.zip", ziptest::buildZip(ThreeMembers));
    TMainform &form = openWindows({path});
    form.show();
    QApplication::setActiveWindow(&form);
    QApplication::processEvents();
    TSortableGrid &grid = *form.listingGrid;
    grid.setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(grid.hasFocus());

    auto clickTitle = [&](int col, Qt::MouseButton button) {
        const QPoint centre = grid.CellRect(col, 0).center();
        QTest::mouseClick(grid.horizontalHeader()->viewport(), button, Qt::NoModifier, centre);
    };
    clickTitle(1, Qt::LeftButton);  // sizes sort as numbers, not as text
    EXPECT_EQ(column(1), (std::vector<QString>{"0", "12", "1200"}));
    clickTitle(3, Qt::LeftButton);  // dates sort chronologically
    EXPECT_EQ(column(0), (std::vector<QString>{"empty", "docs/big.txt", "readme.txt"}));
    clickTitle(0, Qt::RightButton);
    EXPECT_EQ(column(0), (std::vector<QString>{"readme.txt", "empty", "docs/big.txt"}));
    EXPECT_EQ(grid.Cells(0, 0), "File Name");
}

// The pictures come from the program's resources: a missing one leaves a blank button.
TEST_F(MainformTest, EveryToolbarButtonShowsAPicture)
{
    openWindows({});
    const QList<QToolButton *> buttons =
        windows->Mainform->findChild<QWidget *>(QStringLiteral("toolbar"))->findChildren<QToolButton *>();
    ASSERT_EQ(buttons.size(), 9);
    for (const QToolButton *button : buttons)
        EXPECT_FALSE(button->icon().isNull()) << button->objectName().toStdString();
}

TEST_F(MainformTest, TheNamesChoiceRereadsTheListingAndIsKeptForTheNextStart)
{
    // "отчёт.txt" as Russian Windows stores it (866), and an ASCII name.
    const QString archive = writeArchive(
        "ru.zip", ziptest::buildZip({ziptest::stored("\xAE\xE2\xE7\xF1\xE2.txt", "r"), ziptest::stored("a.txt", "a")}));
    const QString russian = QString::fromUtf8("\xD0\xBE\xD1\x82\xD1\x87\xD1\x91\xD1\x82.txt");
    const QString western = QString::fromUtf8("\xC2\xAB\xCE\x93\xCF\x84\xC2\xB1\xCE\x93.txt");  // the 437 reading
    {
        TMainform &form = openWindows({});
        open(archive);
        EXPECT_EQ(column(0), (std::vector<QString>{russian, "a.txt"}));
        QAction *auto_ = form.menuAction(QStringLiteral("nameCharsetAuto"));
        ASSERT_NE(auto_, nullptr);
        EXPECT_TRUE(auto_->isChecked());
        QAction *cp437 = form.menuAction(QStringLiteral("nameCharset437"));
        ASSERT_NE(cp437, nullptr);
        EXPECT_EQ(cp437->text(), QStringLiteral("437 — US English (DOS)"));
        cp437->trigger();
        EXPECT_TRUE(cp437->isChecked());
        EXPECT_FALSE(auto_->isChecked());
        EXPECT_EQ(engine().NameCharset, "437");
        EXPECT_EQ(column(0), (std::vector<QString>{western, "a.txt"}));
    }
    TMainform &form = openWindows({});
    EXPECT_EQ(engine().NameCharset, "437");
    EXPECT_TRUE(form.menuAction(QStringLiteral("nameCharset437"))->isChecked());
    open(archive);
    EXPECT_EQ(column(0), (std::vector<QString>{western, "a.txt"}));
    form.menuAction(QStringLiteral("nameCharset866"))->trigger();
    EXPECT_EQ(column(0), (std::vector<QString>{russian, "a.txt"}));
}

TEST(NameCharsetChoice, MenuItemsMapToTheComponentsCharsetAndBack)
{
    const QStringList items = name_charset::menuItems();
    ASSERT_FALSE(items.isEmpty());
    EXPECT_EQ(items.front(), "Auto");
    EXPECT_EQ(name_charset::charsetOfItem(QStringLiteral("Auto")), "");
    EXPECT_EQ(name_charset::charsetOfItem(QStringLiteral("866")), "866");
    EXPECT_EQ(name_charset::charsetOfItem(QStringLiteral("utf-7")), "");
    for (const QString &item : items) {
        EXPECT_EQ(name_charset::itemOfCharset(name_charset::charsetOfItem(item)), item);
        // Every code page says what it is for, after its number.
        if (item != QLatin1String("Auto")) {
            EXPECT_TRUE(name_charset::caption(item).startsWith(item + QStringLiteral(" — "))) << item.toStdString();
        }
    }
    EXPECT_EQ(name_charset::caption(QStringLiteral("866")), QStringLiteral("866 — Cyrillic (DOS)"));
    EXPECT_EQ(name_charset::caption(QStringLiteral("Auto")), QStringLiteral("Auto"));

    // What a hand-edited settings file holds is taken only when it is a code page.
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    EXPECT_EQ(name_charset::stored(settings), "");
    name_charset::store(settings, "932");
    EXPECT_EQ(name_charset::stored(settings), "932");
    name_charset::store(settings, "bogus");
    EXPECT_EQ(name_charset::stored(settings), "");
}
