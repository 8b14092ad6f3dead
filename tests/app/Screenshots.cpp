// Renders the main window offscreen, empty and listing an archive.
#include "app/Application.h"
#include "app/Mainform.h"
#include "controls/GradCaption.h"

#include <QDir>
#include <QLocale>
#include <QPixmap>
#include <cstdio>

static void save(QWidget &window, const QString &path, bool active = true)
{
    window.show();
    QApplication::processEvents();
    if (!renderWithCaption(&window, active).save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

int main(int argc, char **argv)
{
    OrvexApplication application(argc, argv);
    setUpApplication(application);
    if (argc < 3) {
        std::fprintf(stderr, "usage: orvex_screenshots OUTPUT_DIR SAMPLE_ARCHIVE\n");
        return 2;
    }
    // A common regional setting, so that the pictures do not depend on the machine's.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QDir out(QString::fromLocal8Bit(argv[1]));
    {
        TMainform empty{QStringList{}};
        empty.FormActivate();
        save(empty, out.filePath(QStringLiteral("main-window-empty.png")));
    }
    {
        TMainform listing{QStringList{QString::fromLocal8Bit(argv[2])}};
        listing.FormActivate();
        save(listing, out.filePath(QStringLiteral("main-window.png")));
        save(listing, out.filePath(QStringLiteral("main-window-inactive.png")), false);
    }
    return 0;
}
