#include "engine/OtherArchiveOutput.h"

#include "engine/common/Directory.h"
#include "engine/common/FileIo.h"
#include "engine/common/SystemCalls.h"
#include "engine/common/Umask.h"
#include "engine/common/UniqueFd.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/mman.h>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace orvex {

namespace {

// The add library's codes, which the callers of an add already read.
constexpr int TempFileError = 10;
constexpr int ReadError = 11;
constexpr int WriteError = 14;
constexpr int CreateError = 15;
constexpr int OpenError = 18;

constexpr size_t ChunkBytes = 256 * 1024;
constexpr uint64_t StepBytes = 32768;

std::string directoryOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string ownerName(uid_t uid)
{
    static thread_local std::unordered_map<uid_t, std::string> known;
    if (const auto it = known.find(uid); it != known.end())
        return it->second;
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd *found = nullptr;
    ::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found);
    return known[uid] = found ? found->pw_name : "";
}

std::string groupName(gid_t gid)
{
    static thread_local std::unordered_map<gid_t, std::string> known;
    if (const auto it = known.find(gid); it != known.end())
        return it->second;
    std::vector<char> buffer(16384);
    struct group entry {};
    struct group *found = nullptr;
    ::getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found);
    return known[gid] = found ? found->gr_name : "";
}

otherformats::WriteEntry entryOf(const otherformats::DiskItem &item)
{
    const struct stat &s = item.status;
    otherformats::WriteEntry entry;
    entry.name = item.name;
    entry.kind = S_ISDIR(s.st_mode)   ? otherformats::EntryKind::Directory
                 : S_ISLNK(s.st_mode) ? otherformats::EntryKind::Symlink
                                      : otherformats::EntryKind::File;
    entry.size = entry.kind == otherformats::EntryKind::File ? uint64_t(s.st_size) : 0;
    entry.mode = s.st_mode & 07777;
    entry.modified = s.st_mtim.tv_sec;
    entry.modifiedNanos = uint32_t(s.st_mtim.tv_nsec);
    entry.uid = s.st_uid;
    entry.gid = s.st_gid;
    entry.owner = ownerName(s.st_uid);
    entry.group = groupName(s.st_gid);
    entry.linkTarget = item.linkTarget;
    entry.device_inode = std::pair<uint64_t, uint64_t>{s.st_dev, s.st_ino};
    entry.linkCount = uint32_t(s.st_nlink);
    return entry;
}

}  // namespace

OtherArchiveOutput::OtherArchiveOutput(std::string target, otherformats::WriterSettings settings, ArchiveEvents &events)
    : target_(std::move(target)), settings_(settings), events_(&events)
{
}

OtherArchiveOutput::~OtherArchiveOutput()
{
    writer_.reset();
    if (spool_ >= 0)
        ::close(spool_);
    if (fd_ >= 0)
        ::close(fd_);
    if (!committed_ && !temporary_.empty())
        ::unlink(temporary_.c_str());
}

bool OtherArchiveOutput::fail(int code, const std::string &text)
{
    // A write the stop request refused is the cancel, which the caller says.
    if (!broken_ && !events_->stopRequested())
        events_->message(code, text);
    broken_ = true;
    return false;
}

bool OtherArchiveOutput::open()
{
    const std::string directory = directoryOf(target_);
    std::string pattern = directory + (directory.back() == '/' ? "" : "/") + ".orvex-XXXXXX";
    // mkostemp opens with O_EXCL: the name is ours alone.
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0)
        return fail(TempFileError, "Cannot create a temporary file in " + directory + ": " + std::strerror(errno));
    temporary_ = pattern;
    std::string error;
    settings_.stopAsked = [this] { return events_->stopRequested(); };
    writer_ = otherformats::ArchiveWriter::open(fd_, settings_, error);
    if (!writer_)
        return fail(WriteError, "Cannot write " + otherformats::formatLabel(settings_.format) + ": " + error);
    return true;
}

