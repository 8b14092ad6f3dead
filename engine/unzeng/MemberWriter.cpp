#include "engine/unzeng/MemberWriter.h"

#include "engine/common/FileIo.h"
#include "engine/common/MessageCode.h"
#include "engine/unzeng/Decoders.h"
#include "engine/unzeng/MemberOutlet.h"

#include <libdeflate.h>

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace unzeng {

namespace {

constexpr size_t StreamPiece = 1 << 20;

std::string crcMismatch(uint32_t got, uint32_t expected)
{
    char text[64];
    std::snprintf(text, sizeof text, "bad CRC %08" PRIx32 " (should be %08" PRIx32 ")", got, expected);
    return text;
}

// Feeds the member's compressed bytes in pieces of up to `pieceSize`.
InputPieces pieceReader(const zipformat::RandomAccessSource &source, uint64_t offset, uint64_t length, uint8_t *buffer,
                        size_t pieceSize)
{
    return [&source, offset, length, buffer, pieceSize, done = uint64_t(0)](const uint8_t *&data, size_t &n) mutable {
        const size_t want = size_t(std::min<uint64_t>(pieceSize, length - done));
        data = buffer;
        n = want == 0 ? 0 : source.readAt(offset + done, buffer, want);
        done += n;
        return n == want;
    };
}

}  // namespace

MemberWriter::MemberWriter(const WriterContext &context) : context_(context)
{
    decompressor_ = libdeflate_alloc_decompressor();
}

MemberWriter::~MemberWriter()
{
    if (decompressor_)
        libdeflate_free_decompressor(decompressor_);
}

void MemberWriter::fail(FileJob &job, int32_t code, std::string message)
{
    job.ok = false;
    job.errorCode = code;
    job.error = std::move(message);
}

void MemberWriter::discard(FileJob &job, int fd)
{
    if (fd >= 0)
        ::close(fd);
    if (!job.temporaryName.empty())
        ::unlinkat(job.dir->fd(), job.temporaryName.c_str(), 0);
    job.temporaryName.clear();
}

int MemberWriter::createTemporary(FileJob &job)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::string name = context_.tree.temporaryName();
        std::unique_lock names(context_.namespaceLock);
        const int fd =
            ::openat(job.dir->fd(), name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, job.mode);
        names.unlock();
        if (fd >= 0) {
            job.temporaryName = std::move(name);
            return fd;
        }
        if (errno != EEXIST)
            break;
    }
    fail(job, CodeWriteError, std::string("cannot create a file: ") + std::strerror(errno));
    return -1;
}

// Mode and times go onto the open file, before it gets its real name.
bool MemberWriter::finishFile(FileJob &job, int fd)
{
    if ((job.mode & ~context_.umask) != job.mode && ::fchmod(fd, job.mode) != 0) {
        fail(job, CodeWriteError, std::string("cannot set its permissions: ") + std::strerror(errno));
        discard(job, fd);
        return false;
    }
    const timespec times[2] = {job.member->accessed, job.member->modified};
    ::futimens(fd, times);  // a file system without times still gets the data
    if (::close(fd) != 0) {
        fail(job, CodeWriteError, std::string("cannot write it: ") + std::strerror(errno));
        discard(job, -1);
        return false;
    }
    job.ok = true;
    return true;
}

void MemberWriter::write(FileJob &job)
{
    job.ok = false;
    if (context_.cancel.load()) {
        job.cancelled = true;
        return;
    }
    try {
        const Member &m = *job.member;
        if (!context_.discard && !roomFor(job))
            return;
        MemoryLease lease(context_.memory, &context_.cancel);
        const uint64_t wholeLimit = context_.deliver ? DeliveredWholeLimit : WholeMemberLimit;
        if (m.packedSize <= wholeLimit && m.unpackedSize <= wholeLimit)
            writeWhole(job, lease);
        else
            writeStreamed(job, lease);
        noteMemory(job, lease);
    } catch (const std::bad_alloc &) {
        discard(job, -1);
        fail(job, CodeWriteError, "not enough memory to extract it");
    }
}

