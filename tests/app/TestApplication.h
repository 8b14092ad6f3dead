#pragma once
// The one application object of a test binary, made by whichever test needs
// it first: the program's own, set up as the program sets it up.

#include "app/Application.h"
#include "support/TestApplication.h"

#include <QApplication>

using ziptest::useOwnSettingsFolder;

inline void ensureApplication()
{
    ziptest::ensureApplication([](int &argc, char **argv) -> QApplication * {
        auto *application = new OrvexApplication(argc, argv);
        setUpApplication(*application);
        return application;
    });
}
