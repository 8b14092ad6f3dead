#pragma once
// Extracting entries one by one, in archive order, under our own rules (see
// extract() in Extraction.cpp): a cursor reads them (libarchive in the
// reader process, or 7-Zip's program), this class decides what is written
// and writes it, in this process; archive_write_disk is not used.

#include "engine/common/SafeNames.h"
#include "engine/otherformats/EntryCursor.h"
#include "engine/otherformats/OutputTree.h"

#include <map>
#include <set>
#include <string>
#include <sys/types.h>

namespace otherformats {

class Extraction {
public:
    Extraction(EntryCursor &cursor, OutputTree &tree, const ExtractOptions &options, ExtractResult &result);
    // Reads the archive to its end, a cancel, or a failure nothing survives,
    // then gives the folders it made their stored times.
    void run();

private:
    enum class Place { Done, Failed, Stop };
    void readEntries();
    void restoreFolderTimes();
    Place extractEntry(uint64_t index, const Entry &entry);
    Place extractDirectory(const Entry &entry, const common::SafeName &name);
    Place writeFile(uint64_t index, const Entry &entry, int dir, const std::string &temporary);
    Place makeSymlink(const Entry &entry, const common::SafeName &name, int dir, const std::string &temporary);
    Place makeHardLink(const Entry &entry, int dir, const std::string &temporary);
    void joinLinkTarget(const Entry &entry, int dir, const std::vector<std::string> &components);
    bool existingAllows(const Entry &entry, int dir, const std::string &leaf, const std::string &path, bool &replace);
    void report(const Entry &entry, ProblemKind kind, std::string text);

    EntryCursor &cursor_;
    OutputTree &tree_;
    const ExtractOptions &options_;
    ExtractResult &result_;
    std::set<uint64_t> selection_;
    std::vector<std::string> base_;  // the base folder's components
    mode_t umask_;
    uint64_t written_ = 0;  // against the output budget
    // Output paths already holding an entry of this run, with that entry's
    // name: a later entry meeting one is skipped.
    std::map<std::string, std::string> claimed_;
    // Where each placed file went, by its normalised name in the archive, for
    // the hard links that name it.
    std::map<std::string, std::vector<std::string>> placed_;
    // The folders this run made with a stored time, by output path: set once
    // everything is written, since each file placed in a folder changes its time.
    std::map<std::string, std::pair<std::vector<std::string>, int64_t>> folderTimes_;
};

}  // namespace otherformats
