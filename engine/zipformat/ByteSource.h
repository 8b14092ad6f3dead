#pragma once
// Reading an archive's bytes: a random-access source with a fixed size (a
// POSIX file or a memory block) and a buffered sequential reader over one.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zipformat {

class ArchiveFile;

class RandomAccessSource {
public:
    virtual ~RandomAccessSource() = default;
    // The number of bytes the source holds; reads never go beyond it.
    virtual uint64_t size() const = 0;
    // Copies up to n bytes from offset; returns how many, fewer only at the
    // end or on a read error.
    virtual size_t readAt(uint64_t offset, void *buffer, size_t n) const = 0;
    // The parts when the source joins those of a split archive: the member
    // list then places members by their disk and names the missing parts.
    virtual const ArchiveFile *splitArchive() const { return nullptr; }
};

// A file opened read-only. The size is taken when the file is opened, so a
// file that grows meanwhile is read as it was.
class PosixFile final : public RandomAccessSource {
public:
    PosixFile() = default;
    ~PosixFile() override;
    PosixFile(const PosixFile &) = delete;
    PosixFile &operator=(const PosixFile &) = delete;

    // Opens without blocking on a FIFO or a device. False with errno-style
    // error() when the file cannot be opened or queried.
    bool open(const std::string &path);
    void close();
    bool isOpen() const { return fd_ >= 0; }
    bool isRegularFile() const { return regular_; }
    int error() const { return error_; }
    // For calls that need the file itself (copy_file_range, fstat).
    int descriptor() const { return fd_; }

    uint64_t size() const override { return size_; }
    size_t readAt(uint64_t offset, void *buffer, size_t n) const override;

private:
    int fd_ = -1;
    int error_ = 0;
    bool regular_ = false;
    uint64_t size_ = 0;
};

class MemorySource final : public RandomAccessSource {
public:
    explicit MemorySource(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    uint64_t size() const override { return bytes_.size(); }
    size_t readAt(uint64_t offset, void *buffer, size_t n) const override;

private:
    std::span<const uint8_t> bytes_;
};

// Sequential reads through one buffer, so that many small reads and short
// forward moves cost no system call each. Seeking never passes the end.
class BufferedReader {
public:
    explicit BufferedReader(const RandomAccessSource &source, size_t bufferSize = 64 * 1024);

    // Copies up to n bytes from the current position and moves past them.
    size_t read(void *buffer, size_t n);
    // Moves to `offset`, or to the end if it lies beyond; returns the new position.
    uint64_t seek(uint64_t offset);
    // Moves forward n bytes, stopping at the end; returns the new position.
    uint64_t skip(uint64_t n);

    // For a caller that knows where its next reads go: whether the buffer
    // holds all of [offset, offset + n), and filling the buffer with up to its
    // size from `offset` in one read of the source, so that scattered small
    // reads inside that range cost no call of their own.
    bool holds(uint64_t offset, size_t n) const;
    void fill(uint64_t offset, size_t n);

    uint64_t position() const { return position_; }
    uint64_t size() const { return source_.size(); }

private:
    const RandomAccessSource &source_;
    std::vector<uint8_t> buffer_;
    uint64_t bufferStart_ = 0;  // file offset of buffer_[0]
    size_t bufferLength_ = 0;   // valid bytes in buffer_
    uint64_t position_ = 0;
};

}  // namespace zipformat
