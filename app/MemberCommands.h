#pragma once
// The commands that act on one member of the archive: edit it in the
// internal editor and write it back when changed, or run it as a program.
// Both fetch the member into a folder of its own under the working area,
// which they remove when they are done.

#include "app/WorkingCopy.h"
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
// errors come in the operation frame's boxes. Each password the user gives
// is put in `password` when set. False when the window is closing, so that
// nothing follows the cancelled extraction. Members under `baseFolder`
// (stored form) land relative to it.
bool extractMembers(ArchiveSession &session, QWidget *parent, const QString &directory, std::vector<std::string> names,
                    ExtrOpts options, std::string *password = nullptr, const std::string &baseFolder = {});

// Takes the top selected row as the member (session.memberName) and extracts
// it, with its directory names, as a private copy (no execute bits, readable
// by the user alone) into a new folder of the working area. A folder row or
// none: the "No file selected" warning and no folder. The copy has no path
// when the extraction refused or failed to write it (it has said why).
WorkingCopy fetchMember(ArchiveSession &session, QWidget *parent, std::string *password = nullptr);

// The warning for a member that is a symbolic link: nothing is opened,
// edited or run through it.
void refuseLink(QWidget *parent, const QString &member);

// A member's copy that was changed, and what putting it back needs.
struct EditedCopy {
    QString memberName;      // as listed
    std::string storedName;  // its stored bytes
    QString folder;          // the copy's folder, which its stored name is relative to
    QString path;            // the copy
};

// Puts `copy` back into the archive in the member's place under the same
// stored name (a name from another system's code page comes back decoded),
// encrypted again with `password` when the member was (without it, in the
// clear only when the user says so), through the add's new archive, so that
// a failure leaves the archive as it was; the copy goes once it is in. The
// listing is read again. False when it was not written back; the copy is
// then where it was.
bool writeBack(ArchiveSession &session, QWidget *parent, const EditedCopy &copy, const std::string &password);

// Edit file: fetches the top selected member, opens it in `editor` and, when
// the editor hands back "update", puts the saved copy back in its place,
// encrypted again when the member was. A working copy that cannot be read
// throws (the application's error box).
void editMember(ArchiveSession &session, QWidget *parent, TF_Editform &editor);

// Execute file: fetches the top selected member and runs it, waiting until it
// ends. A member that cannot be started fails silently.
void executeMember(ArchiveSession &session, QWidget *parent);

}  // namespace member_commands
