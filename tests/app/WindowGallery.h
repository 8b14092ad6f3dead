#pragma once
// Every window and dialog of the program, made and shown one after the other
// with what a user sees in it filled in, for the tests that look at all of
// them at once (texts through translation, texts that fit).

#include <QString>
#include <QWidget>

#include <functional>

// Calls `visit` with each window, shown and laid out. The main window of
// `windows` lists an archive already.
struct ApplicationWindows;
void visitEveryWindow(ApplicationWindows &windows,
                      const std::function<void(const QString &name, QWidget &window)> &visit);
