#include "engine/zipformat/LocalHeaderWalk.h"

#include "engine/zipformat/LittleEndian.h"
#include "engine/zipformat/ZipRecords.h"

#include <functional>
#include <string>
#include <zlib.h>

namespace zipformat {

namespace {

// Walk steps between two reports of progress.
constexpr uint64_t ProgressStep = 4096;
constexpr size_t InflatePiece = 64 * 1024;
// Calls of inflate between two reports: each reads or writes at most a
// piece, so a report comes at least every few megabytes of work, however
// far the data expands.
constexpr unsigned InflateCallsPerReport = 32;

const char *const CutOffText = "the archive ends too early, in the middle of its data";

// Whether data that starts at `start` and runs `extra` + `packed` bytes ends
// at least an end record's length before the end of the file, which the
// listing asks of every member it steps over. Checked step by step so that
// no sum can wrap, whatever a header claims.
bool endsBeforeEndRecord(uint64_t start, uint64_t extra, uint64_t packed, uint64_t fileSize)
{
    if (fileSize < EndRecordSize)
        return false;
    uint64_t room = fileSize - EndRecordSize;
    if (start > room)
        return false;
    room -= start;
    if (extra > room)
        return false;
    room -= extra;
    return packed <= room;
}

// A size field holding the ZIP64 marker whose value the local ZIP64 block
// does not hold.
bool zip64SizesMissing(const LocalHeader &h, Bytes extra)
{
    const bool packedMarked = h.storedPackedSize == Zip64Marker32;
    const bool unpackedMarked = h.storedUnpackedSize == Zip64Marker32;
    if (!packedMarked && !unpackedMarked)
        return false;
    const auto block = findExtraBlock(extra, Zip64ExtraId);
    if (!block)
        return true;
    const Zip64Values v = parseLocalZip64Block(*block, unpackedMarked, packedMarked);
    return (packedMarked && !v.packedSize) || (unpackedMarked && !v.unpackedSize);
}

struct InflatedStream {
    enum Outcome { Ended, CutOff, Damaged } outcome = Damaged;
    uint64_t packed = 0;  // bytes read: to the stream's end, or to where it failed
    uint64_t unpacked = 0;
    uint32_t crc = 0;
    std::string error;
};

// A Deflate stream marks its own last block, so where a member's data ends
// can be found without its sizes by decoding it; what it decodes to is only
// counted and checksummed, in memory of a fixed size.
InflatedStream inflateToEnd(const RandomAccessSource &source, uint64_t start, const std::function<void()> &report)
{
    InflatedStream s;
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) {
        s.error = "not enough memory to decode it";
        return s;
    }
    struct End {
        z_stream &z;
        ~End() { inflateEnd(&z); }
    } end{z};
    std::vector<uint8_t> in(InflatePiece), out(InflatePiece);
    unsigned calls = 0;
    for (;;) {
        const size_t got = source.readAt(start + s.packed, in.data(), in.size());
        if (got == 0) {
            s.outcome = InflatedStream::CutOff;
            return s;
        }
        z.next_in = in.data();
        z.avail_in = uInt(got);
        int result = Z_OK;
        do {
            if (++calls % InflateCallsPerReport == 0)
                report();
            z.next_out = out.data();
            z.avail_out = uInt(out.size());
            result = inflate(&z, Z_NO_FLUSH);
            const size_t produced = out.size() - z.avail_out;
            s.crc = uint32_t(crc32_z(s.crc, out.data(), produced));
            s.unpacked += produced;
        } while (result == Z_OK && z.avail_out == 0);
        s.packed += got - z.avail_in;
        if (result == Z_STREAM_END) {
            s.outcome = InflatedStream::Ended;
            return s;
        }
        if (result != Z_OK && result != Z_BUF_ERROR) {
            s.error = z.msg ? z.msg : "invalid deflate data";
            return s;
        }
    }
}

class Walker {
public:
    Walker(const RandomAccessSource &source, const ReadProgress &progress)
        : source_(source), progress_(progress), in_(source)
    {
    }

    LocalHeaderWalk run()
    {
        for (uint64_t steps = 0;; ++steps) {
            if (steps % ProgressStep == 0)
                report();
            const uint64_t at = in_.position();
            uint8_t b[4];
            if (in_.read(b, 4) != 4) {
                walk_.end = WalkEnd::NoSignature;
                break;
            }
            const uint32_t signature = le32(b);
            if (signature == LocalHeaderSignature) {
                if (!member(at))
                    break;
            } else if (signature == CentralHeaderSignature || signature == EndRecordSignature) {
                walk_.end = WalkEnd::Directory;
                break;
            }
            // Anything else is passed over 4 bytes at a time.
        }
        return std::move(walk_);
    }

private:
    void report()
    {
        if (progress_)
            progress_(0, walk_.members.size(), 0);
    }

