#pragma once
// Runs one call of the archive component on a worker thread while the
// window's thread goes on handling its events, so that the window repaints,
// moves and scrolls however long the call takes.
//
// The call is handed events that take each of its events to the window's
// thread, in the order they were raised. Reports (progress, notes of code 0,
// the members a read has met so far) are queued and the worker goes on;
// anything that may ask the user (an error, a password, a notice box) or
// that reads the component (the refilled list) runs while the worker waits
// for it. A stop request is read where it
// is asked, since it is only ever an atomic flag.

#include "engine/ComponentEvents.h"

#include <functional>

class EngineWorker {
public:
    // Runs `call` on a worker and returns once it has ended and every event
    // it raised has been handled by `target` on this thread; what `call`
    // threw is thrown here. Called on the window's thread, which handles its
    // events meanwhile.
    void run(orvex::ComponentEvents &target, const std::function<void(orvex::ComponentEvents &)> &call);

    // True while a call runs.
    bool busy() const { return busy_; }

private:
    bool busy_ = false;
};
