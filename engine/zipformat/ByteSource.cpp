#include "engine/zipformat/ByteSource.h"

#include "engine/common/FileIo.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zipformat {

PosixFile::~PosixFile()
{
    close();
}

bool PosixFile::open(const std::string &path)
{
    close();
    error_ = 0;
    // O_NONBLOCK: opening a FIFO must not wait for a writer. It changes nothing
    // for regular files, which are the only ones callers go on to read.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd_ < 0) {
        error_ = errno;
        return false;
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        error_ = errno;
        close();
        return false;
    }
    regular_ = S_ISREG(st.st_mode);
    size_ = regular_ && st.st_size > 0 ? uint64_t(st.st_size) : 0;
    return true;
}

void PosixFile::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    regular_ = false;
    size_ = 0;
}

size_t PosixFile::readAt(uint64_t offset, void *buffer, size_t n) const
{
    if (fd_ < 0 || offset >= size_)
        return 0;
    n = size_t(std::min<uint64_t>(n, size_ - offset));
    return common::preadFull(fd_, buffer, n, offset).got;
}

size_t MemorySource::readAt(uint64_t offset, void *buffer, size_t n) const
{
    if (offset >= bytes_.size())
        return 0;
    n = size_t(std::min<uint64_t>(n, bytes_.size() - offset));
    std::memcpy(buffer, bytes_.data() + offset, n);
    return n;
}

BufferedReader::BufferedReader(const RandomAccessSource &source, size_t bufferSize)
    : source_(source), buffer_(std::max<size_t>(bufferSize, 64))
{
}

size_t BufferedReader::read(void *buffer, size_t n)
{
    auto *out = static_cast<uint8_t *>(buffer);
    size_t done = 0;
    while (done < n) {
        if (position_ >= bufferStart_ && position_ < bufferStart_ + bufferLength_) {
            const size_t at = size_t(position_ - bufferStart_);
            const size_t take = std::min(n - done, bufferLength_ - at);
            std::memcpy(out + done, buffer_.data() + at, take);
            done += take;
            position_ += take;
            continue;
        }
        const size_t wanted = n - done;
        if (wanted >= buffer_.size()) {
            // Large reads go straight to the caller's memory.
            const size_t got = source_.readAt(position_, out + done, wanted);
            done += got;
            position_ += got;
            break;
        }
        bufferStart_ = position_;
        bufferLength_ = source_.readAt(position_, buffer_.data(), buffer_.size());
        if (bufferLength_ == 0)
            break;
    }
    return done;
}

uint64_t BufferedReader::seek(uint64_t offset)
{
    position_ = std::min(offset, source_.size());
    return position_;
}

bool BufferedReader::holds(uint64_t offset, size_t n) const
{
    return offset >= bufferStart_ && offset - bufferStart_ <= bufferLength_
           && n <= bufferLength_ - (offset - bufferStart_);
}

void BufferedReader::fill(uint64_t offset, size_t n)
{
    bufferStart_ = offset;
    bufferLength_ = source_.readAt(offset, buffer_.data(), std::min(n, buffer_.size()));
}

uint64_t BufferedReader::skip(uint64_t n)
{
    const uint64_t room = source_.size() - std::min(position_, source_.size());
    return seek(position_ + std::min(n, room));
}

}  // namespace zipformat
