// The main window's toolbar, archive file dialogs and help.

#include "WindowFixture.h"
#include "dialogs/HelpWindow.h"
#include "engine/otherformats/WriteFormat.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <algorithm>

#include <utility>

namespace {

using WindowChrome = WindowTest;

// Whether the button draws anything in its margin beside the picture: a
// frame or a panel. Nothing drawn leaves the margin one colour.
bool marginDrawn(QToolButton *button)
{
    const QImage image = button->grab().toImage();
    const int y = image.height() / 2;
    for (int x = 1; x < 3; ++x)
        if (image.pixel(x, y) != image.pixel(0, y))
            return true;
    return image.pixel(0, y) != image.pixel(0, 1) || image.pixel(0, y) != image.pixel(image.width() - 1, y);
}

// A stored archive of the named one-byte members.
std::string archiveOf(const QStringList &names)
{
    std::vector<ziptest::Member> members;
    for (const QString &name : names)
        members.push_back(dosMember(name, "x"));
    return ziptest::buildZip(members);
}

// Pixels of the selection colour in rows top to bottom of the grid's picture.
int highlighted(QWidget *grid, int top, int bottom)
{
    const QImage image = grid->grab().toImage();
    const QRgb highlight = grid->palette().color(QPalette::Highlight).rgb();
    int count = 0;
    for (int y = top; y < bottom && y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == highlight;
    return count;
}

}  // namespace

TEST_F(WindowChrome, TitleRowAloneIsNotDrawnSelected)
{
    TSortableGrid *grid = form().listingGrid;
    const int rowHeight = grid->RowHeights(0);
    script->fileAnswers = {writeArchive("one.zip", archiveOf({"a.txt"})), writeArchive("none.zip", archiveOf({}))};
    form().toolButton(QStringLiteral("openButton"))->click();
    ASSERT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(highlighted(grid, 0, rowHeight), 0);
    EXPECT_GT(highlighted(grid, rowHeight + 2, 2 * rowHeight), 0);  // the member's row is
    form().toolButton(QStringLiteral("openButton"))->click();
    ASSERT_EQ(grid->RowCount(), 1);
    EXPECT_EQ(grid->Cells(0, 0), QStringLiteral("File Name"));
    EXPECT_EQ(highlighted(grid, 0, 2 * rowHeight), 0);
    script->fileAnswers = {path("one.zip")};
    form().toolButton(QStringLiteral("openButton"))->click();
    EXPECT_GT(highlighted(grid, rowHeight + 2, 2 * rowHeight), 0);  // whole rows again
}

TEST_F(WindowChrome, ToolbarButtonsAreFlatUntilThePointerIsOverThem)
{
    form().show();
    for (const char *name : {"newButton", "openButton", "addButton", "quitButton"}) {
        QToolButton *button = form().toolButton(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_FALSE(marginDrawn(button)) << name << " at rest";
        button->setAttribute(Qt::WA_UnderMouse, true);
        EXPECT_TRUE(marginDrawn(button)) << name << " under the pointer";
        button->setAttribute(Qt::WA_UnderMouse, false);
    }
}

// Open offers every archive it reads first, with the parts of split ZIP
// archives, which New cannot make; New offers ZIP first, then each format it
// makes under the names that make it; each pattern in either case of letters.
TEST_F(WindowChrome, ArchiveDialogsOfferTheArchivesTheyTakeThenAllFiles)
{
    const QString zipFiles = QStringLiteral("ZIP Files (*.[zZ][iI][pP])");
    const QString zipParts =
        QStringLiteral("ZIP Files (*.[zZ][iI][pP] *.[zZ][0-9][0-9] *.[zZ][iI][pP].[0-9][0-9][0-9])");
    script->shown.clear();
    form().toolButton(QStringLiteral("newButton"))->click();  // answered as cancelled
    form().toolButton(QStringLiteral("openButton"))->click();
    ASSERT_EQ(script->shown.size(), 2u);
    const QStringList made = script->shown[0].filter.split(QStringLiteral(";;"));
    ASSERT_GE(made.size(), 3);
    EXPECT_EQ(made.front(), zipFiles);
    EXPECT_EQ(made.back(), QStringLiteral("All files (*)"));
    QStringList labels;
    for (const QString &filter : made.mid(1, made.size() - 2)) {
        SCOPED_TRACE(filter.toStdString());
        const qsizetype open = filter.indexOf(QLatin1Char('('));
        const QString label = filter.left(open).trimmed();
        labels << label;
        for (QString pattern : filter.mid(open + 1).chopped(1).split(QLatin1Char(' '))) {
            // The name the pattern stands for, in both cases: "*.[tT][gG][zZ]" gives "a.tgz" and "a.TGZ".
            pattern.remove(0, 1).replace(QRegularExpression(QStringLiteral("\\[(.).\\]")), QStringLiteral("\\1"));
            for (const QString &name : {QStringLiteral("a") + pattern, QStringLiteral("a") + pattern.toUpper()}) {
                const auto format = otherformats::writeFormatForName(name.toStdString());
                ASSERT_TRUE(format.has_value()) << name.toStdString();
                EXPECT_EQ(label, QString::fromStdString(otherformats::formatLabel(*format)) + " archives");
            }
        }
    }
    EXPECT_EQ(labels.size(), 6) << labels.join(", ").toStdString();
    const QStringList open = script->shown[1].filter.split(QStringLiteral(";;"));
    ASSERT_EQ(open.size(), 3);
    EXPECT_EQ(open.mid(1), QStringList({zipParts, QStringLiteral("All files (*)")}));
    ASSERT_TRUE(open[0].startsWith("All archives (") && open[0].endsWith(")"));
    const QStringList patterns = open[0].mid(14, open[0].size() - 15).split(QLatin1Char(' '));
    auto offered = [&](const QString &name) {
        return std::any_of(patterns.begin(), patterns.end(), [&](const QString &pattern) {
            return QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern)).match(name).hasMatch();
        });
    };
    for (const char *name : {"a.zip", "A.ZIP", "a.z01", "a.zip.001", "a.tar.gz", "A.TGZ", "a.tar.zst", "a.7z", "a.Rar",
                             "a.iso", "a.deb", "notes.txt.xz"})
        EXPECT_TRUE(offered(QString::fromLatin1(name))) << name;
    for (const char *name : {"notes.txt", "a.zipx", "tar"})
        EXPECT_FALSE(offered(QString::fromLatin1(name))) << name;
}