    // Reads the member whose signature was just read; false when the walk
    // ends with it.
    bool member(uint64_t headerOffset)
    {
        uint8_t fixed[LocalHeaderSize];
        putLe32(fixed, LocalHeaderSignature);
        if (in_.read(fixed + 4, LocalHeaderSize - 4) != LocalHeaderSize - 4)
            return stop(WalkEnd::HeaderCutShort);
        TableMember m;
        m.local = *parseLocalHeader(Bytes(fixed, sizeof fixed));
        static_cast<MemberFields &>(m) = m.local;
        m.storedPackedSize = m.local.storedPackedSize;
        m.storedUnpackedSize = m.local.storedUnpackedSize;
        m.headerOffset = headerOffset;
        m.storedName.resize(m.local.nameLength);
        if (in_.read(m.storedName.data(), m.storedName.size()) != m.storedName.size())
            return stop(WalkEnd::HeaderCutShort);
        const uint64_t nameEnd = in_.position();
        // An extra field cut short leaves the data past the end of the
        // file, which is said below.
        m.localExtra.resize(m.local.extraLength);
        m.localExtra.resize(in_.read(m.localExtra.data(), m.localExtra.size()));
        const Bytes extra(m.localExtra.data(), m.localExtra.size());
        m.name = unicodePathName(extra, m.storedName).value_or(m.storedName);
        m.dataOffset = nameEnd + m.local.extraLength;
        const LocalSizes sizes = localSizes(m.local, extra);
        m.packedSize = sizes.packedSize;
        m.unpackedSize = sizes.unpackedSize;
        if (zip64SizesMissing(m.local, extra))
            m.problem = "its local header's ZIP64 sizes are missing";

        // Where the walk goes on: past the data (and its descriptor), or,
        // where the data's end is unknown, from its start.
        uint64_t next = m.dataOffset;
        if ((m.flags & FlagDataDescriptor) && m.packedSize == 0) {
            if (m.method != MethodDeflated || (m.flags & EncryptionFlags)) {
                // Only Deflate, which streaming writers use, is decoded
                // here; stored or encrypted data does not say where it
                // ends, and only the directory would.
                if (m.problem.empty())
                    m.problem = "its sizes are in a data descriptor, which cannot be found without the central "
                                "directory";
            } else if (!findDeflatedEnd(m, next)) {
                return stop(WalkEnd::DataPastEnd, std::move(m));
            }
        } else if (m.flags & FlagDataDescriptor) {
            next = afterDescriptor(m, std::nullopt);
        } else if (fitsBefore(m.dataOffset, m.packedSize, source_.size())) {
            next = m.dataOffset + m.packedSize;
        }
        if (m.problem.empty() && !fitsBefore(m.dataOffset, m.packedSize, source_.size()))
            m.problem = CutOffText;
        if (m.problem.empty() && m.method == MethodStored && !(m.flags & EncryptionFlags)
            && m.packedSize != m.unpackedSize)
            m.problem = "it is stored, but its two sizes differ";
        if (!endsBeforeEndRecord(nameEnd, m.local.extraLength, m.packedSize, source_.size()))
            return stop(WalkEnd::DataPastEnd, std::move(m));
        walk_.members.push_back(std::move(m));
        in_.seek(next);
        return true;
    }

    // Decodes a member's Deflate stream to learn its sizes and where the
    // walk goes on. False when the stream runs into the end of the file.
    bool findDeflatedEnd(TableMember &m, uint64_t &next)
    {
        const InflatedStream s = inflateToEnd(source_, m.dataOffset, [this] { report(); });
        if (s.outcome == InflatedStream::CutOff) {
            m.problem = CutOffText;
            return false;
        }
        if (s.outcome == InflatedStream::Damaged) {
            // Only its own data lies before the point of failure; the
            // walk steps on from there, on the grid it would have kept.
            m.problem = "its data cannot be decoded to find where it ends: " + s.error;
            next = m.dataOffset + (s.packed & ~uint64_t(3));
            return true;
        }
        m.packedSize = s.packed;
        m.unpackedSize = s.unpacked;
        next = afterDescriptor(m, s.crc);
        return true;
    }

    // Takes the CRC from the data descriptor after a member's data, the one
    // whose sizes are the member's (and whose CRC is `decodedCrc`, when the
    // data was decoded); returns where the walk goes on.
    uint64_t afterDescriptor(TableMember &m, std::optional<uint32_t> decodedCrc)
    {
        if (!fitsBefore(m.dataOffset, m.packedSize, source_.size()))
            return m.dataOffset;
        const uint64_t dataEnd = m.dataOffset + m.packedSize;
        uint8_t b[MaxDataDescriptorSize];
        const Bytes after(b, source_.readAt(dataEnd, b, sizeof b));
        const bool zip64 = findExtraBlock(Bytes(m.localExtra.data(), m.localExtra.size()), Zip64ExtraId).has_value();
        // The CRC the data gives, else the one each layout would hold: a
        // descriptor whose sizes agree gives the CRC the data is checked by.
        std::vector<uint32_t> crcs;
        if (decodedCrc)
            crcs.push_back(*decodedCrc);
        if (after.size() >= 8 && le32(after.data()) == DataDescriptorSignature)
            crcs.push_back(le32(after.data() + 4));
        if (after.size() >= 4)
            crcs.push_back(le32(after.data()));
        for (const uint32_t crc : crcs) {
            if (const auto length = agreeingDataDescriptorLength(after, {crc, m.packedSize, m.unpackedSize}, zip64)) {
                m.crc = crc;
                return dataEnd + *length;
            }
        }
        // Sizes from the local header come with its CRC, which the data is
        // checked by; decoded data has nothing else to be checked by.
        if (decodedCrc && m.problem.empty())
            m.problem = after.size() < 12 ? CutOffText : "no data descriptor that agrees with its data follows it";
        return dataEnd;
    }

    bool stop(WalkEnd end)
    {
        walk_.end = end;
        return false;
    }

    // Ends the walk with `m` listed: its header was read whole.
    bool stop(WalkEnd end, TableMember m)
    {
        walk_.members.push_back(std::move(m));
        return stop(end);
    }

    const RandomAccessSource &source_;
    const ReadProgress &progress_;
    BufferedReader in_;
    LocalHeaderWalk walk_;
};

}  // namespace

LocalHeaderWalk walkLocalHeaders(const RandomAccessSource &source, const ReadProgress &progress)
{
    return Walker(source, progress).run();
}

}  // namespace zipformat
