#include "engine/ArchiveSummary.h"

#include "engine/ZipEngine.h"
#include "engine/zipformat/ArchiveFile.h"
#include "engine/zipformat/CentralDirectory.h"
#include "engine/zipformat/ZipRecords.h"

#include <sys/stat.h>

#include <algorithm>
#include <string_view>
#include <unordered_set>

namespace orvex {

namespace {

// WinZip's AES stands in the method field for the method inside, which only
// its extra field names.
constexpr uint16_t MethodAes = 99;

bool isFolder(const ArchiveEntry &entry)
{
    return !entry.FileName.empty() && entry.FileName.back() == '/';
}

void countEntry(ListingCounts &counts, const ArchiveEntry &entry)
{
    if (isFolder(entry)) {
        ++counts.folders;
        return;
    }
    ++counts.members;
    counts.size += entry.TrueUnpackedSize;
    counts.packed += entry.TruePackedSize;
    counts.sizeKnown = counts.sizeKnown && entry.UnpackedSizeKnown;
    counts.packedKnown = counts.packedKnown && entry.PackedSizeKnown;
}

}  // namespace

ListingCounts countArchive(const std::vector<ArchiveEntry> &entries)
{
    ListingCounts counts;
    // Folders by their names, so that one with an entry of its own and
    // members under it counts once.
    std::unordered_set<std::string_view> folders;
    for (const ArchiveEntry &entry : entries) {
        countEntry(counts, entry);
        const std::string_view name = entry.FileName;
        for (size_t slash = name.find('/'); slash != std::string_view::npos; slash = name.find('/', slash + 1))
            if (slash > 0)
                folders.insert(name.substr(0, slash + 1));
    }
    counts.folders = int64_t(folders.size());
    return counts;
}

ListingCounts countChosen(const std::vector<ArchiveEntry> &entries, const std::vector<int> &indices)
{
    ListingCounts counts;
    for (const int index : indices)
        if (index >= 0 && size_t(index) < entries.size())
            countEntry(counts, entries[size_t(index)]);
    return counts;
}

std::optional<double> ArchiveSummary::ratio() const
{
    if (!packedSizeKnown || !unpackedSizeKnown || unpackedSize == 0)
        return std::nullopt;
    return double(packedSize) / double(unpackedSize);
}

std::string zipMethodName(uint16_t method)
{
    using namespace zipformat;
    switch (method) {
    case MethodStored: return "Store";
    case MethodShrunk: return "Shrink";
    case MethodReduced1:
    case MethodReduced1 + 1:
    case MethodReduced1 + 2:
    case MethodReduced4: return "Reduce";
    case MethodImploded: return "Implode";
    case MethodDeflated: return "Deflate";
    case MethodDeflate64: return "Deflate64";
    case MethodBzip2: return "BZip2";
    case MethodLzma: return "LZMA";
    case MethodZstd: return "Zstandard";
    case MethodXz: return "XZ";
    case MethodPpmd: return "PPMd";
    case MethodAes: return "WinZip AES";
    default: return "method " + std::to_string(method);
    }
}

ArchiveSummary summarizeArchive(const std::string &path, const std::vector<ArchiveEntry> &entries,
                                const std::string &otherFormat)
{
    ArchiveSummary s;
    s.path = path;
    s.format = otherFormat.empty() ? "ZIP" : otherFormat;
    // Counted as the status bar counts them, so that the two agree.
    const ListingCounts counts = countArchive(entries);
    s.files = uint64_t(counts.members);
    s.folders = uint64_t(counts.folders);
    s.packedSize = counts.packed;
    s.unpackedSize = counts.size;
    s.packedSizeKnown = counts.packedKnown;
    s.unpackedSizeKnown = counts.sizeKnown;
    for (const ArchiveEntry &e : entries) {
        s.encrypted += e.Encrypted() ? 1 : 0;
        if (otherFormat.empty()) {
            const std::string method = zipMethodName(e.Method);
            if (std::find(s.methods.begin(), s.methods.end(), method) == s.methods.end())
                s.methods.push_back(method);
        }
    }
    if (!otherFormat.empty()) {
        struct stat status {};
        if (::stat(path.c_str(), &status) == 0)
            s.sizeOnDisk = uint64_t(status.st_size);
        return s;
    }
    zipformat::ArchiveFile file;
    if (!file.open(path))
        return s;
    for (const zipformat::ArchiveFile::Part &part : file.parts()) {
        if (part.present)
            s.sizeOnDisk += part.size;
        if (file.isSplit())
            s.splitParts.push_back(part.name);
    }
    if (const auto location = zipformat::locateCentralDirectory(file)) {
        s.hasComment = location->commentLength > 0;
        s.comment.resize(location->commentLength);
        s.comment.resize(
            file.readAt(location->endRecordOffset + zipformat::EndRecordSize, s.comment.data(), s.comment.size()));
    }
    return s;
}

ArchiveSummary summarizeArchive(const TZipEngine &engine)
{
    return summarizeArchive(engine.ZipFilename(), engine.EntryList(), engine.OtherFormat());
}

}  // namespace orvex
