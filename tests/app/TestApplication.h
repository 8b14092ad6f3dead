#pragma once
// The one application object of a test binary, made by whichever test needs
// it first.

#include "app/Application.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

// Settings (recent archives, the window's place) go to a folder of this
// process's own, so that no run reads another's or the user's. Call before
// the application object exists.
inline void useOwnSettingsFolder()
{
    static QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
}

inline void ensureApplication()
{
    if (!QCoreApplication::instance()) {
        useOwnSettingsFolder();
        static int argc = 1;
        static char arg0[] = "app_tests";
        static char *argv[] = {arg0, nullptr};
        auto *application = new OrvexApplication(argc, argv);
        setUpApplication(*application);
    }
    // Every test starts with no remembered archives and no remembered window place.
    QSettings().clear();
}
