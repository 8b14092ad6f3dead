#include "platform/Volumes.h"

#include <gtest/gtest.h>

// The one rule behind the add dialog's drives and the extract dialog's tree:
// real file systems and the user's home, never memory-backed, kernel or
// sandbox mounts.
TEST(Volumes, RealFileSystemsAndTheHomeOnly)
{
    const QList<platform::MountPoint> mounts = {
        {"/", "overlay", {}},
        {"/tmp", "tmpfs", {}},
        {"/mnt/sandbox/tools", "tmpfs", {}},
        {"/var/lib/containers/storage/overlay/1/merged", "overlay", {}},
        {"/home/anna/.local/share/sandbox", "fuse.fuse-overlayfs", {}},
        {"/sys/fs/cgroup", "tmpfs", {}},
        {"/sys/fs/cgroup/cpu", "cgroup", {}},
        {"/srv/data", "xfs", "DATA"},
        {"/media/anna/STICK", "vfat", "STICK"},
        {"/home/anna", "ext4", {}},  // the home on a partition of its own: listed once
    };
    const struct {
        const char *home;
        QStringList roots;
    } cases[] = {
        {"/home/anna", {"/", "/home/anna", "/media/anna/STICK", "/srv/data"}},
        {"/home/bob/", {"/", "/home/anna", "/home/bob", "/media/anna/STICK", "/srv/data"}},
        {"/", {"/", "/home/anna", "/media/anna/STICK", "/srv/data"}},
        {"", {"/", "/home/anna", "/media/anna/STICK", "/srv/data"}},
    };
    for (const auto &c : cases) {
        QStringList roots;
        for (const platform::Volume &v : platform::selectVolumes(mounts, QString::fromLatin1(c.home)))
            roots << v.rootPath;
        EXPECT_EQ(roots, c.roots) << c.home;
    }
}
