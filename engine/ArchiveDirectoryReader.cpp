#include "engine/ArchiveDirectoryReader.h"

#include "engine/ZipError.h"
#include "engine/zipformat/ArchiveFile.h"
#include "engine/zipformat/LocalHeaderWalk.h"
#include "engine/zipformat/MemberTable.h"
#include "engine/zipformat/ZipRecords.h"

#include <algorithm>
#include <sys/stat.h>

namespace orvex {

using namespace zipformat;

namespace {

// The local header's fields as stored, the name up to its first NUL, and
// the time the extraction gives the file. The name is taken, not copied: the
// table's messages name members by their stored names.
ArchiveEntry entryOf(TableMember &m)
{
    const LocalHeader &h = m.local;
    ArchiveEntry e{};
    e.VersionNeeded = h.versionNeeded;
    e.GeneralFlags = h.flags;
    e.Method = h.method;
    e.Crc = h.crc;
    e.PackedSize = h.storedPackedSize;
    e.UnpackedSize = h.storedUnpackedSize;
    e.NameLength = h.nameLength;
    e.ExtraLength = h.extraLength;
    e.ModTime = m.modTime;
    e.ModDate = m.modDate;
    e.FileName = std::move(m.name);
    e.FileName.resize(std::min(e.FileName.size(), e.FileName.find('\0')));
    e.TruePackedSize = m.packedSize;
    e.TrueUnpackedSize = m.unpackedSize;
    e.HeaderOffset = m.headerOffset;
    return e;
}

}  // namespace

bool ArchiveDirectoryReader::archiveExists(const std::string &fileName)
{
    struct stat st {};
    return !fileName.empty() && ::stat(fileName.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

void ArchiveDirectoryReader::read(const std::string &fileName, std::vector<ArchiveEntry> &entries,
                                  const ReadProgress &progress, std::vector<MemberComment> *comments)
{
    ArchiveFile file;
    if (!file.open(fileName) && !file.problem().empty())
        throw EZipError(fileName + ": " + file.problem());
    // Only a regular file has a fixed end; a FIFO or a device would never
    // let the scan finish.
    if (file.error() != 0 || !file.isRegularFile())
        throw EZipError("Cannot open file " + fileName);
    read(file, entries, progress, comments);
}

void ArchiveDirectoryReader::read(const RandomAccessSource &source, std::vector<ArchiveEntry> &entries,
                                  const ReadProgress &progress, std::vector<MemberComment> *comments)
{
    if (!listFromTable(source, entries, progress, comments))
        listFromWalk(source, entries, progress);
}

// False when the file has no usable end record, so that the walk lists what
// it can and says where it stopped.
bool ArchiveDirectoryReader::listFromTable(const RandomAccessSource &source, std::vector<ArchiveEntry> &entries,
                                           const ReadProgress &progress, std::vector<MemberComment> *comments)
{
    auto table = readMemberTable(source, progress);
    if (!table)
        return false;
    entries.reserve(entries.size() + table->members.size());
    auto comment = table->comments.begin();
    for (size_t i = 0; i < table->members.size(); ++i) {
        TableMember &m = table->members[i];
        if (!m.problem.empty())
            continue;
        while (comment != table->comments.end() && comment->first < i)
            ++comment;
        if (comments && comment != table->comments.end() && comment->first == i)
            comments->push_back({entries.size(), std::move(comment->second)});
        entries.push_back(entryOf(m));
    }
    const std::vector<std::string> messages = table->messages();
    if (!messages.empty()) {
        // A split archive's missing parts, said first, explain what follows.
        const size_t notes = source.splitArchive() ? source.splitArchive()->absenceNotes().size() : 0;
        std::string text = notes > 0 ? messages.front() : "The local headers and the central directory disagree";
        for (size_t i = notes > 0 ? 1 : 0; i < messages.size(); ++i)
            text += "; " + messages[i];
        throw EArchiveDisagreement(text);
    }
    return true;
}

// Every member the walk found is listed, a broken one too: the extraction
// names it as it meets it. The walk always ends short of a usable end
// record, and the error says where.
void ArchiveDirectoryReader::listFromWalk(const RandomAccessSource &source, std::vector<ArchiveEntry> &entries,
                                          const ReadProgress &progress)
{
    LocalHeaderWalk walk = walkLocalHeaders(source, progress);
    entries.reserve(entries.size() + walk.members.size());
    for (TableMember &m : walk.members)
        entries.push_back(entryOf(m));
    switch (walk.end) {
    case WalkEnd::NoSignature: throw EZipError("Error 1 reading Zip File");
    case WalkEnd::HeaderCutShort: throw EZipError("Error 2 reading Zip file");
    case WalkEnd::DataPastEnd: throw EZipError("Error 3 reading Zip file");
    case WalkEnd::Directory: break;
    }
    // The extraction takes the members from the same walk, but this file is
    // not the archive it was: the list must not look whole.
    throw EZipError("Error 6 reading Zip file: no usable end of central directory record");
}

}  // namespace orvex
