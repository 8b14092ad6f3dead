#pragma once
// The chain of the add dialog's browsing controls without the widgets: the
// chosen volume, the current directory, the rows of the directory list and
// the names of the file list.

#include "platform/Volumes.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct DirectoryRow {
    QString path;
    QString text;       // the directory's own name; the volume's display name for its root
    int level = 0;      // indentation: 0 for the volume's root
    bool open = false;  // on the way from the root down to the current directory, which is open too
};

class DirectoryChain {
public:
    // Starts in `start` (or the nearest directory above it that exists).
    DirectoryChain(QList<platform::Volume> volumes, const QString &start);

    const QList<platform::Volume> &volumes() const { return volumes_; }
    int volumeIndex() const { return volumeIndex_; }
    const QString &directory() const { return directory_; }

    // Replaces the volumes, after a mount or an unmount; the directory stays.
    void setVolumes(QList<platform::Volume> volumes);
    // Makes `path` the current directory, or, when it is gone, the nearest
    // directory above it; the volume follows.
    void setDirectory(const QString &path);
    // Goes to the directory last shown on that volume, or to its root.
    void chooseVolume(int index);

    // The directories from the volume's root down to the current directory,
    // then the current directory's subdirectories. Reads the disk.
    QList<DirectoryRow> rows() const;
    // The row of the current directory in rows().
    int currentRow() const;
    // The names of every file in the current directory. Reads the disk.
    QStringList files() const;

    // `path` made absolute and clean, then walked up to a directory that exists.
    static QString existingDirectory(const QString &path);

private:
    QString volumeRoot() const;

    QList<platform::Volume> volumes_;
    int volumeIndex_ = 0;
    QString directory_;
    QHash<QString, QString> lastDirectory_;  // per volume root
};
