// File > Properties…: the summary's rows as the window words them, and the
// window itself from the menu.

#include "WindowFixture.h"
#include "app/PropertiesCommand.h"
#include "dialogs/PropertiesForm.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <map>

namespace {

std::map<QString, QString> rowMap(const orvex::ArchiveSummary &summary)
{
    std::map<QString, QString> values;
    for (const auto &[label, value] :
         archive_properties::rows(summary, QLocale(QLocale::English, QLocale::UnitedStates)))
        values[label] = value;
    return values;
}

}  // namespace

TEST(PropertyRows, SizesReadRoundedWithTheExactCountAndUnknownsSaySo)
{
    orvex::ArchiveSummary zip;
    zip.path = "/tmp/x.zip";
    zip.format = "ZIP";
    zip.methods = {"Store", "Deflate"};
    zip.sizeOnDisk = 1468006;
    zip.packedSize = 500;
    zip.unpackedSize = 2000;
    zip.files = 1234;
    zip.folders = 2;
    zip.encrypted = 1;
    zip.splitParts = {"x.z01", "x.zip"};
    zip.hasComment = true;

    orvex::ArchiveSummary tar;
    tar.format = "GNU tar format (gzip)";
    tar.sizeOnDisk = 1;
    tar.packedSizeKnown = false;

    const struct {
        const orvex::ArchiveSummary *summary;
        QString label, value;
    } cases[] = {
        {&zip, "Size on disk", "1.4 MB (1,468,006 bytes)"},
        {&zip, "Packed size", "500 bytes"},
        {&zip, "Ratio (packed / unpacked)", "25.0%"},
        {&zip, "Compression", "Store, Deflate"},
        {&zip, "Files", "1,234"},
        {&zip, "Split parts", "2 (x.z01, x.zip)"},
        {&zip, "Comment", "yes"},
        {&zip, "Path", "/tmp/x.zip"},
        {&tar, "Size on disk", "1 byte"},
        {&tar, "Packed size", "unknown"},
        {&tar, "Ratio (packed / unpacked)", "unknown"},
        {&tar, "Split parts", "none"},
        {&tar, "Comment", "none"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label.toStdString());
        EXPECT_EQ(rowMap(*c.summary)[c.label], c.value);
    }
}

class PropertiesWindow : public WindowTest {};

TEST_F(PropertiesWindow, IsOffWithoutAnArchiveAndShowsTheOpenOnesFactsWithItsPathSelectable)
{
    QAction *properties = form().menuAction(QStringLiteral("propertiesAction"));
    ASSERT_NE(properties, nullptr);
    EXPECT_FALSE(properties->isEnabled());

    writeFile(path("a.txt"), QByteArray(3000, 'a'));
    const QString archive = addWithEngine(path("a.zip"), {path("a.txt")});
    open(archive);
    EXPECT_TRUE(properties->isEnabled());
    properties->trigger();
    auto *window = form().findChild<PropertiesForm *>(QStringLiteral("propertiesForm"));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    auto *pathValue = window->findChild<QLabel *>(QStringLiteral("value:Path"));
    ASSERT_NE(pathValue, nullptr);
    EXPECT_EQ(pathValue->text(), archive);
    EXPECT_TRUE(pathValue->textInteractionFlags() & Qt::TextSelectableByMouse);
    EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("value:Files"))->text(), "1");
    window->closeButton->click();
    EXPECT_FALSE(window->isVisible());
}
