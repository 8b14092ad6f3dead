#include "app/EngineWorker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace {

// The events of one call on their way from the worker to the window's
// thread. Tasks run there strictly in the order they were posted, one at a
// time: a task that shows a box does not let a later one overtake it.
class EventChannel : public QObject {
public:
    enum class Kind {
        Report,    // the worker goes on
        Question,  // the worker waits until it has run, and gets what it threw
        Last,      // the call has ended; never throws
    };

    // Queues `task` for the window's thread. Called on the worker.
    void post(std::function<void()> task, Kind kind)
    {
        std::unique_lock lock(mutex_);
        // A report that threw on the window's thread stops the call at the
        // next event, as a handler that throws would.
        if (failure_ && kind != Kind::Last)
            std::rethrow_exception(std::exchange(failure_, nullptr));
        // Reports far faster than the window handles them would pile up
        // without end; the worker waits for the window to catch up instead.
        changed_.wait(lock, [this] { return queue_.size() < MaxQueued; });
        auto done = kind == Kind::Question ? std::make_shared<Outcome>() : nullptr;
        queue_.push_back({std::move(task), done});
        if (!scheduled_) {
            scheduled_ = true;
            // Carries no data: everything travels through the queue.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User));
        }
        if (!done)
            return;
        changed_.wait(lock, [&] { return done->finished; });
        if (done->failure)
            std::rethrow_exception(done->failure);
    }

    // The failure of a report nothing has heard of yet; cleared.
    std::exception_ptr takeFailure()
    {
        std::lock_guard lock(mutex_);
        return std::exchange(failure_, nullptr);
    }

protected:
    bool event(QEvent *event) override
    {
        // The worker made the wake-up under the lock; taking it first makes
        // that hand-over one a race detector sees (Qt's own is not, there).
        {
            std::lock_guard lock(mutex_);
        }
        if (event->type() != QEvent::User)
            return QObject::event(event);
        drain();
        return true;
    }

private:
    struct Outcome {
        bool finished = false;
        std::exception_ptr failure;
    };
    struct Task {
        std::function<void()> run;
        std::shared_ptr<Outcome> waiter;  // null: nobody waits for it
    };

    void drain()
    {
        for (;;) {
            Task task;
            {
                std::lock_guard lock(mutex_);
                if (queue_.empty()) {
                    scheduled_ = false;
                    return;
                }
                task = std::move(queue_.front());
                queue_.pop_front();
            }
            changed_.notify_all();
            std::exception_ptr failure;
            try {
                task.run();
            } catch (...) {
                failure = std::current_exception();
            }
            std::lock_guard lock(mutex_);
            if (task.waiter) {
                task.waiter->finished = true;
                task.waiter->failure = failure;
                changed_.notify_all();
            } else if (failure && !failure_) {
                failure_ = failure;
            }
        }
    }

    static constexpr size_t MaxQueued = 4096;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Task> queue_;
    bool scheduled_ = false;  // a wake-up is on its way to the window's thread
    std::exception_ptr failure_;
};

// The call's events on the worker, each handed to `target` on the window's thread.
class WindowThreadEvents : public orvex::ComponentEvents {
public:
    using Kind = EventChannel::Kind;
    WindowThreadEvents(EventChannel &channel, orvex::ComponentEvents &target) : channel_(channel), target_(target) {}

    void progress(ProgressType type, const std::string &name, int64_t size) override
    {
        channel_.post([this, type, name, size] { target_.progress(type, name, size); }, Kind::Report);
    }
    void readProgress(int64_t members, int64_t done, int64_t total) override
    {
        channel_.post([this, members, done, total] { target_.readProgress(members, done, total); }, Kind::Report);
    }
    // A copy travels: the worker's list grows on while the window shows these.
    void membersRead(std::span<const ArchiveEntry> members) override
    {
        auto copy = std::make_shared<const std::vector<ArchiveEntry>>(members.begin(), members.end());
        channel_.post([this, copy] { target_.membersRead(*copy); }, Kind::Report);
    }
    // An error may bring up a box that cancels the operation: the worker
    // waits for its answer, as it waits for a password.
    void message(int code, const std::string &text) override
    {
        channel_.post([this, code, text] { target_.message(code, text); }, code > 0 ? Kind::Question : Kind::Report);
    }
    void notice(const std::string &text) override
    {
        channel_.post([&] { target_.notice(text); }, Kind::Question);
    }
    orvex::PasswordAnswer password(const std::string &member, int attempt, std::string &password) override
    {
        auto answer = orvex::PasswordAnswer::Cancel;
        channel_.post([&] { answer = target_.password(member, attempt, password); }, Kind::Question);
        return answer;
    }
    bool stopRequested() const override { return target_.stopRequested(); }
    // The handler reads the new list while the worker, which wrote it, waits.
    void directoryUpdated() override
    {
        channel_.post([this] { target_.directoryUpdated(); }, Kind::Question);
    }

private:
    EventChannel &channel_;
    orvex::ComponentEvents &target_;
};

}  // namespace

void EngineWorker::run(orvex::ComponentEvents &target, const std::function<void(orvex::ComponentEvents &)> &call)
{
    // Without an event loop (a test of a command alone) there is nothing to
    // keep live: the call runs here.
    if (!QCoreApplication::instance()) {
        call(target);
        return;
    }
    EventChannel channel;
    WindowThreadEvents events(channel, target);
    std::exception_ptr failure;
    bool finished = false;
    busy_ = true;
    std::thread worker([&] {
        try {
            call(events);
        } catch (...) {
            failure = std::current_exception();
        }
        // Last in the queue: everything the call raised has been handled by
        // the time the window's thread sees this.
        channel.post([&finished] { finished = true; }, EventChannel::Kind::Last);
    });
    while (!finished)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    worker.join();
    busy_ = false;
    if (!failure)
        failure = channel.takeFailure();
    if (failure)
        std::rethrow_exception(failure);
}
