#include "app/ProgramCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QMimeType>
#include <initializer_list>

namespace program_check {

namespace {

// The kinds of file the desktop's openers start or install rather than show,
// as the shared MIME database names them. A type also counts through the
// types it inherits from, so a more special launcher or script is caught too;
// scripts come before programs, since most script types inherit from
// application/x-executable.
const struct {
    const char *mimeType;
    ProgramKind kind;
} ProgramTypes[] = {
    {"application/x-desktop", ProgramKind::Launcher},
    {"application/x-ms-shortcut", ProgramKind::Launcher},
    {"application/x-java-jnlp-file", ProgramKind::Launcher},
    {"application/x-shellscript", ProgramKind::Script},
    {"text/x-python", ProgramKind::Script},
    {"text/x-python3", ProgramKind::Script},
    {"application/x-perl", ProgramKind::Script},
    {"application/x-ruby", ProgramKind::Script},
    {"application/x-csh", ProgramKind::Script},
    {"application/x-executable", ProgramKind::Executable},
    {"application/x-pie-executable", ProgramKind::Executable},
    {"application/x-ms-dos-executable", ProgramKind::Executable},
    {"application/x-msdownload", ProgramKind::Executable},
    {"application/vnd.microsoft.portable-executable", ProgramKind::Executable},
    {"application/x-msi", ProgramKind::Executable},
    {"application/vnd.appimage", ProgramKind::Executable},
    {"application/x-iso9660-appimage", ProgramKind::Executable},
    {"application/java-archive", ProgramKind::Executable},
};

ProgramKind kindOf(const QMimeType &type)
{
    for (const auto &program : ProgramTypes)
        if (type.inherits(QString::fromLatin1(program.mimeType)))
            return program.kind;
    return ProgramKind::None;
}

// What the first bytes say, whatever the database knows: a file the kernel
// or the loader runs as it is.
ProgramKind kindOfContent(const QByteArray &start)
{
    if (start.startsWith("\x7F"
                         "ELF")
        || start.startsWith("MZ"))
        return ProgramKind::Executable;
    if (start.startsWith("#!"))
        return ProgramKind::Script;
    return ProgramKind::None;
}

}  // namespace

ProgramKind programKind(const QString &path)
{
    QFile file(path);
    QByteArray start;
    if (file.open(QIODevice::ReadOnly))
        start = file.read(4096);
    if (const ProgramKind kind = kindOfContent(start); kind != ProgramKind::None)
        return kind;
    const QMimeDatabase database;
    const QString name = QFileInfo(path).fileName();
    // The name, the content and both together: an opener may go by either.
    QList<QMimeType> types = database.mimeTypesForFileName(name);
    types << database.mimeTypeForData(start) << database.mimeTypeForFileNameAndData(name, start);
    for (const QMimeType &type : std::as_const(types))
        if (const ProgramKind kind = kindOf(type); kind != ProgramKind::None)
            return kind;
    return ProgramKind::None;
}

QString refusalText(const QString &name, ProgramKind kind)
{
    // Whole sentences, so that a language can make the kind agree with the rest.
    //: %1 is the member's name; "Execute file" is a command of the File menu
    if (kind == ProgramKind::Launcher)
        return QCoreApplication::translate("program_check",
                                           "\"%1\" is a desktop launcher, which the desktop could run instead of "
                                           "showing it, so it is not opened. Execute file runs a "
                                           "member on purpose.")
            .arg(name);
    //: %1 is the member's name; "Execute file" is a command of the File menu
    if (kind == ProgramKind::Executable)
        return QCoreApplication::translate("program_check",
                                           "\"%1\" is a program, which the desktop could run instead of showing it, "
                                           "so it is not opened. Execute file runs a member on purpose.")
            .arg(name);
    //: %1 is the member's name; "Execute file" is a command of the File menu
    return QCoreApplication::translate("program_check",
                                       "\"%1\" is a script, which the desktop could run instead of showing it, so it "
                                       "is not opened. Execute file runs a member on purpose.")
        .arg(name);
}

}  // namespace program_check
