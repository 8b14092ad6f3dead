#pragma once
// The commands that act on one member of the archive: edit it in the
// internal editor and write it back when changed, or run it as a program.
// Both fetch the member into the program's working directory first.

#include "engine/EngineOptions.h"

#include <QString>
#include <string>
#include <vector>

class TF_Editform;
class TMainform;

namespace member_commands {

// Extracts `names` (stored names) into `directory` with `options`, quietly:
// errors come in the operation frame's boxes. False when the window is
// closing, so that nothing follows the cancelled extraction.
bool extractMembers(TMainform &form, const QString &directory, std::vector<std::string> names, ExtrOpts options);

// Takes the top selected row as the member (form.MemberName) and extracts it
// with its directory names into the working directory, where workingCopyOf
// finds it. A folder row or none: the "No file selected" warning, false.
bool fetchMember(TMainform &form);

// Edit file: fetches the top selected member, opens it in `editor` and, when
// the editor hands back "update", puts the saved copy back in its place.
// A working copy that cannot be read throws (the application's error box).
void editMember(TMainform &form, TF_Editform &editor);

// Execute file: fetches the top selected member and runs it, waiting until it
// ends. A member that cannot be started fails silently.
void executeMember(TMainform &form);

// Where the member last chosen lies in the working directory; empty when its
// name leaves the directory or names none.
QString workingCopyOf(const TMainform &form);

}  // namespace member_commands
