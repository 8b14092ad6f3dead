#pragma once
// What every test of the main window starts from: the program's application
// object, an English (United States) locale, scripted prompts, a temporary
// folder, a cache folder of its own and the program's windows; with helpers
// to make archives, open them through the window and read the listing.

#include "TestApplication.h"
#include "app/Application.h"
#include "app/Mainform.h"
#include "controls/SortableGrid.h"
#include "engine/ZipEngine.h"
#include "platform/Prompts.h"
#include "support/ArchiveBuilder.h"

#include <QFileDevice>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "QStringPrinter.h"

// Writes `bytes` to `path`, making its folder first; `permissions` when given.
void writeFile(const QString &path, const QByteArray &bytes, QFileDevice::Permissions permissions = {});
// The file's bytes; empty when it cannot be read.
QByteArray readBytes(const QString &path);

// Adds `sources` with the engine to a new `archive`, as the command line of the
// engine takes them (relative to `baseDir` when one is given), and expects
// every one of them added.
QString addWithEngine(const QString &archive, const QStringList &sources, AddOpts options = {},
                      const QString &baseDir = {});

// A stored member as a DOS program writes it: no Unix attributes, made on
// 1 January 1980 at midnight unless told.
ziptest::Member dosMember(const QString &name, const QByteArray &data, uint16_t date = 0x21, uint16_t time = 0);

class WindowTest : public ::testing::Test {
protected:
    enum class Windows { AtSetUp, ByTheTest };
    explicit WindowTest(Windows when = Windows::AtSetUp) : windowsAtSetUp_(when == Windows::AtSetUp) {}
    ~WindowTest() override;

    void SetUp() override;
    // Also fails a test that left the process in another directory: that
    // would break every later relative path.
    void TearDown() override;

    // Closes the windows there are and makes them anew, as a start of the
    // program with these arguments would.
    TMainform &openWindows(const QStringList &arguments = {});

    TMainform &form() { return *windows->Mainform; }
    TSortableGrid &grid() { return *windows->Mainform->listingGrid; }
    TZipEngine &engine() { return windows->Mainform->session().engine; }

    // `relative` below the temporary folder.
    QString path(const QString &relative) const { return root + QLatin1Char('/') + relative; }
    // Writes `bytes` as the archive `name` in the temporary folder.
    QString writeArchive(const QString &name, const std::string &bytes) const;

    // Opens `archive` through Open archive.
    void open(const QString &archive);
    // Names a new archive in the temporary folder through New archive.
    QString newArchive(const QString &name = QStringLiteral("out.zip"));

    // The listing's column `col`, without the title row.
    std::vector<QString> column(int col);
    void selectRows(int top, int bottom) { grid().setSelection(TGridRect{0, top, 3, bottom}); }
    // The members of the current archive, in archive order.
    std::vector<std::string> storedNames();

    // The files and links under the working directory (its locks aside),
    // relative to it: copies of members that are still there.
    QStringList copiesLeft() const;

    const platform::PromptRecord &lastShown() const { return script->shown.back(); }
    // The texts of the message boxes shown so far.
    QStringList messages() const { return script->messageTexts(); }

    std::shared_ptr<platform::ScriptedPrompts> script;
    QTemporaryDir dir;
    QTemporaryDir cache;
    QString root;     // the temporary folder, without a final '/'
    QString workDir;  // where members are extracted for editing and opening
    QString savedDirectory;
    std::unique_ptr<ApplicationWindows> windows;

private:
    bool windowsAtSetUp_;
};
