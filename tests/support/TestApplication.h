#pragma once
// The one application object of a test program. Tests run offscreen with a
// settings folder (and a data folder, which holds the Trash) of this
// process's own, so that no run reads another's or the user's, and each test
// starts with the settings cleared.

#include <functional>

class QApplication;

namespace ziptest {

// Makes the application object from argc and argv (a plain QApplication
// when none is given).
using ApplicationFactory = std::function<QApplication *(int &argc, char **argv)>;

// Points the settings and the data at this process's own folder; before the
// application object exists.
void useOwnSettingsFolder();

// Makes the application object the first time, then clears the settings.
QApplication &ensureApplication(const ApplicationFactory &make = {});

}  // namespace ziptest
