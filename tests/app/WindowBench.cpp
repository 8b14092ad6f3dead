// Runs one extract or add from the main window offscreen, through its real
// dialogs, and prints how long the command took in milliseconds. Used by
// bench/window-operations; not a test.
//
//   orvex_window_bench extract status|log ARCHIVE TARGET_DIR
//   orvex_window_bench add status|log ARCHIVE SOURCE_DIR LEVEL
//   orvex_window_bench open rows|whole ARCHIVE
// The open prints when the first rows were in the grid and when the whole
// listing was; `whole` shows no rows before the read has ended.
#include "TestApplication.h"
#include "app/Application.h"
#include "app/Mainform.h"
#include "controls/DirTree.h"
#include "controls/SortableGrid.h"
#include "dialogs/AddForm.h"
#include "dialogs/ExtractForm.h"
#include "dialogs/RadioGroup.h"
#include "platform/HugePageHeap.h"
#include "platform/Prompts.h"

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSlider>
#include <algorithm>
#include <cstdio>
#include <span>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: orvex_window_bench extract status|log ARCHIVE TARGET_DIR\n"
                         "       orvex_window_bench add status|log ARCHIVE SOURCE_DIR LEVEL\n"
                         "       orvex_window_bench open rows|whole ARCHIVE\n");
    return 2;
}

// Runs `interaction` once the dialog the command opens is up.
void whenShown(QWidget &dialog, std::function<void()> interaction)
{
    QMetaObject::invokeMethod(&dialog, std::move(interaction), Qt::QueuedConnection);
}

// Opens `archive` and prints when its first rows and its whole listing
// were in the grid, in milliseconds from the command.
int timeOpen(const QString &archive, bool rowsOnTheWay)
{
    auto prompts = platform::ScriptedPrompts::install();
    auto windows = ApplicationWindows::create({});
    TMainform &form = *windows->Mainform;
    form.show();
    TZipEngine &engine = form.session().engine;
    QElapsedTimer timer;
    qint64 firstRows = -1;
    int firstCount = 0, batches = 0;
    qint64 showingMicros = 0, slowestMicros = 0;  // the window's time in the hand-overs
    if (rowsOnTheWay) {
        engine.OnMembersRead = [&, show = engine.OnMembersRead](TZipEngine &sender,
                                                                std::span<const ArchiveEntry> members) {
            QElapsedTimer showing;
            showing.start();
            show(sender, members);
            const qint64 took = showing.nsecsElapsed() / 1000;
            showingMicros += took;
            slowestMicros = std::max(slowestMicros, took);
            if (batches++ == 0) {
                firstRows = timer.elapsed();
                firstCount = form.listingGrid->RowCount() - 1;
            }
        };
    } else {
        engine.OnMembersRead = nullptr;
    }
    qint64 listRead = -1;
    engine.OnDirUpdate = [&, fill = engine.OnDirUpdate](TZipEngine &sender) {
        listRead = timer.elapsed();
        fill(sender);
    };
    prompts->fileAnswers.push_back(archive);
    timer.start();
    form.openArchiveCommand();
    const qint64 whole = timer.elapsed();
    const int rows = form.listingGrid->RowCount() - 1;
    if (listRead < 0) {
        std::fprintf(stderr, "the archive was not read\n");
        return 1;
    }
    if (firstRows < 0)
        firstRows = whole;
    std::printf("first rows: %lld ms (%d rows); list read: %lld ms; whole listing: %lld ms (%d rows, %d hand-overs)\n",
                firstRows, rowsOnTheWay ? firstCount : rows, listRead, whole, rows, batches);
    if (rowsOnTheWay)
        std::printf("the window's time in the hand-overs: %lld ms, the slowest %lld ms\n", showingMicros / 1000,
                    slowestMicros / 1000);
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    useOwnSettingsFolder();
    platform::startWithHugePageHeap(argv);  // as orvex97 starts
    OrvexApplication application(argc, argv);
    setUpApplication(application);
    const QStringList args = application.arguments().mid(1);
    const bool extract = args.value(0) == "extract" && args.size() == 4;
    const bool add = args.value(0) == "add" && args.size() == 5;
    const bool open = args.value(0) == "open" && args.size() == 3;
    if (open && (args[1] == "rows" || args[1] == "whole"))
        return timeOpen(args[2], args[1] == "rows");
    if ((!extract && !add) || (args[1] != "status" && args[1] != "log"))
        return usage();
    const QString archive = args[2], directory = args[3];

    auto prompts = platform::ScriptedPrompts::install();  // the count box and the like answer themselves
    auto windows = ApplicationWindows::create({});
    TMainform &form = *windows->Mainform;
    form.show();
    form.showLogAction->setChecked(args[1] == "log");

    QElapsedTimer timer;
    if (extract) {
        prompts->fileAnswers.push_back(archive);
        form.openArchiveCommand();
        TExtract &dialog = *windows->Extract;
        whenShown(dialog, [&dialog, directory] {
            dialog.directoryTree->SelectPath(directory);
            dialog.expandDirsGroup->setItemIndex(1);      // with the members' folders
            dialog.overwriteGroup->setItemIndex(1);       // overwrite
            dialog.filesToExtractGroup->setItemIndex(0);  // all files
            dialog.intoFolderBox->setChecked(false);      // straight into the directory
            dialog.okClicked();
        });
        timer.start();
        form.extractCommand();
    } else {
        prompts->fileAnswers.push_back(archive);
        form.newArchiveFromToolbar();
        TAddForm &dialog = *windows->AddForm;
        const int level = args[4].toInt();
        whenShown(dialog, [&dialog, directory, level] {
            dialog.setDirectory(directory);
            dialog.addDirectoryButton->click();
            dialog.recurseBox->setChecked(true);
            dialog.dirNamesBox->setChecked(true);
            dialog.levelSlider->setValue(level);
            dialog.okButton->click();
        });
        timer.start();
        form.addCommand();
    }
    const qint64 elapsed = timer.elapsed();
    if (form.session().engine.LastResult <= 0) {
        std::fprintf(stderr, "the %s did nothing\n", extract ? "extract" : "add");
        return 1;
    }
    std::printf("%lld\n", elapsed);
    return 0;
}
