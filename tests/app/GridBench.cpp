// Opens an archive in the main window offscreen and prints how long reading
// and filling the grid took, how long a sort by each column took, and the
// process's peak memory. Used by bench/listing; not a test.
#include "TestApplication.h"
#include "app/Application.h"
#include "app/GridSelection.h"
#include "app/Mainform.h"
#include "controls/SortableGrid.h"
#include "platform/HugePageHeap.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

static long peakKib()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

int main(int argc, char **argv)
{
    useOwnSettingsFolder();
    platform::startWithHugePageHeap(argv);  // as orvex97 starts
    OrvexApplication application(argc, argv);
    setUpApplication(application);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orvex_grid_bench ARCHIVE\n");
        return 2;
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QElapsedTimer timer;
    timer.start();
    TMainform form{QStringList{QString::fromLocal8Bit(argv[1])}};
    form.show();
    form.applyCommandLineArchive();  // the first activation reads the archive and fills the grid
    QApplication::processEvents();
    const long long openAndFill = timer.elapsed();
    const int members = form.listingGrid->RowCount() - 1;
    std::printf("open and fill: %lld ms, %d rows\n", openAndFill, members);
    long long slowestSort = 0;

    const char *titles[] = {"name", "compressed size", "size", "date/time"};
    for (int col = 0; col < 4; ++col) {
        for (auto order : {soAscending, soDescending}) {
            TSortOptions options;
            options.Mode = smDetect;
            options.Order = order;
            timer.restart();
            form.listingGrid->SortColumn(col, options);
            QApplication::processEvents();
            const long long sort = timer.elapsed();
            slowestSort = std::max(slowestSort, sort);
            std::printf("sort by %s %s: %lld ms\n", titles[col], order == soAscending ? "ascending" : "descending",
                        sort);
        }
    }
    std::printf("grid: %d members, open+fill %lld ms, slowest sort %lld ms, peak %ld MB\n", members, openAndFill,
                slowestSort, peakKib() / 1024);

    // The folder view: switching to it, then down the first subfolder at
    // each level and back up, timing the slowest step of each kind.
    auto timed = [&timer](const std::function<void()> &step) {
        timer.restart();
        step();
        QApplication::processEvents();
        return timer.elapsed();
    };
    QAction *asFolders = form.menuAction(QStringLiteral("foldersViewAction"));
    const long long toFolders = timed([&] { asFolders->trigger(); });
    long long slowestEnter = 0, slowestUp = 0;
    int depth = 0;
    for (;; ++depth) {
        const int folderRow = form.listingGrid->FixedRows();
        if (form.listingGrid->RowCount() <= folderRow
            || GridSelection::folderOfTag(form.listingGrid->Objects(0, folderRow)) < 0)
            break;
        form.listingGrid->GoToCell(0, folderRow);
        const QString path = form.findChild<QLineEdit *>(QStringLiteral("folderPathLine"))->text();
        slowestEnter = std::max(slowestEnter, timed([&] { form.openWithDefaultCommand(); }));
        if (form.findChild<QLineEdit *>(QStringLiteral("folderPathLine"))->text() == path)
            break;
    }
    for (int level = 0; level < depth; ++level)
        slowestUp = std::max(slowestUp, timed([&] { form.goUpCommand(); }));
    std::printf("folders: switch %lld ms, slowest enter %lld ms, slowest up %lld ms (%d levels)\n", toFolders,
                slowestEnter, slowestUp, depth);

    // The filter, typed one key at a time over the whole archive, in both views.
    auto *filter = form.findChild<QLineEdit *>(QStringLiteral("filterField"));
    for (QAction *view : {form.menuAction(QStringLiteral("flatViewAction")), asFolders}) {
        view->trigger();
        QApplication::processEvents();
        long long first = 0, slowest = 0;
        const QString typed = QStringLiteral("member1");
        for (int i = 1; i <= typed.size(); ++i) {
            const long long key = timed([&] { filter->setText(typed.left(i)); });
            (i == 1 ? first : slowest) = std::max(i == 1 ? first : slowest, key);
        }
        const long long cleared = timed([&] { filter->clear(); });
        std::printf("filter (%s): first key %lld ms, slowest next key %lld ms, cleared %lld ms\n",
                    view == asFolders ? "folders" : "flat list", first, slowest, cleared);
    }
    std::printf("folders: %d members, switch %lld ms, enter %lld ms, up %lld ms, peak %ld MB\n", members, toFolders,
                slowestEnter, slowestUp, peakKib() / 1024);
    return 0;
}
