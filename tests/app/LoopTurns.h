#pragma once
// Notes when the window's event loop turns, for tests that the window's
// thread stays free while work goes on elsewhere.

#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <pthread.h>
#include <thread>
#include <time.h>
#include <vector>

// Notes every turn of the window's event loop (a zero timer fires whenever
// the loop is free), both on the wall clock and in the window thread's own
// running time. A gap in running time is work the loop did between turns and
// does not grow when the machine is loaded; a gap on the wall clock also
// counts the loop waiting, blocked, on something else.
class LoopTurns {
public:
    using Clock = std::chrono::steady_clock;
    struct Stamp {
        Clock::time_point wall;
        std::chrono::nanoseconds running;
    };
    struct Gap {
        Clock::duration wall{};
        std::chrono::nanoseconds running{};
    };

    explicit LoopTurns(std::function<void()> onTurn = {}) : onTurn_(std::move(onTurn))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            times_.push_back(now());
            ++count_;
            if (onTurn_)
                onTurn_();
        });
        timer_.start(0);
    }
    // Now, from any thread.
    static Stamp now()
    {
        static const pthread_t windowThread = pthread_self();  // the tests' first call is on it
        clockid_t clock;
        timespec running{};
        if (pthread_getcpuclockid(windowThread, &clock) == 0)
            clock_gettime(clock, &running);
        return {Clock::now(), std::chrono::seconds(running.tv_sec) + std::chrono::nanoseconds(running.tv_nsec)};
    }
    int count() const { return count_; }
    // Waits, on the worker, until the loop has turned `n` more times; gives
    // up after two seconds of its own clock, which only a frozen loop takes.
    void waitFor(int n) const
    {
        const int target = count_ + n;
        const auto giveUp = Clock::now() + std::chrono::seconds(2);
        while (count_ < target && Clock::now() < giveUp)
            std::this_thread::yield();
    }
    // The longest spell without a turn from `from` to `to`.
    Gap longestGap(const Stamp &from, const Stamp &to) const
    {
        Gap longest;
        Stamp last = from;
        auto measure = [&](const Stamp &t) {
            longest.wall = std::max(longest.wall, t.wall - last.wall);
            longest.running = std::max(longest.running, t.running - last.running);
            last = t;
        };
        for (const Stamp &t : times_)
            if (t.wall >= from.wall && t.wall <= to.wall)
                measure(t);
        measure(to);
        return longest;
    }

private:
    QTimer timer_;
    std::vector<Stamp> times_;
    std::atomic<int> count_ = 0;
    std::function<void()> onTurn_;
};
