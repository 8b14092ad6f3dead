#pragma once
// Decoding one member and writing it to a temporary file beside its target.
// Runs on worker threads; the rename into place is the caller's.

#include "engine/common/HugePageBuffer.h"
#include "engine/unzeng/ArchiveIndex.h"
#include "engine/unzeng/MemberDecryption.h"
#include "engine/unzeng/OutputTree.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <sys/types.h>

struct libdeflate_decompressor;

namespace unzeng {

class MemoryBudget;
class MemoryLease;

// Members up to this size (packed and unpacked) are decoded whole in memory
// and written with one call; larger ones are streamed.
inline constexpr uint64_t WholeMemberLimit = 64ull << 20;

struct FileJob {
    const Member *member = nullptr;
    DirectoryRef dir;
    std::string leaf;
    mode_t mode = 0644;
    std::unique_ptr<MemberDecryption> decryption;  // set for an encrypted member

    // Filled in by the writer.
    std::atomic<uint64_t> produced{0};  // bytes written so far
    bool ok = false;
    bool cancelled = false;
    int32_t errorCode = 0;
    std::string error;
    std::string note;           // information for the verbose report
    std::string temporaryName;  // the finished file, until it is renamed
};

struct WriterContext {
    const zipformat::RandomAccessSource &source;
    OutputTree &tree;
    unsigned umask;
    const std::atomic<bool> &cancel;
    // Taken around creating and renaming files. A directory's entries change
    // one at a time anyway; waiting here in user space costs less than the
    // kernel's spinning on the directory's lock.
    std::mutex &namespaceLock;
    std::function<void(const FileJob &)> progress;  // called after each streamed piece
    MemoryBudget *memory = nullptr;                 // shared by the decoders; none: the default limit
    // Decode and check only: no file is created, no free space is needed, and
    // a member that checks out ends with ok set and no temporary name.
    bool discard = false;
    // Set with discard: the decoded data goes here instead, in pieces, and
    // only members up to DeliveredWholeLimit are decoded whole. False stops
    // the member as a cancel does.
    std::function<bool(const uint8_t *data, size_t length)> deliver;
};

// A reusable block of memory that only grows.
using GrowableBuffer = common::HugePageBuffer;

class MemberWriter {
public:
    explicit MemberWriter(const WriterContext &context);
    ~MemberWriter();
    MemberWriter(const MemberWriter &) = delete;
    MemberWriter &operator=(const MemberWriter &) = delete;

    void write(FileJob &job);

private:
    bool roomFor(FileJob &job);
    void writeWhole(FileJob &job, MemoryLease &lease);
    void writeStreamed(FileJob &job, MemoryLease &lease);
    void noteMemory(FileJob &job, const MemoryLease &lease);
    int createTemporary(FileJob &job);
    bool finishFile(FileJob &job, int fd);
    void fail(FileJob &job, int32_t code, std::string message);
    void discard(FileJob &job, int fd);

    const WriterContext &context_;
    libdeflate_decompressor *decompressor_ = nullptr;
    GrowableBuffer input_, output_;
};

// Decodes a small member (a link's target) into memory and checks its CRC;
// `decryption` decrypts it first.
bool readSmallMember(const zipformat::RandomAccessSource &source, const Member &member, std::string &data,
                     std::string &error, MemberDecryption *decryption = nullptr);

}  // namespace unzeng
