#pragma once
// The volumes a user picks from where the program offers "drives": the root
// file system, every other mounted real file system and the user's home.

#include <QByteArray>
#include <QList>
#include <QString>

namespace platform {

struct Volume {
    QString rootPath;     // "/", "/media/anna/STICK"
    QString displayName;  // the file system's label, else the root path
};

// The mounted volumes and the home directory, "/" first, the others by root path.
QList<Volume> volumes();

// One mount as the system reports it; what volumes() chooses from.
struct MountPoint {
    QString rootPath;
    QByteArray fileSystemType;
    QString label;
    bool ready = true;
    bool directory = true;  // a bind mount of a single file is not a volume
};

// Leaves out pseudo, memory-backed, overlay and system file systems, mounts
// that are not ready and mounts of single files, keeps one volume per root
// path, always lists "/" and lists the user's `home` (when given) as a volume
// of its own. The add dialog's drive list and the extract dialog's tree both
// show these.
QList<Volume> selectVolumes(const QList<MountPoint> &mounts, const QString &home = QString());

// The index in `list` of the volume holding `path`: the one with the longest
// root path that is `path` itself or one of its parent directories; -1 when none.
int volumeIndexOf(const QList<Volume> &list, const QString &path);

}  // namespace platform
