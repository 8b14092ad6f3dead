#pragma once
// The deciding half of one extraction: which members the request's names
// select, and what becomes of each selected member (a file to write, a
// folder, a link made at once, a member to test, or only what to say when it
// is skipped or refused). It hands the members, in archive order, to the
// in-order window (ExtractionWindow, which Extraction is), which writes them
// and reports.

#include "engine/common/CallRecords.h"
#include "engine/common/SafeNames.h"
#include "engine/unzeng/ArchiveIndex.h"
#include "engine/unzeng/MemberDecryption.h"
#include "engine/unzeng/MemberWriter.h"
#include "engine/unzeng/OutputTree.h"
#include "engine/unzeng/Reporter.h"
#include "engine/zipformat/ArchiveFile.h"

#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <sys/types.h>
#include <unordered_map>
#include <utility>
#include <vector>

namespace unzeng {

using common::SafeName;
using Messages = std::vector<std::pair<int32_t, std::string>>;

// The request's switches that both halves read.
struct ExtractionSettings {
    bool dirNames = false, overwrite = false, update = false, freshen = false;
    bool verbose = false, trace = false;
    bool test = false;          // decode and check only; nothing is written
    bool privateModes = false;  // files 0600, directories 0700, whatever the members say
    // The folder of the archive the members below it are extracted relative
    // to (with dirNames only): its components, or why it is refused.
    SafeName baseFolder;
};

// One selected member as planned: what to say at its turn in archive order
// and, when there is data to decode, the job that writes or tests it.
struct PlannedMember {
    const Member *member = nullptr;
    Messages messages;
    std::unique_ptr<FileJob> job;
    std::string path;      // where the file goes, relative to the target
    bool replace = false;  // the file met on disk may be replaced
};

// Where the plan hands its members: the extraction's in-order window.
class ExtractionWindow {
public:
    virtual ~ExtractionWindow() = default;
    // Queues the member's reports; a job starts now, on a worker or here.
    virtual void add(PlannedMember member) = 0;
    // Finishes and reports everything added so far, unless the caller cancels.
    virtual void drain() = 0;
    // A test's folder entry, which has no data to decode.
    virtual void folderTested(const Member &member) = 0;
    // A folder this extraction made: its mode and times wait until all in it is written.
    virtual void deferFolder(OutputTree::Node *node, mode_t mode, timespec accessed, timespec modified) = 0;
};

class ExtractionPlan {
public:
    ExtractionPlan(const UnzipCallRecord &record, Reporter &reporter, ExtractionWindow &window);
    ExtractionPlan(const ExtractionPlan &) = delete;
    ExtractionPlan &operator=(const ExtractionPlan &) = delete;

    const ExtractionSettings &settings() const { return settings_; }
    // Says what is wrong with the request's names and switches; false when
    // nothing can be extracted.
    bool checkRequest();
    // Which of the index's members the request's names select.
    std::vector<bool> selectMembers(const ArchiveIndex &index);
    // What members are read from and written into; set before the first plan().
    void setOutput(const zipformat::ArchiveFile &archive, OutputTree &tree, unsigned umask);
    // Decides what becomes of the member and hands it to the window. A link
    // is made here, after everything before it is finished.
    void plan(const Member &member);
    // The window's word on a planned file: put in place or not. Either way
    // its path is no longer pending; one not in place frees its name.
    void settled(const std::string &path, bool inPlace);
    // After every selected member was dealt with: the names that matched none.
    void reportUnmatched();
    int32_t linksPlaced() const { return linksPlaced_; }

private:
    enum class Verdict { Extract, Skip, Fail };

    void planDirectory(const Member &member, const SafeName &name, PlannedMember &item);
    void planFile(const Member &member, const SafeName &name, PlannedMember item);
    void planTest(const Member &member, PlannedMember item);
    void extractLink(const Member &member, const SafeName &name, Messages messages);
    Verdict decide(const Member &member, int dir, const std::string &leaf, const std::string &shown, bool &replace,
                   std::pair<int32_t, std::string> &note);
    // Settles an encrypted member's password; false (with what to say) when
    // the member cannot be decrypted or the caller cancelled.
    bool unlock(const Member &member, std::unique_ptr<MemberDecryption> &decryption, Messages &messages);
    mode_t fileMode(const Member &member) const;
    bool pathPending(const SafeName &name, size_t directoryCount, const std::string &path) const;
    // Each true while the caller wants to go on.
    bool say(int32_t code, const std::string &text) { return !reporter_.message(code, text); }
    bool info(const std::string &text) { return !settings_.verbose || !reporter_.message(0, text); }

    Reporter &reporter_;
    ExtractionWindow &window_;
    ExtractionSettings settings_;
    PasswordKeeper passwords_;
    bool allMembers_ = true;
    int32_t specCount_ = 0;
    std::vector<std::string> specs_;
    std::vector<bool> specMatched_;

    const zipformat::ArchiveFile *archive_ = nullptr;
    OutputTree *tree_ = nullptr;
    unsigned umask_ = 022;
    int32_t linksPlaced_ = 0;
    // Files planned but not yet settled, by a hash of their path, so the
    // directories on a deep member's way are looked up in linear time.
    std::unordered_multimap<uint64_t, std::string> pendingPaths_;
    // Output path -> the member this extraction wrote or is writing there: a
    // later member meeting it (same file name in another folder, without the
    // folders) is skipped rather than silently replacing it.
    std::unordered_map<std::string, std::string> claimedPaths_;
};

}  // namespace unzeng