bool OtherArchiveOutput::writeHeader(const otherformats::WriteEntry &entry, bool &takesData)
{
    if (!writer_->begin(entry, takesData))
        return fail(WriteError, "Cannot write " + temporary_ + ": " + writer_->error());
    newest_ = std::max(newest_, entry.modified);
    return true;
}

bool OtherArchiveOutput::begin(const StreamEntry &entry)
{
    if (broken_ || events_->stopRequested())
        return false;
    const std::optional<std::string> name = nameFor ? nameFor(entry) : std::optional<std::string>(entry.name);
    // The second reading takes only the files whose other names are to be
    // copies.
    if (copyingLinks_ && (entry.kind != StreamEntryKind::File || !linksToCopy_.count(entry.name))) {
        copy_ = Copy::Passed;
        return false;
    }
    if (!name) {
        copy_ = Copy::Passed;
        return false;
    }
    current_ = {};
    current_.name = *name;
    current_.mode = entry.mode;
    current_.modified = entry.modified;
    current_.modifiedNanos = entry.modifiedNanos;
    // An entry whose format keeps no owner (a ZIP's) becomes the user's own,
    // as a file added from the disk would.
    current_.uid = entry.uid ? entry.uid : std::optional<uint32_t>(::getuid());
    current_.gid = entry.gid ? entry.gid : std::optional<uint32_t>(::getgid());
    current_.owner = entry.uid ? entry.owner : ownerName(::getuid());
    current_.group = entry.gid ? entry.group : groupName(::getgid());
    if (current_.mode == 0)  // none stored
        current_.mode = entry.kind == StreamEntryKind::Directory ? 0755 : 0644;
    current_.linkTarget = entry.linkTarget;
    copied_ = 0;
    switch (entry.kind) {
    case StreamEntryKind::Directory: current_.kind = otherformats::EntryKind::Directory; break;
    case StreamEntryKind::Symlink: current_.kind = otherformats::EntryKind::Symlink; break;
    case StreamEntryKind::HardLink: current_.kind = otherformats::EntryKind::HardLink; break;
    case StreamEntryKind::File: current_.kind = otherformats::EntryKind::File; break;
    }
    if (current_.kind == otherformats::EntryKind::HardLink) {
        std::string why;
        if (!names_.count(entry.linkTarget)) {
            why = "it is a hard link to " + entry.linkTarget + ", which is not in the new archive";
        } else if (settings_.format.container == otherformats::Container::SevenZip) {
            linksToCopy_[entry.linkTarget].push_back(*name);
            copy_ = Copy::Passed;
            return false;
        }
        if (!why.empty()) {
            copy_ = Copy::Passed;
            if (wholeOrNothing)
                return fail(ReadError, "Cannot keep " + entry.name + ": " + why + "; nothing was changed");
            ++left_;
            events_->message(ReadError, "Left out " + entry.name + ": " + why);
            return false;
        }
    }
    if (current_.kind == otherformats::EntryKind::File && (!entry.size || copyingLinks_)) {
        // tar and 7z say an entry's size before its data: it is held in
        // memory (or swap) until its end tells it.
        spool_ = ::memfd_create("orvex-entry", MFD_CLOEXEC);
        if (spool_ < 0)
            return fail(WriteError, "Cannot hold the data of " + entry.name + ": " + std::strerror(errno));
        copy_ = Copy::Spooled;
        return true;
    }
    current_.size = current_.kind == otherformats::EntryKind::File ? *entry.size : 0;
    bool takesData = false;
    if (!writeHeader(current_, takesData))
        return false;
    copy_ = takesData ? Copy::Direct : Copy::Passed;
    if (!takesData) {
        // No data of its own to copy: it is complete now.
        names_.insert(current_.name);
        ++written_;
        if (!writer_->endEntry())
            return fail(WriteError, "Cannot write " + temporary_ + ": " + writer_->error());
        copy_ = Copy::None;
        return false;
    }
    return true;
}

