#include "engine/ArchiveSummary.h"

#include "engine/ZipEngine.h"
#include "engine/zipformat/ArchiveFile.h"
#include "engine/zipformat/CentralDirectory.h"
#include "engine/zipformat/ZipRecords.h"

#include <sys/stat.h>

#include <algorithm>

namespace orvex {

namespace {

// WinZip's AES stands in the method field for the method inside, which only
// its extra field names.
constexpr uint16_t MethodAes = 99;

}  // namespace

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
    for (const ArchiveEntry &e : entries) {
        const std::string &name = e.FileName;
        if (!name.empty() && name.back() == '/')
            ++s.folders;
        else
            ++s.files;
        s.encrypted += e.Encrypted() ? 1 : 0;
        s.packedSizeKnown = s.packedSizeKnown && e.PackedSizeKnown;
        s.unpackedSizeKnown = s.unpackedSizeKnown && e.UnpackedSizeKnown;
        s.packedSize += e.TruePackedSize;
        s.unpackedSize += e.TrueUnpackedSize;
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
    if (const auto location = zipformat::locateCentralDirectory(file))
        s.hasComment = location->commentLength > 0;
    return s;
}

ArchiveSummary summarizeArchive(const TZipEngine &engine)
{
    std::vector<ArchiveEntry> entries;
    entries.reserve(size_t(std::max(engine.EntryCount(), 0)));
    for (int i = 0; i < engine.EntryCount(); ++i)
        entries.push_back(engine.Entries(i));
    return summarizeArchive(engine.ZipFilename(), entries, engine.OtherFormat());
}

}  // namespace orvex
