#pragma once
// Builds the member list. An archive with a usable end record is listed as
// zipformat's MemberTable has it, the very list the extraction works from;
// only a file without one (cut short, or no archive) is listed as
// zipformat's walk of its local headers finds it, the list the extraction
// then takes the whole members from.

#include "engine/ArchiveEntry.h"
#include "engine/ZipError.h"
#include "engine/zipformat/ByteSource.h"
#include "engine/zipformat/MemberTable.h"

#include <string>
#include <vector>

namespace orvex {

// The local headers and the central directory disagree. Raised after the
// members both agree on are in the list; the extraction reports the same
// disagreement itself, member by member.
class EArchiveDisagreement : public EZipError {
public:
    using EZipError::EZipError;
};

class ArchiveDirectoryReader {
public:
    // An empty name, a missing file and a directory do not count as archives.
    static bool archiveExists(const std::string &fileName);

    // Appends the archive's members. Throws EZipError with the entries met so
    // far left in `entries`, or EArchiveDisagreement with every agreed member
    // in it. The file is closed
    // before this returns, on success and on failure.
    // `progress` is told how far the read has got, and may throw to stop it
    // (a walk of local headers knows no total and reports 0 for it).
    // `comments`, when given, receives the listed members' own comments.
    static void read(const std::string &fileName, std::vector<ArchiveEntry> &entries,
                     const zipformat::ReadProgress &progress = {}, std::vector<MemberComment> *comments = nullptr);

    // The same over bytes already open.
    static void read(const zipformat::RandomAccessSource &source, std::vector<ArchiveEntry> &entries,
                     const zipformat::ReadProgress &progress = {}, std::vector<MemberComment> *comments = nullptr);

private:
    static bool listFromTable(const zipformat::RandomAccessSource &source, std::vector<ArchiveEntry> &entries,
                              const zipformat::ReadProgress &progress, std::vector<MemberComment> *comments);
    static void listFromWalk(const zipformat::RandomAccessSource &source, std::vector<ArchiveEntry> &entries,
                             const zipformat::ReadProgress &progress);
};

}  // namespace orvex
