#pragma once
// The one application object of a test binary, made by whichever test needs
// it first.

#include "app/Application.h"

inline void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char arg0[] = "app_tests";
    static char *argv[] = {arg0, nullptr};
    auto *application = new OrvexApplication(argc, argv);
    setUpApplication(*application);
}
