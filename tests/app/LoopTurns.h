#pragma once
// Notes when the window's event loop turns, for tests that the window's
// thread stays free while work goes on elsewhere.

#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

// Notes the time of every turn of the window's event loop: a zero timer
// fires whenever the loop is free.
class LoopTurns {
public:
    using Clock = std::chrono::steady_clock;

    explicit LoopTurns(std::function<void()> onTurn = {}) : onTurn_(std::move(onTurn))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            times_.push_back(Clock::now());
            ++count_;
            if (onTurn_)
                onTurn_();
        });
        timer_.start(0);
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
    // The longest time without a turn from `from` to `to`.
    Clock::duration longestGap(Clock::time_point from, Clock::time_point to) const
    {
        Clock::duration longest{};
        Clock::time_point last = from;
        for (const Clock::time_point t : times_) {
            if (t < from || t > to)
                continue;
            longest = std::max(longest, t - last);
            last = t;
        }
        return std::max(longest, to - last);
    }

private:
    QTimer timer_;
    std::vector<Clock::time_point> times_;
    std::atomic<int> count_ = 0;
    std::function<void()> onTurn_;
};
