#include "app/ExternalEditWatch.h"

#include "platform/Prompts.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>

namespace {

std::optional<QByteArray> contentHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return std::nullopt;
    return hash.result();
}

}  // namespace

struct ExternalEditWatch::Watched {
    WorkingCopy copy;
    Member member;
    QPointer<QWidget> parent;
    WriteBack writeBack;
    // The bytes the archive holds, or that the user declined to put there.
    QByteArray knownHash;
    // What the file looked like when last read, to pass over a look that
    // finds it untouched without reading it again.
    qint64 seenSize = -1;
    QDateTime seenModified;
    bool asking = false;

    ~Watched() { std::fill(member.password.begin(), member.password.end(), '\0'); }
};

ExternalEditWatch::ExternalEditWatch()
{
    pause_.setSingleShot(true);
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, &pause_,
                     [this](const QString &path) { changed(path); });
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, &pause_,
                     [this](const QString &path) { changed(path); });
    QObject::connect(&pause_, &QTimer::timeout, [this] {
        const std::set<QString> paths = std::exchange(pending_, {});
        for (const QString &path : paths)
            check(path);
    });
}

ExternalEditWatch::~ExternalEditWatch()
{
    stopAll();
}

void ExternalEditWatch::watch(WorkingCopy copy, Member member, QWidget *parent, WriteBack writeBack)
{
    if (!copy.exists())
        return;
    Watched &watched = watched_.emplace_back();
    watched.member = std::move(member);
    watched.parent = parent;
    watched.writeBack = std::move(writeBack);
    watched.knownHash = contentHash(copy.path()).value_or(QByteArray());
    const QFileInfo info(copy.path());
    watched.seenSize = info.size();
    watched.seenModified = info.lastModified();
    watcher_.addPath(copy.path());
    watcher_.addPath(info.absolutePath());
    watched.copy = std::move(copy);
}

void ExternalEditWatch::archiveChanged(const QString &current)
{
    for (auto it = watched_.begin(); it != watched_.end();) {
        const auto next = std::next(it);
        if (it->member.archive != current && !it->asking)
            end(it);
        it = next;
    }
}

void ExternalEditWatch::stopAll()
{
    pause_.stop();
    pending_.clear();
    for (auto it = watched_.begin(); it != watched_.end();)
        end(it++);
}

bool ExternalEditWatch::isWatching(const QString &path) const
{
    return std::any_of(watched_.begin(), watched_.end(), [&](const Watched &w) { return w.copy.path() == path; });
}

void ExternalEditWatch::changed(const QString &path)
{
    pending_.insert(path);
    pause_.start(pauseMilliseconds);
}

void ExternalEditWatch::check(const QString &path)
{
    // Copies may end their watch while one is asked about: go by path.
    std::vector<QString> copies;
    for (const Watched &w : watched_)
        if (w.copy.path() == path || QFileInfo(w.copy.path()).absolutePath() == path)
            copies.push_back(w.copy.path());
    for (const QString &copy : copies) {
        const auto found =
            std::find_if(watched_.begin(), watched_.end(), [&](const Watched &w) { return w.copy.path() == copy; });
        if (found != watched_.end())
            lookAt(*found);
    }
}

void ExternalEditWatch::lookAt(Watched &watched)
{
    const QString path = watched.copy.path();
    // A file renamed over the copy is another file, while the watcher may
    // still hold the old one: the path is taken up anew.
    if (QFile::exists(path)) {
        watcher_.removePath(path);
        watcher_.addPath(path);
    }
    if (watched.asking)
        return;
    const QFileInfo info(path);
    if (!info.exists() || (info.size() == watched.seenSize && info.lastModified() == watched.seenModified))
        return;
    const std::optional<QByteArray> hash = contentHash(path);
    if (!hash)
        return;
    watched.seenSize = info.size();
    watched.seenModified = info.lastModified();
    if (*hash == watched.knownHash)
        return;
    if (mayAsk && !mayAsk()) {
        // Looked at again once the operation lets it be asked.
        watched.seenSize = -1;
        changed(path);
        return;
    }
    watched.asking = true;
    const bool update = platform::confirmBox(
        watched.parent,
        //: %1 is the member's name
        QCoreApplication::translate("ExternalEditWatch", "%1 was changed in another program. Update it in the archive?")
            .arg(watched.member.name));
    // What came while the question was open is in what is written or declined.
    const std::optional<QByteArray> answered = contentHash(path);
    const QFileInfo now(path);
    if (update && !watched.writeBack(watched.member, watched.copy.folder(), path)) {
        //: %1 is the member's name, %2 the archive's path, %3 the path of the edited copy
        platform::warningBox(watched.parent, QCoreApplication::translate("ExternalEditWatch",
                                                                         "Your changes to \"%1\" were not written into "
                                                                         "%2. They are kept in %3.")
                                                 .arg(watched.member.name, watched.member.archive, path));
    } else {
        watched.knownHash = answered.value_or(*hash);
    }
    watched.seenSize = now.size();
    watched.seenModified = now.lastModified();
    watched.asking = false;
}

void ExternalEditWatch::forget(const QString &path)
{
    const auto watched =
        std::find_if(watched_.begin(), watched_.end(), [&](const Watched &w) { return w.copy.path() == path; });
    if (watched != watched_.end())
        end(watched, false);
}

void ExternalEditWatch::end(std::list<Watched>::iterator watched, bool handedOver)
{
    watcher_.removePath(watched->copy.path());
    const QString folder = QFileInfo(watched->copy.path()).absolutePath();
    if (std::none_of(watched_.begin(), watched_.end(), [&](const Watched &w) {
            return &w != &*watched && QFileInfo(w.copy.path()).absolutePath() == folder;
        }))
        watcher_.removePath(folder);
    if (handedOver)
        watched->copy.keepUntilExit();
    watched_.erase(watched);
}
