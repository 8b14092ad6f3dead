// The main window's toolbar and archive file dialogs.

#include "WindowFixture.h"

#include <QImage>
#include <QToolButton>

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

// Open offers the parts of split archives as well, which New cannot make.
TEST_F(WindowChrome, ArchiveDialogsOfferZipFilesThenAllFiles)
{
    for (const auto &[name, zipFiles] :
         {std::pair{"newButton", "ZIP Files (*.[zZ][iI][pP])"},
          std::pair{"openButton", "ZIP Files (*.[zZ][iI][pP] *.[zZ][0-9][0-9] *.[zZ][iI][pP].[0-9][0-9][0-9])"}}) {
        script->shown.clear();
        form().toolButton(QString::fromLatin1(name))->click();  // answered as cancelled
        ASSERT_EQ(script->shown.size(), 1u) << name;
        EXPECT_EQ(script->shown[0].filter.split(QStringLiteral(";;")),
                  QStringList({QString::fromLatin1(zipFiles), QStringLiteral("All files (*)")}))
            << name;
    }
}
