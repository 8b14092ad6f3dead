#pragma once
// One extraction call: reads the archive, decides member by member what to
// do, runs the file writers on a few threads, and reports in archive order on
// the calling thread.

#include "engine/common/CallRecords.h"
#include "engine/unzeng/ArchiveIndex.h"
#include "engine/unzeng/Decoders.h"
#include "engine/unzeng/MemberDecryption.h"
#include "engine/unzeng/MemberOutlet.h"
#include "engine/unzeng/MemberWriter.h"
#include "engine/unzeng/OutputTree.h"
#include "engine/unzeng/Reporter.h"
#include "engine/zipformat/ArchiveFile.h"
#include "engine/zipformat/MemberName.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace unzeng {

using common::SafeName;

class Extraction {
public:
    Extraction(const UnzipCallRecord &record, Reporter &reporter);
    ~Extraction();
    Extraction(const Extraction &) = delete;
    Extraction &operator=(const Extraction &) = delete;

    // The number of files and links placed.
    int32_t run();

private:
    // One entry of the in-order window: messages to report, and possibly a
    // file being written by a worker.
    struct Item {
        const Member *member = nullptr;
        std::vector<std::pair<int32_t, std::string>> messages;
        std::unique_ptr<FileJob> job;
        std::string path;  // where the file goes, relative to the target
        bool replace = false;
        bool passed = false;    // a test's directory entry, counted when reported
        bool finished = false;  // under mutex_
    };
    struct DeferredDirectory {
        OutputTree::Node *node;
        mode_t mode;
        timespec times[2];
    };
    enum class Verdict { Extract, Skip, Fail };

    void extractAll();
    bool checkRequest();
    void selectMembers(std::vector<bool> &selected);
    void plan(const Member &member);
    void planDirectory(const Member &member, const SafeName &name, Item &item);
    void planFile(const Member &member, const SafeName &name, std::unique_ptr<Item> item);
    void planTest(const Member &member, std::unique_ptr<Item> item);
    // Queues the item's job for a worker (or runs it here when there is none).
    void dispatch(std::unique_ptr<Item> item);
    // Decodes the item's member here, handing its data to the outlet.
    void deliver(Item &item);
    // Tells the outlet of a folder, which has no data.
    void deliverFolder(const Member &member);
    void extractLink(const Member &member, const SafeName &name, std::vector<std::pair<int32_t, std::string>> messages);
    Verdict decide(const Member &member, int dir, const std::string &leaf, const std::string &shown, bool &replace,
                   std::pair<int32_t, std::string> &note);
    // Settles an encrypted member's password; false (with what to say) when
    // the member cannot be decrypted or the caller cancelled.
    bool unlock(const Member &member, std::unique_ptr<MemberDecryption> &decryption,
                std::vector<std::pair<int32_t, std::string>> &messages);
    mode_t fileMode(const Member &member) const;
    bool pathPending(const SafeName &name, size_t directoryCount, const std::string &path) const;

    void push(std::unique_ptr<Item> item);
    bool headReady();
    void processHead();
    void drain();
    void startWorkers(size_t count);
    void workerLoop();
    void stopWorkers();
    void cleanUp();
    void applyDirectoryAttributes();
    // Each true while the caller wants to go on.
    bool say(int32_t code, const std::string &text) { return !reporter_.message(code, text); }
    bool info(const std::string &text) { return !verbose_ || !reporter_.message(0, text); }

    Reporter &reporter_;
    PasswordKeeper passwords_;
    std::string archiveName_;
    std::string nameCharset_;  // empty: guessed over the archive's names
    std::string target_;       // the directory to extract into
    bool dirNames_ = false, overwrite_ = false, update_ = false, freshen_ = false;
    bool verbose_ = false, trace_ = false;
    bool test_ = false;     // decode and check only; nothing is written
    bool private_ = false;  // files 0600, directories 0700, whatever the members say
    bool allMembers_ = true;
    int32_t specCount_ = 0;
    std::vector<std::string> specs_;
    std::vector<bool> specMatched_;

    zipformat::ArchiveFile file_;  // the archive, or all parts of a split one
    ArchiveIndex index_;
    std::unique_ptr<OutputTree> tree_;
    unsigned umask_ = 022;
    int32_t placed_ = 0;
    bool walked_ = false;  // every selected member was dealt with
    std::vector<DeferredDirectory> deferred_;

    std::deque<std::unique_ptr<Item>> window_;
    // Files written but not yet renamed, by a hash of their path, so the
    // directories on a deep member's way are looked up in linear time.
    std::unordered_multimap<uint64_t, std::string> pendingPaths_;
    // Output path -> the member this extraction wrote or is writing there: a
    // later member meeting it (same file name in another folder, without the
    // folders) is skipped rather than silently replacing it.
    std::unordered_map<std::string, std::string> claimedPaths_;

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
