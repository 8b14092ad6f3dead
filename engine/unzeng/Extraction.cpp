#include "engine/unzeng/Extraction.h"

#include "engine/common/Directory.h"
#include "engine/common/MessageCode.h"
#include "engine/common/SystemCalls.h"
#include "engine/common/Umask.h"
#include "engine/unzeng/Decoders.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace unzeng {

namespace {

constexpr uint64_t StepSize = 32 * 1024;
// Items (files in flight, messages) held between planning and reporting.
constexpr size_t WindowLimit = 64;
// Each worker may hold two buffers of up to WholeMemberLimit.
constexpr size_t MaxWorkers = 4;

std::string describe(int err)
{
    return std::strerror(err);
}

const char *verbFor(uint16_t method)
{
    return method == MethodDeflated ? "  inflating: " : " extracting: ";
}

}  // namespace

Extraction::Extraction(const UnzipCallRecord &record, Reporter &reporter)
    : reporter_(reporter), plan_(record, reporter, *this), settings_(plan_.settings())
{
    archiveName_ = record.ArchiveName ? record.ArchiveName : "";
    target_ = record.BaseDirectory ? record.BaseDirectory : ".";
    nameCharset_ = record.NameCharset ? record.NameCharset : "";
    if (settings_.test && record.MemberData)
        outlet_ = std::make_unique<MemberOutlet>(record.MemberData, record.Instance);
}

Extraction::~Extraction()
{
    cancel_ = true;
    stopWorkers();
    cleanUp();
}

void Extraction::extractAll()
{
    if (!plan_.checkRequest())
        return;
    if (archiveName_.empty()) {
        say(CodeNotAnArchive, "no archive name was given");
        return;
    }
    if (!file_.open(archiveName_)) {
        say(CodeNotAnArchive, file_.problem().empty() ? "cannot open " + archiveName_ + ": " + describe(file_.error())
                                                      : archiveName_ + ": " + file_.problem());
        return;
    }
    if (!file_.isRegularFile()) {
        say(CodeNotAnArchive, archiveName_ + " is not a regular file");
        return;
    }
    std::string error;
    // A walk of local headers decodes streamed members to find their ends;
    // the caller may stop it meanwhile.
    struct Stopped {};
    try {
        if (!readArchiveIndex(file_, index_, error, [this](uint64_t, uint64_t, uint64_t) {
                if (reporter_.working(std::chrono::milliseconds(100)))
                    throw Stopped{};
            })) {
            say(CodeNotAnArchive, archiveName_ + ": " + error);
            return;
        }
    } catch (const Stopped &) {
        return;
    }
    decodeMemberNames(index_, nameCharset_.c_str());
    if (!info("Archive:  " + archiveName_))
        return;
    if (index_.walked
        && !say(CodeWarning, "warning: " + archiveName_
                                 + " has no usable central directory; its members were found by their local headers"))
        return;
    for (const std::string &damage : index_.damage)
        if (!say(CodeArchiveError, archiveName_ + ": " + damage))
            return;
    if (settings_.trace
        && !say(0, index_.walked ? std::to_string(index_.members.size()) + " members found by their local headers"
                                 : std::to_string(index_.members.size()) + " members, central directory at offset "
                                       + std::to_string(index_.directoryOffset)))
        return;

    const std::vector<bool> selected = plan_.selectMembers(index_);

    // Everything is created relative to this descriptor; the process's
    // current directory is neither used nor changed when a target is named.
    // A test neither opens nor needs the target: its tree stays empty.
    const int root = settings_.test ? -1 : common::openSearchableDirectory(target_, O_RDONLY);
    if (root < 0 && !settings_.test) {
        say(CodeWriteError, "cannot open the target directory " + target_ + ": " + describe(errno));
        return;
    }
    tree_ = std::make_unique<OutputTree>(root, settings_.privateModes ? 0700 : 0777);
    umask_ = common::currentUmask();
    plan_.setOutput(file_, *tree_, umask_);
    memory_ = std::make_unique<MemoryBudget>(MemoryBudget::defaultLimit());
    writerContext_ = std::make_unique<WriterContext>(WriterContext{file_, *tree_, umask_, cancel_, namespaceLock_,
                                                                   [this](const FileJob &job) {
                                                                       std::lock_guard lock(mutex_);
                                                                       if (awaited_ == &job)
                                                                           workDone_.notify_one();
                                                                   },
                                                                   memory_.get(), settings_.test, nullptr});
    if (outlet_)
        writerContext_->deliver = [this](const uint8_t *data, size_t n) { return outlet_->piece(data, n); };
    size_t files = 0;
    for (size_t i = 0; i < selected.size(); ++i)
        if (selected[i] && !index_.members[i].storedName.ends_with('/'))
            ++files;
    // Members handed to the caller are decoded here, in order.
    if (files > 0 && !outlet_)
        startWorkers(std::min<size_t>(files, std::clamp<size_t>(std::thread::hardware_concurrency(), 1, MaxWorkers)));

    for (size_t i = 0; i < index_.members.size() && !reporter_.cancelled(); ++i) {
        if (!selected[i])
            continue;
        plan_.plan(index_.members[i]);
        while (!reporter_.cancelled() && headReady())
            processHead();
        while (!reporter_.cancelled() && window_.size() >= WindowLimit)
            processHead();
    }
    drain();
    walked_ = !reporter_.cancelled();
}