// A member that cannot fit is refused before a byte of it is written, not
// after it has filled the file system. Root may use the reserved blocks.
bool MemberWriter::roomFor(FileJob &job)
{
    struct statvfs fs {};
    if (::fstatvfs(job.dir->fd(), &fs) != 0)
        return true;  // nothing known: the writes will tell
    const uint64_t unit = fs.f_frsize ? fs.f_frsize : fs.f_bsize;
    if (fs.f_blocks == 0 || unit == 0)
        return true;  // a file system that counts no blocks (some FUSE ones)
    const uint64_t blocks = ::geteuid() == 0 ? fs.f_bfree : fs.f_bavail;
    const uint64_t available = blocks > UINT64_MAX / unit ? UINT64_MAX : blocks * unit;
    const uint64_t needed = job.member->unpackedSize;
    if (needed <= available)
        return true;
    fail(job, CodeWriteError,
         "not enough free space to extract it: " + std::to_string(needed) + " bytes needed, "
             + std::to_string(available) + " available");
    return false;
}

void MemberWriter::noteMemory(FileJob &job, const MemoryLease &lease)
{
    if (lease.wasAlone() && context_.memory)
        job.note = "decoded alone: it needs more than a decoder's share of memory ("
                   + std::to_string(context_.memory->share() >> 20) + " MiB)";
}

void MemberWriter::writeWhole(FileJob &job, MemoryLease &lease)
{
    const Member &m = *job.member;
    MemberDecryption *decryption = job.decryption.get();
    const size_t packed = size_t(decryption ? decryption->dataLength() : m.packedSize);
    const size_t unpacked = size_t(m.unpackedSize);
    uint8_t *in = input_.reserve(packed);
    if (context_.source.readAt(decryption ? decryption->dataOffset() : m.dataOffset, in, packed) != packed) {
        fail(job, CodeMemberError, "the archive could not be read");
        return;
    }
    const uint8_t *data = in;
    std::string error;
    if (decryption && !decryption->openWhole(context_.source, in, packed, error)) {
        fail(job, CodeMemberError, error);
        return;
    }
    // A decoder's complaint about a decrypted member may mean a wrong password.
    auto failDecoding = [&](const std::string &why) {
        fail(job, CodeMemberError, decryption ? decryption->explain(context_.source, why) : why);
    };
    if (m.method == MethodDeflated) {
        uint8_t *out = output_.reserve(unpacked);
        if (!decompressor_) {
            fail(job, CodeMemberError, "not enough memory to extract it");
            return;
        }
        if (!inflateWhole(decompressor_, in, packed, out, unpacked, error)) {
            failDecoding(error);
            return;
        }
        data = out;
    } else if (m.method != MethodStored) {
        auto decoder = makeStreamDecoder(m.method, m.flags, unpacked, error, &lease);
        if (!decoder) {
            fail(job, CodeUnsupported, error);
            return;
        }
        uint8_t *out = output_.reserve(unpacked);
        bool given = false;
        const auto result = runDecoder(
            *decoder,
            [&](const uint8_t *&p, size_t &n) {
                p = in;
                n = given ? 0 : packed;
                given = true;
                return true;
            },
            out, unpacked, unpacked, [](const uint8_t *, size_t) { return true; });
        if (!result.ok) {
            failDecoding(result.error);
            return;
        }
        data = out;
    }
    const uint32_t crc = uint32_t(libdeflate_crc32(0, data, unpacked));
    if (m.crcStored() && crc != m.crc) {
        failDecoding(crcMismatch(crc, m.crc));
        return;
    }
    if (context_.cancel.load()) {
        job.cancelled = true;
        return;
    }
    if (context_.discard) {
        if (context_.deliver && unpacked > 0 && !context_.deliver(data, unpacked)) {
            job.cancelled = true;
            return;
        }
        job.ok = true;
        job.produced.store(unpacked);
        return;
    }
    const int fd = createTemporary(job);
    if (fd < 0)
        return;
    if (const int writeError = common::writeAll(fd, data, unpacked)) {
        fail(job, CodeWriteError, std::string("cannot write it: ") + std::strerror(writeError));
        discard(job, fd);
        return;
    }
    if (finishFile(job, fd))
        job.produced.store(unpacked);
}