bool OtherArchiveOutput::data(const void *bytes, size_t length)
{
    if (broken_ || events_->stopRequested())
        return false;
    if (copy_ == Copy::Spooled) {
        if (const int error = common::writeAll(spool_, bytes, length))
            return fail(WriteError, "Cannot hold the data of " + current_.name + ": " + std::strerror(error));
        return true;
    }
    if (copy_ != Copy::Direct)
        return true;
    // The reader stops an entry that runs past its size; what the header
    // said is all that fits.
    length = size_t(std::min<uint64_t>(length, current_.size - std::min(copied_, current_.size)));
    if (!writer_->write(bytes, length))
        return fail(WriteError, "Cannot write " + temporary_ + ": " + writer_->error());
    copied_ += length;
    return true;
}

bool OtherArchiveOutput::spoolFinished(const std::vector<std::string> &names)
{
    const off_t size = ::lseek(spool_, 0, SEEK_END);
    current_.size = uint64_t(std::max<off_t>(size, 0));
    std::vector<char> chunk(ChunkBytes);
    for (size_t n = 0; n < names.size(); ++n) {
        current_.name = names[n];
        bool takesData = false;
        if (!writeHeader(current_, takesData))
            return false;
        for (uint64_t at = 0; takesData && at < current_.size;) {
            const common::ReadResult r = common::preadFull(spool_, chunk.data(), chunk.size(), at);
            if (r.error || r.got == 0)
                return fail(WriteError, "Cannot read back the data of " + current_.name);
            if (!writer_->write(chunk.data(), r.got))
                return fail(WriteError, "Cannot write " + temporary_ + ": " + writer_->error());
            at += r.got;
        }
        // The last name's entry is ended by the caller.
        if (n + 1 < names.size()) {
            if (!writer_->endEntry())
                return fail(WriteError, "Cannot write " + temporary_ + ": " + writer_->error());
            names_.insert(current_.name);
            ++written_;
        }
    }
    ::close(std::exchange(spool_, -1));
    return true;
}

bool OtherArchiveOutput::end(bool complete)
{
    const Copy copy = std::exchange(copy_, Copy::None);
    if (copy == Copy::Passed || copy == Copy::None)
        return !broken_ && !events_->stopRequested();
    if (broken_)
        return false;
    if (!complete && wholeOrNothing)
        return fail(ReadError, "Cannot read " + current_.name + " from the archive to the end; nothing was changed");
    if (copy == Copy::Spooled) {
        const std::vector<std::string> names = copyingLinks_ ? linksToCopy_[current_.name]
                                                             : std::vector<std::string>{current_.name};
        if (!spoolFinished(names))
            return false;
    }
    if (!complete || copied_ < current_.size) {
        if (copy == Copy::Direct) {
            // The header is out: the entry stays, its missing bytes zeros.
            ++left_;
            events_->message(ReadError, current_.name + " could not be read to the end: the new archive holds "
                                            + std::to_string(copied_) + " of its " + std::to_string(current_.size)
                                            + " bytes, the rest as zeros");
        }
    }
    if (!writer_->endEntry())
        return fail(WriteError, "Cannot write " + temporary_ + ": " + writer_->error());
    names_.insert(current_.name);
    ++written_;
    return !events_->stopRequested();
}