int32_t Extraction::run()
{
    // Whatever stops the extraction, the clean-up and the end report below
    // still happen.
    try {
        extractAll();
    } catch (const std::exception &e) {
        cancel_ = true;
        say(CodeArchiveError, std::string("extraction stopped: ") + e.what());
    }

    cancel_ = cancel_ || reporter_.cancelled();
    stopWorkers();
    cleanUp();
    applyDirectoryAttributes();
    if (reporter_.cancelled())
        say(0, settings_.test ? "test cancelled; " + std::to_string(placed()) + " members passed"
                              : "extraction cancelled; " + std::to_string(placed()) + " files were extracted");
    if (walked_)
        plan_.reportUnmatched();
    reporter_.batchEnd();
    return placed();
}

void Extraction::add(PlannedMember member)
{
    auto item = std::make_unique<Item>();
    item->planned = std::move(member);
    if (item->planned.job)
        dispatch(std::move(item));
    else
        push(std::move(item));
}

void Extraction::folderTested(const Member &member)
{
    if (outlet_)
        deliverFolder(member);
}

void Extraction::deferFolder(OutputTree::Node *node, mode_t mode, timespec accessed, timespec modified)
{
    deferred_.push_back({node, mode, {accessed, modified}});
}

void Extraction::dispatch(std::unique_ptr<Item> item)
{
    Item *raw = item.get();
    push(std::move(item));
    if (outlet_)
        return deliver(*raw);
    if (workers_.empty()) {
        MemberWriter(*writerContext_).write(*raw->planned.job);
        raw->finished = true;
        return;
    }
    std::lock_guard lock(mutex_);
    queue_.push_back(raw);
    if (idleWorkers_ > 0)
        workAvailable_.notify_one();
}

void Extraction::push(std::unique_ptr<Item> item)
{
    window_.push_back(std::move(item));
}

bool Extraction::headReady()
{
    if (window_.empty())
        return false;
    const Item &head = *window_.front();
    if (!head.planned.job)
        return true;
    std::lock_guard lock(mutex_);
    return head.finished;
}

