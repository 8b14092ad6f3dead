#pragma once
// Edits made in another program to a member's working copy (the program
// Open with default application or Open with… handed it to) are offered
// back to the archive. Each copy is watched until the archive it came from
// stops being current or the program ends. A change is told by the content:
// editors often save by writing a new file and renaming it over the old one,
// or write it twice, so the watch looks at the copy's folder as well, takes
// the path up again after a change, and asks only when the bytes differ from
// what the archive holds (or what the user last declined).

#include "app/WorkingCopy.h"

#include <QByteArray>
#include <QDateTime>
#include <QFileSystemWatcher>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <list>
#include <set>
#include <string>

class QWidget;

class ExternalEditWatch {
public:
    // What a watched copy is of.
    struct Member {
        QString archive;  // the archive it was fetched from
        QString name;     // as listed
        std::string storedName;
        std::string password;  // the one it was fetched with; wiped when the watch ends
    };
    // Writes the copy at `path` (in `folder`) back as `member`; false when
    // it was not written.
    using WriteBack = std::function<bool(const Member &member, const QString &folder, const QString &path)>;

    ExternalEditWatch();
    ~ExternalEditWatch();
    ExternalEditWatch(const ExternalEditWatch &) = delete;
    ExternalEditWatch &operator=(const ExternalEditWatch &) = delete;

    // Whether a question may be asked now; while it answers false (an
    // operation runs) a change waits. Unset: always.
    std::function<bool()> mayAsk;

    // Watches `copy`, whose bytes the archive holds now; the question goes
    // over `parent`.
    void watch(WorkingCopy copy, Member member, QWidget *parent, WriteBack writeBack);
    // `current` is the archive now current: the copies of any other end
    // their watch, and a change to them is not asked about.
    void archiveChanged(const QString &current);
    void stopAll();
    // The copy at `path` was never handed to a program: its watch ends and
    // the copy goes at once.
    void forget(const QString &path);

    // Looks at the copy at `path` (or the copies in folder `path`) now: asks
    // once when its bytes changed. The watcher calls it a moment after a
    // change, so that a save that writes twice is asked about once.
    void check(const QString &path);
    bool isWatching(const QString &path) const;

    // The pause between a change and the look at it.
    int pauseMilliseconds = 300;

private:
    struct Watched;
    void changed(const QString &path);
    void lookAt(Watched &watched);
    // `handedOver`: another program may still have the copy open, so it
    // stays until ours ends.
    void end(std::list<Watched>::iterator watched, bool handedOver = true);

    QFileSystemWatcher watcher_;
    QTimer pause_;
    std::set<QString> pending_;
    std::list<Watched> watched_;
};