bool OtherArchiveOutput::addFromDisk(int base, const otherformats::DiskItem &item, const StreamEntry *like)
{
    if (broken_ || events_->stopRequested())
        return false;
    otherformats::WriteEntry entry = entryOf(item);
    if (like) {
        if (like->mode)
            entry.mode = like->mode & 07777;
        if (like->uid) {
            entry.uid = like->uid;
            entry.owner = like->owner;
        }
        if (like->gid) {
            entry.gid = like->gid;
            entry.group = like->group;
        }
    }
    common::UniqueFd file;
    if (entry.kind == otherformats::EntryKind::File) {
        file.reset(::openat(base, item.path.c_str(), O_RDONLY | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
        struct stat now {};
        // A file that cannot be opened is passed over with a message, as the
        // ZIP add passes it over: nothing of it is written yet.
        if (!file || ::fstat(file.get(), &now) != 0) {
            events_->message(OpenError, "Cannot add " + item.path + ": " + std::strerror(errno));
            return true;
        }
        // Replaced by something else since the scan (a FIFO would block).
        if (!S_ISREG(now.st_mode) || now.st_ino != item.status.st_ino || now.st_dev != item.status.st_dev)
            return fail(OpenError, "Cannot add " + item.path + ": it changed while the archive was written");
        entry.size = uint64_t(now.st_size);
    }
    events_->progress(FileBegin, item.path, int64_t(entry.size));
    bool takesData = false;
    if (!writeHeader(entry, takesData))
        return false;
    std::vector<char> chunk(takesData ? ChunkBytes : 0);
    uint64_t done = 0;
    uint64_t steps = 0;
    while (takesData && done < entry.size) {
        const size_t want = size_t(std::min<uint64_t>(chunk.size(), entry.size - done));
        const common::ReadResult r = common::readFull(file.get(), chunk.data(), want);
        if (r.error)
            return fail(ReadError,
                        "Cannot read " + item.path + ": " + std::strerror(r.error) + "; nothing was changed");
        if (r.got < want)
            return fail(ReadError, item.path + " became shorter while it was read; nothing was changed");
        if (!writer_->write(chunk.data(), r.got))
            return fail(WriteError, "Cannot write " + temporary_ + ": " + writer_->error());
        done += r.got;
        for (; steps < done / StepBytes; ++steps)
            events_->progress(FileStep, " ", 0);
        if (events_->stopRequested())
            return false;
    }
    if (!writer_->endEntry())
        return fail(WriteError, "Cannot write " + temporary_ + ": " + writer_->error());
    names_.insert(entry.name);
    ++written_;
    return true;
}

bool OtherArchiveOutput::commit(const Placement &placement)
{
    if (broken_ || !writer_ || events_->stopRequested())
        return false;
    events_->progress(Working, " ", 0);
    if (!writer_->finish())
        return fail(WriteError, "Cannot write " + temporary_ + ": " + writer_->error());
    writer_.reset();
    // Keeping the old owner needs privileges; without them the file stays
    // the caller's, as any rewrite by the caller would leave it.
    if (placement.owner) {
        [[maybe_unused]] const int ignored = ::fchown(fd_, placement.owner->first, placement.owner->second);
    }
    const mode_t mode = placement.mode ? *placement.mode : (0666 & ~common::currentUmask());
    if (::fchmod(fd_, mode & 07777) != 0)
        return fail(CreateError, "Cannot set the permissions of " + temporary_ + ": " + std::strerror(errno));
    if (placement.modified) {
        const struct timespec times[2] = {{0, UTIME_OMIT}, {time_t(*placement.modified), 0}};
        ::futimens(fd_, times);
    }
    if (common::sys::fsync(fd_) != 0)
        return fail(WriteError, "Cannot write " + temporary_ + ": " + std::strerror(errno));
    if (::close(std::exchange(fd_, -1)) != 0)
        return fail(WriteError, "Cannot write " + temporary_ + ": " + std::strerror(errno));
    if (!placement.replace) {
        if (!common::renameInto(AT_FDCWD, temporary_, target_, false))
            return fail(CreateError, "Cannot create " + target_ + ": " + std::strerror(errno));
    } else if (common::sys::rename(temporary_.c_str(), target_.c_str()) != 0) {
        return fail(CreateError, "Cannot replace " + target_ + ": " + std::strerror(errno));
    }
    committed_ = true;
    return true;
}

}  // namespace orvex
