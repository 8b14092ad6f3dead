#pragma once
// One extraction call: opens the archive, has the plan (ExtractionPlan.h)
// decide member by member, runs the file writers on a few threads, and
// reports in archive order on the calling thread. The window between the
// plan and the reports holds members in archive order until they are done.

#include "engine/common/CallRecords.h"
#include "engine/unzeng/ArchiveIndex.h"
#include "engine/unzeng/Decoders.h"
#include "engine/unzeng/ExtractionPlan.h"
#include "engine/unzeng/MemberOutlet.h"
#include "engine/unzeng/MemberWriter.h"
#include "engine/unzeng/OutputTree.h"
#include "engine/unzeng/Reporter.h"
#include "engine/zipformat/ArchiveFile.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace unzeng {

class Extraction final : private ExtractionWindow {
public:
    Extraction(const UnzipCallRecord &record, Reporter &reporter);
    ~Extraction() override;
    Extraction(const Extraction &) = delete;
    Extraction &operator=(const Extraction &) = delete;

    // The number of files and links placed.
    int32_t run();

private:
    // One entry of the in-order window: a planned member, and whether its
    // job (if any) is done.
    struct Item {
        PlannedMember planned;
        bool finished = false;  // under mutex_
    };
    struct DeferredDirectory {
        OutputTree::Node *node;
        mode_t mode;
        timespec times[2];
    };

    void extractAll();
    // The plan's side of the window (ExtractionPlan.h).
    void add(PlannedMember member) override;
    void drain() override;
    void folderTested(const Member &member) override;
    void deferFolder(OutputTree::Node *node, mode_t mode, timespec accessed, timespec modified) override;

    // Queues the item's job for a worker (or runs it here when there is none).
    void dispatch(std::unique_ptr<Item> item);
    // Decodes the item's member here, handing its data to the outlet.
    void deliver(Item &item);
    // Tells the outlet of a folder, which has no data.
    void deliverFolder(const Member &member);
    void push(std::unique_ptr<Item> item);
    bool headReady();
    void processHead();
    void startWorkers(size_t count);
    void workerLoop();
    void stopWorkers();
    void cleanUp();
    void applyDirectoryAttributes();
    int32_t placed() const { return placed_ + plan_.linksPlaced(); }
    // Each true while the caller wants to go on.
    bool say(int32_t code, const std::string &text) { return !reporter_.message(code, text); }
    bool info(const std::string &text) { return !settings_.verbose || !reporter_.message(0, text); }

    Reporter &reporter_;
    ExtractionPlan plan_;
    const ExtractionSettings &settings_;  // the plan's
    std::string archiveName_;
    std::string nameCharset_;  // empty: guessed over the archive's names
    std::string target_;       // the directory to extract into

    zipformat::ArchiveFile file_;  // the archive, or all parts of a split one
    ArchiveIndex index_;
    std::unique_ptr<OutputTree> tree_;
    unsigned umask_ = 022;
    int32_t placed_ = 0;   // files, and a test's members; the plan counts the links
    bool walked_ = false;  // every selected member was dealt with
    std::vector<DeferredDirectory> deferred_;

    std::deque<std::unique_ptr<Item>> window_;

    std::unique_ptr<MemoryBudget> memory_;
    std::unique_ptr<WriterContext> writerContext_;
    std::vector<std::thread> workers_;
    std::mutex mutex_;
    std::condition_variable workAvailable_, workDone_;
    std::deque<Item *> queue_;
    bool stopping_ = false;
    const FileJob *awaited_ = nullptr;  // the member the calling thread waits for
    std::mutex namespaceLock_;          // see WriterContext
    size_t idleWorkers_ = 0;            // workers waiting on workAvailable_
    std::atomic<bool> cancel_{false};
    // Set: a test hands the members' data to the caller (MemberOutlet.h).
    std::unique_ptr<MemberOutlet> outlet_;
};

}  // namespace unzeng
