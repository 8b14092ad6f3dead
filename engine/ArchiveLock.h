#pragma once
// One writer of ours at a time per archive. An add or delete writes a new
// archive and renames it over the old one; two at once would both read the
// same old archive, and the later rename would drop the other's change.
//
// The lock is an flock(2) on the archive file itself, or on its directory
// while the archive does not exist yet, so that nothing is created for it.
// A rename-over replaces the file that was locked: after locking, the path
// is checked to still name the locked file (or still nothing), and the lock
// is taken again on what is there now when it does not.
//
// Other programs do not take this lock; it only orders our own writers.

#include <functional>
#include <string>

namespace orvex {

class ArchiveLock {
public:
    enum Outcome {
        Locked,     // held (or nothing could be locked: see lock())
        Busy,       // another writer holds it and waiting was not asked for
        Cancelled,  // `cancelled` said so while waiting
    };

    ArchiveLock() = default;
    ~ArchiveLock();
    ArchiveLock(const ArchiveLock &) = delete;
    ArchiveLock &operator=(const ArchiveLock &) = delete;

    // Locks `archive`. With `wait`, blocks until the holder lets go, calling
    // `onWait` once before it first blocks; before each wait, and whenever a
    // signal interrupts one, it asks `cancelled` and gives up when that says
    // so. When the archive cannot be opened for a reason other than its
    // absence (or its directory cannot be opened, or the file system has no
    // locks), the outcome is Locked without a lock: the writer then meets
    // and reports the same failure itself, or goes on as it did before.
    Outcome lock(const std::string &archive, bool wait, const std::function<void()> &onWait = {},
                 const std::function<bool()> &cancelled = {});
    void unlock();
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

}  // namespace orvex
