#include "dialogs/DirectoryChain.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

QString parentOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : path.left(slash);
}

}  // namespace

DirectoryChain::DirectoryChain(QList<platform::Volume> volumes, const QString &start)
{
    directory_ = QStringLiteral("/");
    setVolumes(std::move(volumes));
    setDirectory(start);
}

void DirectoryChain::setVolumes(QList<platform::Volume> volumes)
{
    volumes_ = std::move(volumes);
    const bool hasRoot = std::any_of(volumes_.begin(), volumes_.end(),
                                     [](const platform::Volume &v) { return v.rootPath == QLatin1String("/"); });
    if (!hasRoot)
        volumes_.prepend(platform::Volume{QStringLiteral("/"), QStringLiteral("/")});
    setDirectory(directory_);
}

QString DirectoryChain::existingDirectory(const QString &path)
{
    QString directory = QDir::cleanPath(QDir::current().absoluteFilePath(path.isEmpty() ? QStringLiteral(".") : path));
    while (directory != QLatin1String("/") && !QFileInfo(directory).isDir())
        directory = parentOf(directory);
    return directory;
}

void DirectoryChain::setDirectory(const QString &path)
{
    directory_ = existingDirectory(path);
    volumeIndex_ = std::max(0, platform::volumeIndexOf(volumes_, directory_));
    lastDirectory_.insert(volumeRoot(), directory_);
}

void DirectoryChain::chooseVolume(int index)
{
    if (index < 0 || index >= volumes_.size())
        return;
    const QString root = volumes_[index].rootPath;
    QString target = lastDirectory_.value(root, root);
    // A volume unmounted since: its last directory now belongs to another one.
    if (platform::volumeIndexOf(volumes_, existingDirectory(target)) != index)
        target = root;
    setDirectory(target);
}

QString DirectoryChain::volumeRoot() const
{
    return volumes_[volumeIndex_].rootPath;
}

QList<DirectoryRow> DirectoryChain::rows() const
{
    const QString root = volumeRoot();
    QList<DirectoryRow> result;
    result.append(DirectoryRow{root, volumes_[volumeIndex_].displayName, 0, true});
    QString path = root;
    int level = 0;
    for (const QString &part : directory_.mid(root.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path = (path == QLatin1String("/") ? path : path + QLatin1Char('/')) + part;
        result.append(DirectoryRow{path, part, ++level, true});
    }
    const QDir current(directory_);
    const QStringList subdirectories =
        current.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : subdirectories)
        result.append(DirectoryRow{current.filePath(name), name, level + 1, false});
    return result;
}

int DirectoryChain::currentRow() const
{
    return int(directory_.mid(volumeRoot().size()).split(QLatin1Char('/'), Qt::SkipEmptyParts).size());
}

QStringList DirectoryChain::files() const
{
    // Regular files and links to them: pipes, devices and dangling links
    // (QDir::System) are nothing to compress.
    return QDir(directory_).entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}
