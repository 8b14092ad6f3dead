// Renders the main window offscreen, empty and listing an archive.
#include "app/Application.h"
#include "app/Mainform.h"
#include "controls/GradCaption.h"
#include "dialogs/AboutForm.h"
#include "dialogs/MsgForm.h"
#include "dialogs/StatusForm.h"

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
    {
        // The status and message windows as they look in the middle of an add.
        auto windows = ApplicationWindows::create(QStringList{});
        TF_status &status = *windows->F_status;
        status.setWindowTitle(QStringLiteral("Adding file(s)"));
        status.progress().setFileText(QStringLiteral("File: docs/manual.txt"));
        status.progress().model().beginFile(7 * 32768);
        for (int i = 0; i < 4; ++i)
            status.progress().model().fileStep();
        status.progress().update();
        save(status, out.filePath(QStringLiteral("status-window.png")));

        TMsgform &messages = *windows->Msgform;
        messages.clearLog();
        for (const char *line : {"Beginning Add to /home/user/sample.zip", "  adding: readme.txt (stored 0%)",
                                 "  adding: docs/manual.txt (deflated 98%)", "  adding: src/hello.c (deflated 12%)"})
            messages.appendLine(QString::fromLatin1(line));
        messages.progress().setFileText(QStringLiteral("File: src/hello.c"));
        messages.progress().model().beginFile(1000);
        messages.progress().update();
        save(messages, out.filePath(QStringLiteral("message-window.png")));

        save(*windows->F_About, out.filePath(QStringLiteral("about-box.png")));
    }
    return 0;
}
