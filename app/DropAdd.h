#pragma once
// Files and folders dropped on the main window from a file manager are added
// to the open archive as the add command adds them: same engine call,
// operation frame and status window, with the add dialog's current level and
// boxes. Each item is stored relative to its own folder, folders with
// everything under them.

#include "engine/EngineOptions.h"

#include <QStringList>
#include <functional>

class QMimeData;
class ArchiveSession;
class QObject;
class QWidget;
class TAddForm;
struct AddFormChoices;

namespace drop_add {

// The local files and folders among the dropped URLs, as absolute paths;
// other URLs are left out.
QStringList localPaths(const QMimeData &mime);

// Whether `window` takes `mime` now: it names a local file, no operation
// runs, and it is not a drag of the window's own members (`source`).
bool accepts(const ArchiveSession &session, const QObject *window, const QMimeData *mime, const QObject *source);

// The dialog's options for a drop: names are kept and folders recursed
// whatever its boxes say, and the sources are never deleted.
AddOpts addOptionsFor(const AddFormChoices &choices);

// Adds `paths` with the level and boxes of `addDialog` (the defaults
// without one). With no archive open, asks whether to make one and, on yes,
// calls `createArchive` (New's dialog); nothing happens unless it named one.
// Boxes go over `parent`.
void addDropped(ArchiveSession &session, QWidget *parent, const TAddForm *addDialog, const QStringList &paths,
                const std::function<void()> &createArchive);

}  // namespace drop_add