void MemberWriter::writeStreamed(FileJob &job, MemoryLease &lease)
{
    const Member &m = *job.member;
    std::string error;
    auto decoder = makeStreamDecoder(m.method, m.flags, m.unpackedSize, error, &lease);
    if (!decoder) {
        fail(job, CodeUnsupported, error);
        return;
    }
    const int fd = context_.discard ? -1 : createTemporary(job);
    if (fd < 0 && !context_.discard)
        return;
    uint8_t *in = input_.reserve(StreamPiece);
    uint8_t *out = output_.reserve(StreamPiece);
    uint32_t crc = 0;
    uint64_t written = 0;
    int writeError = 0;
    MemberDecryption *decryption = job.decryption.get();
    const auto result = runDecoder(*decoder,
                                   decryption
                                       ? decryption->pieces(context_.source, in, StreamPiece)
                                       : pieceReader(context_.source, m.dataOffset, m.packedSize, in, StreamPiece),
                                   out, StreamPiece, m.unpackedSize, [&](const uint8_t *data, size_t n) {
                                       if (context_.cancel.load())
                                           return false;
                                       crc = uint32_t(libdeflate_crc32(crc, data, n));
                                       if (context_.deliver && !context_.deliver(data, n))
                                           return false;
                                       if (fd >= 0 && (writeError = common::writeAll(fd, data, n)) != 0)
                                           return false;
                                       written += n;
                                       job.produced.store(written);
                                       if (context_.progress)
                                           context_.progress(job);
                                       return true;
                                   });
    if (!result.ok) {
        if (writeError)
            fail(job, CodeWriteError, std::string("cannot write it: ") + std::strerror(writeError));
        else if (result.stopped)
            job.cancelled = true;
        else
            fail(job, CodeMemberError, decryption ? decryption->explain(context_.source, result.error) : result.error);
        discard(job, fd);
        return;
    }
    // An encrypted member's file is only kept once its authentication code matches.
    if (decryption && !decryption->finishStream(context_.source, error)) {
        fail(job, CodeMemberError, error);
        discard(job, fd);
        return;
    }
    if (m.crcStored() && crc != m.crc) {
        fail(job, CodeMemberError,
             decryption ? decryption->explain(context_.source, crcMismatch(crc, m.crc)) : crcMismatch(crc, m.crc));
        discard(job, fd);
        return;
    }
    if (context_.discard)
        job.ok = true;
    else
        finishFile(job, fd);
}

bool readSmallMember(const zipformat::RandomAccessSource &source, const Member &m, std::string &data,
                     std::string &error, MemberDecryption *decryption)
{
    std::string packed(size_t(decryption ? decryption->dataLength() : m.packedSize), '\0');
    if (source.readAt(decryption ? decryption->dataOffset() : m.dataOffset, packed.data(), packed.size())
        != packed.size()) {
        error = "the archive could not be read";
        return false;
    }
    if (decryption && !decryption->openWhole(source, reinterpret_cast<uint8_t *>(packed.data()), packed.size(), error))
        return false;
    auto decoder = makeStreamDecoder(m.method, m.flags, m.unpackedSize, error);
    if (!decoder)
        return false;
    data.assign(size_t(m.unpackedSize), '\0');
    bool given = false;
    const auto result = runDecoder(
        *decoder,
        [&](const uint8_t *&p, size_t &n) {
            p = reinterpret_cast<const uint8_t *>(packed.data());
            n = given ? 0 : packed.size();
            given = true;
            return true;
        },
        reinterpret_cast<uint8_t *>(data.data()), data.size(), data.size(),
        [](const uint8_t *, size_t) { return true; });
    if (!result.ok) {
        error = decryption ? decryption->explain(source, result.error) : result.error;
        return false;
    }
    const uint32_t crc = uint32_t(libdeflate_crc32(0, data.data(), data.size()));
    if (m.crcStored() && crc != m.crc) {
        error = decryption ? decryption->explain(source, crcMismatch(crc, m.crc)) : crcMismatch(crc, m.crc);
        return false;
    }
    return true;
}

}  // namespace unzeng
