#include "platform/Volumes.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>
#include <algorithm>

namespace platform {

namespace {

// Kernel interfaces, memory-backed scratch space, container and sandbox
// plumbing (overlays of an image) and read-only package images: nothing a
// user adds files from or extracts to as a volume of its own. What of them
// lies below "/" is still reached from there.
bool isPseudoFileSystem(const QByteArray &type)
{
    static const QSet<QByteArray> pseudo = {
        "tmpfs",
        "overlay",
        "aufs",
        "shiftfs",
        "fuse.fuse-overlayfs",
        "autofs",
        "binfmt_misc",
        "bpf",
        "cgroup",
        "cgroup2",
        "configfs",
        "debugfs",
        "devpts",
        "devtmpfs",
        "efivarfs",
        "fusectl",
        "hugetlbfs",
        "mqueue",
        "nsfs",
        "proc",
        "pstore",
        "ramfs",
        "rootfs",
        "rpc_pipefs",
        "securityfs",
        "selinuxfs",
        "squashfs",
        "sysfs",
        "tracefs",
        "nfsd",
        "fuse.lxcfs",
        "fuse.snapfuse",
        "fuse.portal",
        "fuse.gvfsd-fuse",
    };
    return pseudo.contains(type);
}

bool isUnder(const QString &path, const QString &directory)
{
    return path == directory || path.startsWith(directory + QLatin1Char('/'));
}

// Mount points of the system itself; removable media mounted below /run/media stay.
bool isSystemMountPoint(const QString &rootPath)
{
    if (isUnder(rootPath, QStringLiteral("/run/media")))
        return false;
    for (const char *system : {"/proc", "/sys", "/dev", "/run", "/var/run", "/var/lock", "/snap"})
        if (isUnder(rootPath, QString::fromLatin1(system)))
            return true;
    return false;
}

}  // namespace

QList<Volume> selectVolumes(const QList<MountPoint> &mounts, const QString &home)
{
    QList<Volume> chosen{Volume{QStringLiteral("/"), QStringLiteral("/")}};
    const QString homeRoot = QDir::cleanPath(home);
    if (!home.isEmpty() && homeRoot != QLatin1String("/"))
        chosen.append(Volume{homeRoot, homeRoot});
    for (const MountPoint &mount : mounts) {
        if (!mount.ready || !mount.directory || mount.rootPath.isEmpty() || isPseudoFileSystem(mount.fileSystemType))
            continue;
        if (mount.rootPath == QLatin1String("/")) {
            if (!mount.label.isEmpty())
                chosen.front().displayName = mount.label;
            continue;
        }
        if (isSystemMountPoint(mount.rootPath))
            continue;
        const bool listed =
            std::any_of(chosen.begin(), chosen.end(), [&](const Volume &v) { return v.rootPath == mount.rootPath; });
        if (!listed)
            chosen.append(Volume{mount.rootPath, mount.label.isEmpty() ? mount.rootPath : mount.label});
    }
    std::sort(chosen.begin() + 1, chosen.end(),
              [](const Volume &a, const Volume &b) { return a.rootPath < b.rootPath; });
    return chosen;
}

QList<Volume> volumes()
{
    QList<MountPoint> mounts;
    for (const QStorageInfo &storage : QStorageInfo::mountedVolumes()) {
        if (!storage.isValid())
            continue;
        mounts.append(MountPoint{storage.rootPath(), storage.fileSystemType(), storage.name(), storage.isReady(),
                                 QFileInfo(storage.rootPath()).isDir()});
    }
    return selectVolumes(mounts, QDir::homePath());
}

int volumeIndexOf(const QList<Volume> &list, const QString &path)
{
    int best = -1;
    for (int i = 0; i < list.size(); ++i) {
        const QString &root = list[i].rootPath;
        const bool holds = root == QLatin1String("/") ? path.startsWith(QLatin1Char('/')) : isUnder(path, root);
        if (holds && (best < 0 || root.size() > list[best].rootPath.size()))
            best = i;
    }
    return best;
}

}  // namespace platform
