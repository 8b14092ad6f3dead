#pragma once
// Runs one call of the archive component on a worker thread while the
// window's thread goes on handling its events, so that the window repaints,
// moves and scrolls however long the call takes.
//
// For the length of the call the component's events are handed to the
// window's thread in the order the component raises them. Reports (progress,
// notes of code 0) are queued and the worker goes on; anything that may ask
// the user (an error, a password, a notice box) or that reads the component
// (the refilled list) runs while the worker waits for it.

#include "engine/ZipEngine.h"

#include <functional>

class EngineWorker {
public:
    explicit EngineWorker(TZipEngine &engine) : engine_(engine) {}

    // Runs `call` on a worker and returns once it has ended and every event
    // it raised has been handled; what `call` threw is thrown here. Called
    // on the window's thread, which handles its events meanwhile.
    void run(const std::function<void()> &call);

    // True while a call runs.
    bool busy() const { return busy_; }

private:
    TZipEngine &engine_;
    bool busy_ = false;
};
