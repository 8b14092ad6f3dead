#pragma once
// A small pool of worker threads for one call of the library. Tasks run in
// the order they were submitted; the destructor lets the queued ones finish
// (a cancelled job's tasks return at once) and joins the threads.

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace zipeng {

class WorkerPool {
public:
    explicit WorkerPool(unsigned threads);
    ~WorkerPool();
    WorkerPool(const WorkerPool &) = delete;
    WorkerPool &operator=(const WorkerPool &) = delete;

    unsigned size() const { return unsigned(threads_.size()); }

    template <typename F>
    auto submit(F &&function) -> std::future<decltype(function())>
    {
        using Result = decltype(function());
        auto task = std::make_shared<std::packaged_task<Result()>>(std::forward<F>(function));
        auto future = task->get_future();
        enqueue([task] { (*task)(); });
        return future;
    }

    // Worker count for this machine: one per core, at least one.
    static unsigned defaultThreads();

private:
    void enqueue(std::function<void()> task);
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> queue_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

}  // namespace zipeng
