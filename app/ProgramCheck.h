#pragma once
// Whether a file is one a desktop's opener may run instead of showing: a
// launcher (.desktop), an executable, or a script. A member is only ever run
// through Execute file, on purpose; Open with default application refuses
// these, since an archive can name a launcher "invoice.pdf.desktop".

#include <QString>

namespace program_check {

enum class ProgramKind { None, Launcher, Executable, Script };

// Judged by the name and by the first bytes of the file at `path`: a file
// whose content says "program" counts as one whatever its name says.
ProgramKind programKind(const QString &path);

// Why the member `name` (as the listing shows it) is not opened.
QString refusalText(const QString &name, ProgramKind kind);

}  // namespace program_check
