#pragma once
// The commands that act on one member of the archive: edit it in the
// internal editor and write it back when changed, or run it as a program.
// Both fetch the member into the program's working directory first.

#include "engine/EngineOptions.h"

#include <QString>
#include <string>
#include <vector>

class ArchiveSession;
class QWidget;
class TF_Editform;

namespace member_commands {

// Boxes go over `parent` throughout.

// Extracts `names` (stored names) into `directory` with `options`, quietly:
// errors come in the operation frame's boxes. False when the window is
// closing, so that nothing follows the cancelled extraction.
bool extractMembers(ArchiveSession &session, QWidget *parent, const QString &directory, std::vector<std::string> names,
                    ExtrOpts options);

// Takes the top selected row as the member (session.memberName) and extracts
// it with its directory names into the working directory, where
// workingCopyOf finds it. A folder row or none: the "No file selected"
// warning, false.
bool fetchMember(ArchiveSession &session, QWidget *parent);

// Edit file: fetches the top selected member, opens it in `editor` and, when
// the editor hands back "update", puts the saved copy back in its place.
// A working copy that cannot be read throws (the application's error box).
void editMember(ArchiveSession &session, QWidget *parent, TF_Editform &editor);

// Execute file: fetches the top selected member and runs it, waiting until it
// ends. A member that cannot be started fails silently.
void executeMember(ArchiveSession &session, QWidget *parent);

// Where the member last chosen lies in the working directory; empty when its
// name leaves the directory or names none.
QString workingCopyOf(const ArchiveSession &session);

}  // namespace member_commands