TEST_F(WindowChrome, F1ShowsTheManualWhoseLinksLeadWhereTheySay)
{
    QMenu *help = form().menuBar()->findChild<QMenu *>("helpMenu");
    ASSERT_NE(help, nullptr);
    ASSERT_EQ(help->actions().size(), 2);
    EXPECT_EQ(help->actions()[0]->objectName(), "helpContentsAction");
    EXPECT_EQ(help->actions()[0]->text(), "&Contents");
    EXPECT_EQ(help->actions()[1]->objectName(), "aboutAction");

    form().show();
    QApplication::setActiveWindow(&form());
    QTest::keyClick(&grid(), Qt::Key_F1);
    auto *window = form().findChild<HelpWindow *>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    QTextBrowser &browser = *window->browser;
    EXPECT_EQ(browser.source(), QUrl("qrc:/help/manual.html"));
    EXPECT_TRUE(browser.toPlainText().contains("Into a folder named after the archive"));

    // Every link inside the manual has its anchor.
    QFile manual(":/help/manual.html");
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(manual.readAll());
    int links = 0;
    for (const QRegularExpressionMatch &link : QRegularExpression("href=\"#([^\"]+)\"").globalMatch(html)) {
        ++links;
        EXPECT_TRUE(html.contains("name=\"" + link.captured(1) + "\"")) << link.captured(1).toStdString();
    }
    EXPECT_GT(links, 10);

    // An anchor stays in the window; a web address goes to the desktop.
    QList<QUrl> outside;
    window->OnOpenExternal = [&](const QUrl &url) { outside << url; };
    emit browser.anchorClicked(QUrl("#keys"));
    EXPECT_EQ(browser.source(), QUrl("qrc:/help/manual.html#keys"));
    emit browser.anchorClicked(QUrl("https://example.org/orvex"));
    EXPECT_EQ(outside, QList<QUrl>{QUrl("https://example.org/orvex")});
    EXPECT_EQ(browser.source().adjusted(QUrl::RemoveFragment), QUrl("qrc:/help/manual.html"));

    // Closed and asked for again: the same window comes back.
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    form().menuAction("helpContentsAction")->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(form().findChildren<HelpWindow *>().size(), 1);
}
