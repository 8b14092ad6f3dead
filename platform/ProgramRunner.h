#pragma once
// Starting a program from a file and waiting for it.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace platform {

// The show-window code for a program's first window shown normally. Linux
// leaves the first window's state to the window manager, so RunProgram takes
// the code and does not use it.
constexpr uint8_t ShowNormal = 1;

// What the program is given: its own path as the first argument, then each
// parameter as one argument. No shell sees it, so spaces and quotes in the
// path or a parameter are plain characters.
QStringList argumentVector(const QString &path, const QStringList &parameters);

// Starts the program at `path` with the caller's environment, in
// `workingDirectory` (empty: ours, which stays as it is); its standard input
// is empty, its output goes where ours goes. False when it cannot be started.
// With `wait` it returns when the program ends, handling the application's
// events meanwhile, and is true only when it exited normally with status 0;
// once `stopRequested` answers true the program is asked to end (SIGTERM).
bool RunProgram(const QString &path, const QStringList &parameters, uint8_t showState, bool wait,
                const QString &workingDirectory = {}, const std::function<bool()> &stopRequested = {});

}  // namespace platform
