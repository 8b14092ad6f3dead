// Opens an archive in the main window offscreen and prints how long reading
// and filling the grid took, how long a sort by each column took, and the
// process's peak memory. Used by bench/listing; not a test.
#include "TestApplication.h"
#include "app/Application.h"
#include "app/Mainform.h"
#include "controls/SortableGrid.h"
#include "platform/HugePageHeap.h"

#include <QElapsedTimer>
#include <QLocale>
#include <algorithm>
#include <cstdio>
#include <fstream>
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
    return 0;
}
