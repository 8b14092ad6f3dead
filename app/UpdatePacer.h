#pragma once
// Decides when an operation's windows may repaint and let events through:
// about 30 times a second. Doing it after every callback of the library costs
// more than the work itself when the members are small.

#include <QElapsedTimer>
#include <cstdint>
#include <functional>

class UpdatePacer {
public:
    static constexpr int64_t IntervalMs = 33;
    using Clock = std::function<int64_t()>;  // milliseconds, never going back

    UpdatePacer();
    // The default clock reads this object's timer.
    UpdatePacer(const UpdatePacer &) = delete;
    UpdatePacer &operator=(const UpdatePacer &) = delete;

    // True the first time after restart(), then once IntervalMs have passed
    // since it was last true.
    bool due();
    void restart() { started_ = false; }
    // Tests drive the pacer with a clock of their own.
    void setClock(Clock clock) { clock_ = std::move(clock); }

private:
    Clock clock_;
    QElapsedTimer elapsed_;
    bool started_ = false;
    int64_t last_ = 0;
};
