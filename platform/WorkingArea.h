#pragma once
// This run's share of the working directory. Copies of members (opened,
// edited, run, dragged out) may be the plaintext of encrypted ones, so none
// may outlive its use: each command gets a folder of its own, which it
// removes when done, inside a folder of this run's, which goes when the
// program ends. A run that crashed leaves its folder behind; the next start
// removes it once no running instance holds its lock.
//
// Nothing is ever removed, changed or locked through a link: a working
// directory that is a link, no folder, another user's or open to others is
// left as it is, and this run keeps its copies in a new private folder under
// the system's temporary directory instead.

#include "platform/AppDirectory.h"

#include <QString>
#include <utility>

namespace platform {

class WorkingArea {
public:
    // Makes nothing until the first newFolder().
    explicit WorkingArea(QString root = appDirectoryPath()) : root_(std::move(root)) {}
    // Removes this run's folder with every copy still in it.
    ~WorkingArea();
    WorkingArea(const WorkingArea &) = delete;
    WorkingArea &operator=(const WorkingArea &) = delete;

    // A new empty folder (mode 0700, ending in '/') for one command's
    // copies. Throws std::runtime_error when it cannot be made.
    QString newFolder();
    // This run's folder, ending in '/'; empty until the first newFolder().
    const QString &runFolder() const { return runFolder_; }

    // Removes what earlier runs left under `root` (a directory): everything
    // but the folders of runs still going. Called once at start. Returns,
    // for the user, why `root` was not touched at all, or why a folder in
    // it was left alone; empty when neither happened.
    static QString removeLeftovers(const QString &root = appDirectoryPath());

    // Removes `folder` and all it holds; links inside are removed, never
    // followed, and so is `folder` itself when it is one. Does nothing for
    // an empty name.
    static void removeFolder(const QString &folder);

private:
    void claimRunFolder();

    QString root_;
    // The private folder made instead of an unusable root, removed with the run.
    QString substituteRoot_;
    QString runFolder_;
    int lockFd_ = -1;  // held with flock() for as long as this run lives
};

}  // namespace platform
