#include "support/TestApplication.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace ziptest {

void useOwnSettingsFolder()
{
    static QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path() + QStringLiteral("/config")));
    // The desktop's Trash too: an archive a test deletes goes there.
    qputenv("XDG_DATA_HOME", QFile::encodeName(folder.path() + QStringLiteral("/data")));
}

QApplication &ensureApplication(const ApplicationFactory &make)
{
    static QApplication *application = nullptr;
    if (!application) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        useOwnSettingsFolder();
        static int argc = 1;
        static char arg0[] = "orvex_tests";
        static char *argv[] = {arg0, nullptr};
        application = make ? make(argc, argv) : new QApplication(argc, argv);
    }
    QSettings().clear();
    return *application;
}

}  // namespace ziptest
