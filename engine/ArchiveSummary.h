#pragma once
// What File > Properties… says of the current archive: its format, the
// compression methods its members use, its sizes, how many files, folders
// and encrypted members it holds, its split parts and whether it has a
// comment. Built from the component's member list as last read and, for a
// ZIP archive, its parts on disk and its end record (for the comment).

#include "engine/ArchiveEntry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TZipEngine;

namespace orvex {

// Members and folders of a listing and their sizes. Members are files and
// links; folders are the folder entries, and for a whole archive also the
// folders that exist only as parts of member names.
struct ListingCounts {
    int64_t members = 0;
    int64_t folders = 0;
    uint64_t size = 0;  // the members' unpacked sizes together
    uint64_t packed = 0;
    // Some member's size is not known (a format that does not say): that
    // total would be short.
    bool sizeKnown = true;
    bool packedKnown = true;
};

// Every entry of an archive.
ListingCounts countArchive(const std::vector<ArchiveEntry> &entries);
// The entries at `indices` (rows chosen in the listing; -1 names none).
ListingCounts countChosen(const std::vector<ArchiveEntry> &entries, const std::vector<int> &indices);

struct ArchiveSummary {
    std::string path;
    std::string format;  // "ZIP", or the other format as libarchive names it
    // The members' compression methods, in the order members first use them;
    // none for another format, whose compression its name says.
    std::vector<std::string> methods;
    uint64_t sizeOnDisk = 0;  // every part of a split set together
    uint64_t packedSize = 0;
    bool packedSizeKnown = true;  // another format may not say its members' packed sizes
    uint64_t unpackedSize = 0;
    bool unpackedSizeKnown = true;
    uint64_t files = 0;
    uint64_t folders = 0;
    uint64_t encrypted = 0;
    std::vector<std::string> splitParts;  // the parts' file names in order; none for a single file
    bool hasComment = false;
    std::string comment;  // a ZIP's archive comment, bytes as stored

    // The packed size over the unpacked size; none when either is unknown or
    // nothing is unpacked.
    std::optional<double> ratio() const;
};

// The name of a ZIP compression method as people know it ("Deflate").
std::string zipMethodName(uint16_t method);

// `entries` as the listing read them from the archive at `path`;
// `otherFormat` empty for ZIP.
ArchiveSummary summarizeArchive(const std::string &path, const std::vector<ArchiveEntry> &entries,
                                const std::string &otherFormat);
// The component's current archive.
ArchiveSummary summarizeArchive(const TZipEngine &engine);

}  // namespace orvex