void Extraction::processHead()
{
    Item &item = *window_.front();
    PlannedMember &planned = item.planned;
    for (const auto &[code, text] : planned.messages)
        if (!say(code, text))
            return;
    planned.messages.clear();  // a cancel keeps the item; its messages are out
    if (planned.job) {
        FileJob &job = *planned.job;
        const Member &m = *planned.member;
        if (reporter_.fileBegin(m.shownName(), m.unpackedSize)
            || (!settings_.test && !info(verbFor(m.method) + m.shownName())))
            return;
        // The steps follow what the worker has written, as it writes.
        uint64_t steps = 0;
        for (;;) {
            bool finished;
            {
                std::unique_lock lock(mutex_);
                awaited_ = &job;
                workDone_.wait(lock, [&] { return item.finished || job.produced.load() / StepSize > steps; });
                awaited_ = nullptr;
                finished = item.finished;
            }
            const uint64_t target = job.produced.load() / StepSize;
            for (; steps < target; ++steps)
                if (reporter_.step())
                    return;
            if (finished)
                break;
        }
        if (!job.note.empty() && !info(m.shownName() + ": " + job.note))
            return;
        bool inPlace = false;
        if (!job.ok) {
            if (!job.cancelled && !say(job.errorCode, m.shownName() + ": " + job.error))
                return;
        } else if (settings_.test) {
            ++placed_;
            if (!info("    testing: " + m.shownName() + "  OK"))
                return;
        } else {
            int err = 0;
            {
                std::lock_guard names(namespaceLock_);
                if (!renameInto(job.dir->fd(), job.temporaryName, job.leaf, planned.replace)) {
                    err = errno;
                    ::unlinkat(job.dir->fd(), job.temporaryName.c_str(), 0);
                }
            }
            job.temporaryName.clear();
            inPlace = err == 0;
            if (inPlace)
                ++placed_;
            else if (err == EEXIST && !planned.replace)
                info("skipping " + m.shownName() + ": it " + KeptExistingText);
            else
                say(CodeWriteError, m.shownName() + ": cannot put it in place: " + describe(err));
        }
        plan_.settled(planned.path, inPlace);
    }
    window_.pop_front();
}

void Extraction::drain()
{
    while (!window_.empty() && !reporter_.cancelled())
        processHead();
}

void Extraction::startWorkers(size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        try {
            workers_.emplace_back([this] { workerLoop(); });
        } catch (const std::system_error &) {
            break;  // fewer threads, or none: planFile then writes on this thread
        }
    }
}

void Extraction::workerLoop()
{
    MemberWriter writer(*writerContext_);
    for (;;) {
        Item *item = nullptr;
        {
            std::unique_lock lock(mutex_);
            ++idleWorkers_;
            workAvailable_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
            --idleWorkers_;
            if (stopping_)
                return;
            item = queue_.front();
            queue_.pop_front();
        }
        writer.write(*item->planned.job);
        std::lock_guard lock(mutex_);
        item->finished = true;
        // The calling thread only ever waits for the member at the head.
        if (awaited_ == item->planned.job.get())
            workDone_.notify_one();
    }
}

void Extraction::stopWorkers()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    workAvailable_.notify_all();
    if (memory_)
        memory_->interrupt();  // a worker waiting for memory sees the cancel
    for (std::thread &worker : workers_)
        worker.join();
    workers_.clear();
}

// Called with the workers stopped: what is still in the window was never
// put in place.
void Extraction::cleanUp()
{
    for (const auto &item : window_)
        if (const auto &job = item->planned.job; job && !job->temporaryName.empty()) {
            ::unlinkat(job->dir->fd(), job->temporaryName.c_str(), 0);
            job->temporaryName.clear();
        }
    window_.clear();
}

void Extraction::applyDirectoryAttributes()
{
    if (!tree_)
        return;
    // Deepest first: a parent made read-only must not block its children.
    std::stable_sort(deferred_.begin(), deferred_.end(), [](const DeferredDirectory &a, const DeferredDirectory &b) {
        return OutputTree::depth(a.node) > OutputTree::depth(b.node);
    });
    for (const DeferredDirectory &d : deferred_) {
        std::string error;
        if (DirectoryRef dir = tree_->open(d.node, error)) {
            ::fchmod(dir->fd(), d.mode);
            ::futimens(dir->fd(), d.times);
        }
    }
    deferred_.clear();
}

}  // namespace unzeng
