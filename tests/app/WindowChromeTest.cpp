// The main window's toolbar and archive file dialogs.

#include "TestApplication.h"
#include "app/Application.h"
#include "app/Mainform.h"
#include "platform/Prompts.h"

#include "controls/SortableGrid.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

#include "QStringPrinter.h"
#include "support/ZipBuilder.h"

namespace {

class WindowChrome : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        script = platform::ScriptedPrompts::install();
        windows = ApplicationWindows::create({});
    }
    void TearDown() override
    {
        windows.reset();
        platform::setPromptHandler(nullptr);
    }

    TMainform &form() { return *windows->Mainform; }

    std::shared_ptr<platform::ScriptedPrompts> script;
    std::unique_ptr<ApplicationWindows> windows;
};

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
QByteArray archiveOf(const QStringList &names)
{
    ziptest::ArchiveBuilder b;
    for (const QString &name : names) {
        ziptest::Member m = ziptest::stored(name.toStdString(), "x");
        m.modTime = 0;
        m.modDate = 0x21;   // 1 January 1980
        m.madeBy = 20;      // DOS
        m.externalAttributes = 0;
        b.add(m);
    }
    return QByteArray::fromStdString(b.build());
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
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto write = [&dir](const char *name, const QByteArray &bytes) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    TSortableGrid *grid = form().listingGrid;
    const int rowHeight = grid->RowHeights(0);
    script->fileAnswers = {write("one.zip", archiveOf({"a.txt"})), write("none.zip", archiveOf({}))};
    form().toolButton(QStringLiteral("openButton"))->click();
    ASSERT_EQ(grid->RowCount(), 2);
    EXPECT_EQ(highlighted(grid, 0, rowHeight), 0);
    EXPECT_GT(highlighted(grid, rowHeight + 2, 2 * rowHeight), 0);  // the member's row is
    form().toolButton(QStringLiteral("openButton"))->click();
    ASSERT_EQ(grid->RowCount(), 1);
    EXPECT_EQ(grid->Cells(0, 0), QStringLiteral("File Name"));
    EXPECT_EQ(highlighted(grid, 0, 2 * rowHeight), 0);
    script->fileAnswers = {dir.filePath(QStringLiteral("one.zip"))};
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

TEST_F(WindowChrome, ArchiveDialogsOfferZipFilesThenAllFiles)
{
    for (const char *name : {"newButton", "openButton"}) {
        script->shown.clear();
        form().toolButton(QString::fromLatin1(name))->click();  // answered as cancelled
        ASSERT_EQ(script->shown.size(), 1u) << name;
        EXPECT_EQ(script->shown[0].filter.split(QStringLiteral(";;")),
                  QStringList({QStringLiteral("ZIP Files (*.[zZ][iI][pP])"), QStringLiteral("All files (*)")}))
            << name;
    }
}
