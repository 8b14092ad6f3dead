#pragma once
// The modes a file manager's menu starts orvex97 in (extract here, extract
// to, compress, add to), read from the command line before any window is
// made.

#include <QString>
#include <QStringList>

namespace batch {

enum class Mode {
    None,         // no batch option: the window opens as usual
    ExtractHere,  // each archive into the folder that holds it
    ExtractTo,    // each archive into `target`
    ExtractAsk,   // the extract dialog asks where
    Compress,     // a dialog asks for the new archive's name and format
    AddTo,        // into the archive `target`, without asking
};

struct Arguments {
    Mode mode = Mode::None;
    QString target;     // --extract-to's folder or --add-to's archive, absolute
    QStringList files;  // absolute and clean
    QString error;      // set: the command line is wrong, and this says how
};

// `arguments` are those after the program's path; paths are taken relative
// to `currentDir`, and file:// URLs as the paths they name.
Arguments parse(const QStringList &arguments, const QString &currentDir);

// What --help says of the modes.
QString usageText();

}  // namespace batch
