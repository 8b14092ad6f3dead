#include "engine/zipeng/ZipJob.h"

#include "engine/zipeng/Deflate.h"
#include "engine/zipeng/ErrorCodes.h"
#include "engine/zipeng/ExistingArchive.h"
#include "engine/zipeng/Names.h"
#include "engine/zipeng/OutputArchive.h"
#include "engine/zipeng/SourceScan.h"
#include "engine/zipeng/WorkerPool.h"
#include "engine/zipformat/Directory.h"
#include "engine/zipformat/LittleEndian.h"
#include "engine/zipformat/ZipRecords.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <fnmatch.h>
#include <future>
#include <new>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <unordered_set>

namespace zipeng {

using zipformat::Zip64Marker32;

namespace tuning {
uint64_t wholeFileLimit = 256u << 20;
size_t streamChunk = 0;
size_t copyBlock = 4u << 20;
std::chrono::nanoseconds workingInterval = std::chrono::milliseconds(100);
std::atomic<uint64_t> piecesDeflated{0};
}  // namespace tuning

namespace {

constexpr size_t StoreChunk = 4u << 20;
// How long the writer waits for a worker before it asks whether to go on.
constexpr auto WaitStep = std::chrono::milliseconds(50);
// Bounds on the files read ahead of the writer.
constexpr uint64_t ReadAheadBytes = 512u << 20;
constexpr size_t ReadAheadFiles = 256;

constexpr uint16_t MadeByUnix = (3 << 8) | 30;   // Unix, 3.0
constexpr uint16_t MadeByDos = (0 << 8) | 20;    // MS-DOS, 2.0
constexpr uint32_t DosDirectory = 0x10;
constexpr uint32_t DosReadOnly = 0x01;

std::string errorText(int error)
{
    return std::strerror(error);
}

mode_t currentUmask()
{
    // Reading it from /proc leaves the process-wide mask alone, which other
    // threads of the caller may rely on.
    if (FILE *status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        while (std::fgets(line, sizeof line, status)) {
            unsigned mask = 0;
            if (std::sscanf(line, "Umask: %o", &mask) == 1) {
                std::fclose(status);
                return mode_t(mask);
            }
        }
        std::fclose(status);
    }
    return 022;
}

// A symbolic link named as the archive is followed, so that the link stays
// and the file it points to is the one replaced. A link that points nowhere
// yet is followed too: the new archive is created where it points.
std::string resolveArchivePath(const std::string &name)
{
    struct stat status {};
    if (::lstat(name.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
        return name;
    if (char *real = ::realpath(name.c_str(), nullptr)) {
        std::string resolved = real;
        std::free(real);
        return resolved;
    }
    // Dangling: follow it step by step, as the kernel would, to the name
    // that does not exist. A loop is left to fail when the archive is opened.
    std::string path = name;
    for (int hops = 0; hops < 40; ++hops) {
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return path;
        std::vector<char> target(size_t(status.st_size > 0 ? status.st_size : PATH_MAX) + 1);
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n <= 0 || size_t(n) >= target.size())
            return name;
        const std::string next(target.data(), size_t(n));
        if (next.front() == '/') {
            path = next;
        } else {
            const size_t slash = path.rfind('/');
            path = slash == std::string::npos ? next : path.substr(0, slash + 1) + next;
        }
    }
    return name;
}

std::string percentText(uint64_t packed, uint64_t unpacked)
{
    const int saved = unpacked == 0 ? 0 : int(100 - std::min<uint64_t>(100, packed * 100 / unpacked));
    return std::to_string(saved) + "%";
}

std::vector<uint8_t> timestampBlock(int64_t modified)
{
    if (modified < INT32_MIN || modified > INT32_MAX)
        return {};
    std::vector<uint8_t> block(9);
    zipformat::putLe16(&block[0], zipformat::ExtendedTimestampId);
    zipformat::putLe16(&block[2], 5);
    block[4] = 1;   // modification time only
    zipformat::putLe32(&block[5], uint32_t(int32_t(modified)));
    return block;
}

// What a worker hands back for one file read whole.
struct Prepared {
    std::string error;           // why it could not be read, if so
    bool tooLarge = false;       // grew past the limit: the writer streams it
    struct stat status {};       // of the opened file
    uint64_t size = 0;           // bytes read
    bool shrank = false;         // fewer bytes than the file had when opened
    uint32_t crc = 0;
    Buffer data;                 // deflated bytes, or the file's own when stored
    bool deflated = false;
};

bool readFully(int fd, uint8_t *buffer, size_t wanted, size_t &got, int &error)
{
    got = 0;
    while (got < wanted) {
        const ssize_t n = ::read(fd, buffer + got, wanted - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = errno;
            return false;
        }
        if (n == 0)
            break;
        got += size_t(n);
    }
    return true;
}

int openSource(int base, const std::string &path)
{
    // O_NONBLOCK: a file replaced by a FIFO since the scan must not hang us.
    return ::openat(base, path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
}

size_t pieceBytes(int level)
{
    return tuning::streamChunk ? tuning::streamChunk : pieceSize(level);
}

// Above this size a file is not read whole: stored files when they are
// larger than the limit, deflated ones also when they are larger than a
// piece, so that no worker spends long in one call of the compressor.
uint64_t wholeFileSize(int level)
{
    return level == 0 ? tuning::wholeFileLimit : std::min<uint64_t>(tuning::wholeFileLimit, pieceBytes(level));
}

Prepared prepareFile(int base, const std::string &path, int level, const std::atomic<bool> &stop)
{
    Prepared p;
    if (stop.load(std::memory_order_relaxed)) {
        p.error = "cancelled";
        return p;
    }
    const int fd = openSource(base, path);
    if (fd < 0) {
        p.error = errorText(errno);
        return p;
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    if (::fstat(fd, &p.status) != 0) {
        p.error = errorText(errno);
        return p;
    }
    if (!S_ISREG(p.status.st_mode)) {
        p.error = "not a regular file";
        return p;
    }
    const uint64_t size = uint64_t(p.status.st_size);
    if (size > wholeFileSize(level)) {
        p.tooLarge = true;
        return p;
    }
    Buffer input{size_t(size)};
    size_t got = 0;
    // In blocks, so that a cancelled job does not wait for a long read.
    for (;;) {
        const size_t want = size_t(std::min<uint64_t>(StoreChunk, size - got));
        size_t n = 0;
        int error = 0;
        if (!readFully(fd, input.data() + got, want, n, error)) {
            p.error = errorText(error);
            return p;
        }
        got += n;
        if (n < want || got == size)
            break;
        if (stop.load(std::memory_order_relaxed)) {
            p.error = "cancelled";
            return p;
        }
    }
    p.shrank = got < size;
    input.size = got;
    p.size = got;
    p.crc = crc32Update(0, input.view());
    if (level > 0 && !looksIncompressible(input.view())) {
        Buffer packed = deflateWhole(level, input.view());
        if (packed.size > 0) {
            p.data = std::move(packed);
            p.deflated = true;
            return p;
        }
    }
    p.data = std::move(input);
    return p;
}

// ---- The common frame of both jobs --------------------------------------

class Job {
public:
    Job(const JobOptions &options, Reporter &reporter) : options_(options), reporter_(reporter) {}

protected:
    void report(int32_t code, const std::string &text)
    {
        if (reporter_.message(code, text))
            throw Cancelled{};
    }
    void verbose(const std::string &text)
    {
        if (reporter_.verbose(text))
            throw Cancelled{};
    }
    void trace(const std::string &text)
    {
        if (reporter_.trace(text))
            throw Cancelled{};
    }
    void beginFile(const std::string &name, uint64_t size)
    {
        stepsSent_ = 0;
        if (reporter_.fileBegin(name, size))
            throw Cancelled{};
    }
    // Sends the steps that `consumed` bytes of the current file are worth.
    void advance(uint64_t consumed)
    {
        const uint64_t target = stepsFor(consumed);
        while (stepsSent_ < target) {
            ++stepsSent_;
            if (reporter_.step())
                throw Cancelled{};
        }
    }

    // Asks whether to go on when the caller has not heard from us for a
    // while; `last` asks in any case (the new archive is about to replace the old).
    void pulse(bool last = false)
    {
        if (reporter_.working(last ? std::chrono::nanoseconds(0) : tuning::workingInterval))
            throw Cancelled{};
    }
    // A worker's result, asking whether to go on while it is not ready.
    template <typename T>
    T await(std::future<T> &future)
    {
        while (future.wait_for(WaitStep) != std::future_status::ready)
            pulse();
        return future.get();
    }

    void keepMember(const ExistingMember &m)
    {
        const uint64_t length = old_.recordLength(m);
        MemberRecord r = m;   // every header value as it was
        r.localOffset = out_->position();
        out_->copyFrom(old_.fd(), m.localOffset, length);
        out_->addToDirectory(r);
        noteTime(m.modificationTime());
    }

    void noteTime(int64_t t)
    {
        if (!newest_ || t > *newest_)
            newest_ = t;
    }

    void openOutput(const std::string &archive)
    {
        out_.emplace(archive);
        out_->setPulse([this](bool last) { pulse(last); });
        trace("Writing the new archive as " + out_->temporaryPath());
        out_->copyFrom(old_.fd(), 0, old_.prefixLength);
    }

    void finishOutput()
    {
        if (out_->finish(old_.comment))
            trace("The archive needs ZIP64 end records");
        const bool existed = old_.state() != ExistingArchive::State::Missing;
        const mode_t mode = existed ? old_.status().st_mode & 07777 : 0666 & ~currentUmask();
        std::optional<std::pair<uid_t, gid_t>> owner;
        if (existed && (old_.status().st_uid != ::geteuid() || old_.status().st_gid != ::getegid()))
            owner = std::pair{old_.status().st_uid, old_.status().st_gid};
        std::optional<int64_t> time;
        if (options_.archiveTime && newest_)
            time = newest_;
        out_->commit(mode, owner, time);
    }

    const JobOptions &options_;
    Reporter &reporter_;
    ExistingArchive old_;
    std::optional<OutputArchive> out_;
    std::optional<int64_t> newest_;
    uint64_t stepsSent_ = 0;
};

// ---- Add ------------------------------------------------------------------

class AddJob : public Job {
public:
    // Relative sources are opened, listed and deleted under `base`.
    AddJob(const JobOptions &options, Reporter &reporter, int base) : Job(options, reporter), base_(base) {}
    int32_t run(const std::string &archive);

private:
    struct Entry {
        int member = -1;   // an old member kept, or replaced by the source
        int source = -1;   // a source written
    };
    struct Written {
        std::string path;
        bool directory;
        struct stat status;
        std::string link;   // see SourceItem::link
    };
    struct ReadFailure {
        int error;
    };
    struct StreamResult {
        uint32_t crc = 0;
        uint64_t packed = 0;
        uint64_t unpacked = 0;
        bool shrank = false;
    };

    std::vector<Entry> plan(const std::vector<SourceItem> &sources);
    MemberRecord newRecord(const SourceItem &item, const struct stat &status, uint16_t method) const;
    void putHeader(MemberRecord &r, bool zip64Sizes);
    bool writeDirectory(const SourceItem &item);
    bool writePrepared(const SourceItem &item, Prepared &p);
    bool writeStreamed(const SourceItem &item);
    StreamResult deflateStream(int fd, uint64_t size);
    StreamResult storeStream(int fd, uint64_t size, bool withSteps);
    // After the new archive is in place: messages only, a cancel no longer applies.
    void moveSources();

    int base_;
    int level_ = 0;
    std::atomic<bool> stop_{false};
    std::optional<WorkerPool> pool_;
    std::vector<Written> written_;
};

std::vector<AddJob::Entry> AddJob::plan(const std::vector<SourceItem> &sources)
{
    std::unordered_map<std::string_view, int> byName;
    for (size_t i = 0; i < sources.size(); ++i)
        byName.emplace(sources[i].name, int(i));

    const bool selective = options_.update || options_.freshen;
    std::vector<bool> placed(sources.size());
    std::vector<Entry> entries;
    entries.reserve(old_.members.size() + sources.size());
    for (size_t m = 0; m < old_.members.size(); ++m) {
        const ExistingMember &member = old_.members[m];
        Entry entry{int(m), -1};
        const auto it = byName.find(member.name);
        if (it != byName.end() && !placed[size_t(it->second)]) {
            const int s = it->second;
            placed[size_t(s)] = true;
            // Update and freshen replace only what is newer on disk; the
            // extended timestamp has whole seconds, the DOS fields two.
            const SourceItem &source = sources[size_t(s)];
            bool newer = true;
            if (selective) {
                newer = member.unixTime ? source.status.st_mtime > *member.unixTime
                                        : toDosDateTime(source.status.st_mtime).packed()
                                              > DosDateTime{member.modTime, member.modDate}.packed();
            }
            if (newer)
                entry.source = s;
        }
        entries.push_back(entry);
    }
    if (!options_.freshen) {
        for (size_t s = 0; s < sources.size(); ++s)
            if (!placed[s])
                entries.push_back({-1, int(s)});
    }
    return entries;
}

MemberRecord AddJob::newRecord(const SourceItem &item, const struct stat &status, uint16_t method) const
{
    MemberRecord r;
    r.name = item.name;
    if (!isAscii(r.name) && isUtf8(r.name))
        r.flags |= zipformat::FlagUtf8;
    r.method = method;
    r.versionNeeded = method == 8 ? VersionDeflated : VersionStored;
    const DosDateTime dos = toDosDateTime(status.st_mtime);
    r.modTime = dos.time;
    r.modDate = dos.date;
    uint32_t dosAttributes = 0;
    if (item.directory)
        dosAttributes |= DosDirectory;
    if (!(status.st_mode & S_IWUSR))
        dosAttributes |= DosReadOnly;
    if (options_.forceDos) {
        r.versionMadeBy = MadeByDos;
        r.externalAttributes = dosAttributes;
    } else {
        r.versionMadeBy = MadeByUnix;
        r.externalAttributes = (uint32_t(status.st_mode & 0xFFFF) << 16) | dosAttributes;
    }
    r.extra = timestampBlock(status.st_mtime);
    return r;
}

void AddJob::putHeader(MemberRecord &r, bool zip64Sizes)
{
    r.localOffset = out_->position();
    // Both headers say the same version: 4.5 when either carries ZIP64 values.
    if (zip64Sizes || r.localOffset >= Zip64Marker32)
        r.versionNeeded = std::max(r.versionNeeded, VersionZip64);
    out_->write(buildLocalHeader(r, zip64Sizes));
}

bool AddJob::writeDirectory(const SourceItem &item)
{
    beginFile(item.name, 0);
    MemberRecord r = newRecord(item, item.status, 0);
    putHeader(r, false);
    out_->addToDirectory(r);
    noteTime(item.status.st_mtime);
    written_.push_back({item.path, true, item.status, item.link});
    verbose("adding: " + item.name);
    return true;
}

bool AddJob::writePrepared(const SourceItem &item, Prepared &p)
{
    if (!p.error.empty()) {
        report(OpenError, "Cannot add " + item.path + ": " + p.error);
        return false;
    }
    if (p.tooLarge)
        return writeStreamed(item);
    beginFile(item.name, p.size);
    MemberRecord r = newRecord(item, p.status, p.deflated ? 8 : 0);
    r.crc = p.crc;
    r.packedSize = p.data.size;
    r.unpackedSize = p.size;
    putHeader(r, false);
    if (p.deflated) {
        out_->write(p.data.view());   // at most a piece
    } else {
        // A stored file may be large: its steps go out as it is written.
        for (size_t at = 0; at < p.data.size;) {
            const size_t n = std::min(StoreChunk, p.data.size - at);
            out_->write({p.data.data() + at, n});
            at += n;
            advance(at);
        }
    }
    out_->addToDirectory(r);
    noteTime(p.status.st_mtime);
    written_.push_back({item.path, false, p.status, item.link});
    if (p.shrank)
        report(InfoCode, item.path + " became shorter while it was read; the part read was added");
    advance(p.size);
    verbose("adding: " + item.name + (p.deflated ? " (deflated " : " (stored ") + percentText(r.packedSize, p.size) + ")");
    return true;
}

AddJob::StreamResult AddJob::storeStream(int fd, uint64_t size, bool withSteps)
{
    StreamResult s;
    Buffer chunk(StoreChunk);
    while (s.unpacked < size) {
        const size_t want = size_t(std::min<uint64_t>(StoreChunk, size - s.unpacked));
        size_t got = 0;
        int error = 0;
        if (!readFully(fd, chunk.data(), want, got, error))
            throw ReadFailure{error};
        const std::span<const uint8_t> bytes(chunk.data(), got);
        s.crc = crc32Update(s.crc, bytes);
        out_->write(bytes);
        s.unpacked += got;
        if (withSteps)
            advance(s.unpacked);
        if (got < want) {
            s.shrank = true;
            break;
        }
    }
    s.packed = s.unpacked;
    return s;
}

AddJob::StreamResult AddJob::deflateStream(int fd, uint64_t size)
{
    // The writer reads piece after piece; the workers deflate them; the
    // writer appends the results in order. A bounded number of pieces is in
    // flight, so a cancel waits at most for the few being deflated.
    StreamResult s;
    const size_t maxPending = 2 * pool_->size() + 2;
    const size_t piece = pieceBytes(level_);
    std::deque<std::pair<std::future<Buffer>, uint64_t>> pending;   // result, input consumed after it
    uint64_t read = 0;
    bool ended = false;
    while (!ended || !pending.empty()) {
        while (!ended && pending.size() < maxPending) {
            const size_t want = size_t(std::min<uint64_t>(piece, size - read));
            auto chunk = std::make_shared<Buffer>(want);
            size_t got = 0;
            int error = 0;
            if (!readFully(fd, chunk->data(), want, got, error))
                throw ReadFailure{error};
            chunk->size = got;
            read += got;
            if (got < want)
                s.shrank = true;
            ended = read >= size || got < want;
            s.crc = crc32Update(s.crc, chunk->view());
            const bool last = ended;
            pending.emplace_back(pool_->submit([chunk, last, level = level_, this] {
                                     if (stop_.load(std::memory_order_relaxed))
                                         return Buffer{};
                                     Buffer packed = deflatePiece(level, chunk->view(), last);
                                     tuning::piecesDeflated.fetch_add(1, std::memory_order_relaxed);
                                     return packed;
                                 }),
                                 read);
        }
        const Buffer packed = await(pending.front().first);
        const uint64_t consumed = pending.front().second;
        pending.pop_front();
        out_->write(packed.view());
        s.packed += packed.size;
        advance(consumed);
    }
    s.unpacked = read;
    return s;
}

bool AddJob::writeStreamed(const SourceItem &item)
{
    const int fd = openSource(base_, item.path);
    if (fd < 0) {
        report(OpenError, "Cannot add " + item.path + ": " + errorText(errno));
        return false;
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        report(OpenError, "Cannot add " + item.path + ": " + errorText(errno));
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        report(OpenError, "Cannot add " + item.path + ": not a regular file");
        return false;
    }
    const uint64_t size = uint64_t(status.st_size);
    beginFile(item.name, size);

    // Reading stops at the size the file had when it was opened, so whether
    // the sizes need ZIP64 fields is known before the header is written: a
    // deflated member that would not come out smaller than the file is
    // stored instead, so its packed size never exceeds that size either.
    const bool zip64Sizes = size >= Zip64Marker32;
    // Already-compressed data is stored straight away, as for whole files.
    const bool deflating = level_ > 0 && !looksIncompressible(fd, size);
    MemberRecord r = newRecord(item, status, deflating ? 8 : 0);
    r.unpackedSize = size;
    const uint64_t headerAt = out_->position();
    putHeader(r, zip64Sizes);

    StreamResult s;
    try {
        s = deflating ? deflateStream(fd, size) : storeStream(fd, size, true);
        if (deflating && s.packed >= s.unpacked) {
            trace(item.name + ": deflating does not make it smaller; storing it");
            out_->rewind(headerAt);
            r = newRecord(item, status, 0);
            r.unpackedSize = size;
            putHeader(r, zip64Sizes);
            if (::lseek(fd, 0, SEEK_SET) != 0)
                throw ReadFailure{errno};
            s = storeStream(fd, size, false);
        }
    } catch (const ReadFailure &failure) {
        out_->rewind(headerAt);
        report(ReadError, "Cannot read " + item.path + ": " + errorText(failure.error));
        return false;
    }

    r.crc = s.crc;
    r.packedSize = s.packed;
    r.unpackedSize = s.unpacked;
    uint8_t crc[4];
    zipformat::putLe32(crc, r.crc);
    out_->patch(headerAt + LocalCrcOffset, crc);
    if (zip64Sizes) {
        uint8_t sizes[16];
        zipformat::putLe64(sizes, r.unpackedSize);
        zipformat::putLe64(sizes + 8, r.packedSize);
        out_->patch(headerAt + localZip64ValuesOffset(r), sizes);
    } else {
        uint8_t sizes[8];
        zipformat::putLe32(sizes, uint32_t(r.packedSize));
        zipformat::putLe32(sizes + 4, uint32_t(r.unpackedSize));
        out_->patch(headerAt + 18, sizes);
    }
    out_->addToDirectory(r);
    noteTime(status.st_mtime);
    written_.push_back({item.path, false, status, item.link});
    if (s.shrank)
        report(InfoCode, item.path + " became shorter while it was read; the part read was added");
    verbose("adding: " + item.name + (r.method == 8 ? " (deflated " : " (stored ") + percentText(r.packedSize, r.unpackedSize) + ")");
    return true;
}

void AddJob::moveSources()
{
    // Files first, then the directories stored as entries, deepest first,
    // each only if it has become empty.
    std::vector<const Written *> directories;
    std::unordered_set<std::string_view> linksPassed;
    for (const Written &w : written_) {
        if (!w.link.empty()) {
            // Deleting there would empty whatever the link points to.
            if (linksPassed.insert(w.link).second)
                reporter_.message(InfoCode, "What was added through the symbolic link " + w.link
                                                + " was not deleted");
            continue;
        }
        if (w.directory) {
            directories.push_back(&w);
            continue;
        }
        struct stat now {};
        const bool unchanged = ::fstatat(base_, w.path.c_str(), &now, 0) == 0 && now.st_dev == w.status.st_dev
                               && now.st_ino == w.status.st_ino && now.st_size == w.status.st_size
                               && now.st_mtim.tv_sec == w.status.st_mtim.tv_sec
                               && now.st_mtim.tv_nsec == w.status.st_mtim.tv_nsec;
        if (!unchanged) {
            reporter_.message(WriteError, w.path + " was not deleted: it changed after it was added");
            continue;
        }
        if (::unlinkat(base_, w.path.c_str(), 0) != 0)
            reporter_.message(WriteError, "Cannot delete " + w.path + ": " + errorText(errno));
    }
    auto depth = [](const Written *w) { return std::count(w->path.begin(), w->path.end(), '/'); };
    std::stable_sort(directories.begin(), directories.end(),
                     [&](const Written *a, const Written *b) { return depth(a) > depth(b); });
    for (const Written *w : directories) {
        if (::unlinkat(base_, w->path.c_str(), AT_REMOVEDIR) != 0 && errno != ENOTEMPTY && errno != EEXIST
            && errno != ENOENT)
            reporter_.message(WriteError, "Cannot delete the directory " + w->path + ": " + errorText(errno));
    }
}

int32_t AddJob::run(const std::string &archive)
{
    level_ = std::clamp(options_.level, 0, 9);
    if (old_.open(archive) == ExistingArchive::State::Missing)
        trace(archive + " does not exist yet; it will be created");

    ScanOptions scanOptions;
    scanOptions.dropDirNames = options_.dropDirNames;
    scanOptions.recurse = options_.recurse;
    scanOptions.forceDos = options_.forceDos;
    scanOptions.base = base_;
    if (old_.state() != ExistingArchive::State::Missing)
        scanOptions.archive = std::pair{old_.status().st_dev, old_.status().st_ino};
    SourceScan scan(scanOptions, reporter_);
    if (options_.args.empty() && (options_.update || options_.freshen)) {
        for (const ExistingMember &m : old_.members)
            scan.addMemberName(m.name);
    } else {
        for (const std::string &arg : options_.args)
            scan.addArgument(arg);
    }
    const std::vector<SourceItem> &sources = scan.items;
    const std::vector<Entry> entries = plan(sources);
    std::vector<size_t> order;   // sources to write, in archive order
    for (const Entry &e : entries)
        if (e.source >= 0)
            order.push_back(size_t(e.source));
    if (order.empty()) {
        report(InfoCode, "Nothing to do: " + archive + " was left unchanged");
        return 0;
    }

    pool_.emplace(WorkerPool::defaultThreads());
    trace("Level " + std::to_string(level_) + ", " + std::to_string(pool_->size()) + " worker threads");
    // The workers read `sources`: stop and join them before it goes away,
    // however this function is left.
    struct PoolStopper {
        AddJob &job;
        ~PoolStopper()
        {
            job.stop_ = true;
            job.pool_.reset();
        }
    } poolStopper{*this};
    std::vector<std::future<Prepared>> prepared(order.size());
    std::vector<uint64_t> cost(order.size());
    size_t submitted = 0, consumed = 0, inFlight = 0;
    uint64_t inFlightBytes = 0;
    auto readAhead = [&] {
        for (; submitted < order.size(); ++submitted) {
            const SourceItem &item = sources[order[submitted]];
            const uint64_t size = uint64_t(item.status.st_size);
            if (item.directory || size > wholeFileSize(level_))
                continue;   // nothing to prepare: the writer handles these itself
            const uint64_t bytes = 2 * size + 4096;
            if (inFlight > 0 && (inFlight >= ReadAheadFiles || inFlightBytes + bytes > ReadAheadBytes))
                return;
            cost[submitted] = bytes;
            ++inFlight;
            inFlightBytes += bytes;
            prepared[submitted] = pool_->submit(
                [path = &item.path, level = level_, this] { return prepareFile(base_, *path, level, stop_); });
        }
    };

    int32_t count = 0;
    {
        openOutput(archive);
        for (const Entry &e : entries) {
            if (e.source < 0) {
                keepMember(old_.members[size_t(e.member)]);
                continue;
            }
            const size_t k = consumed++;
            readAhead();
            const SourceItem &item = sources[order[k]];
            bool done;
            if (item.directory) {
                done = writeDirectory(item);
            } else if (prepared[k].valid()) {
                Prepared p = await(prepared[k]);
                --inFlight;
                inFlightBytes -= cost[k];
                done = writePrepared(item, p);
            } else {
                done = writeStreamed(item);
            }
            if (done)
                ++count;
            else if (e.member >= 0)
                keepMember(old_.members[size_t(e.member)]);
        }
        if (count == 0) {
            report(InfoCode, "Nothing was added: " + archive + " was left unchanged");
            return 0;
        }
        finishOutput();
    }
    reporter_.trace("Replaced " + archive);
    if (options_.move)
        moveSources();
    return count;
}

// ---- Delete ---------------------------------------------------------------

class DeleteJob : public Job {
public:
    using Job::Job;
    int32_t run(const std::string &archive);
};

int32_t DeleteJob::run(const std::string &archive)
{
    if (old_.open(archive) == ExistingArchive::State::Missing) {
        report(MissingArchive, "Cannot delete from " + archive + ": no such archive");
        return 0;
    }
    // A argument that is a member's name deletes that member only, even
    // when the name holds '*', '?' or '[': the caller passes the names of
    // the members the user selected, and "a[1].txt" must not take "a1.txt"
    // with it. Otherwise it is a pattern matched against every member, '*'
    // also across '/'. A directory entry also answers to its name without
    // the trailing '/'.
    std::unordered_map<std::string_view, std::vector<size_t>> byName;
    for (size_t i = 0; i < old_.members.size(); ++i) {
        std::string_view name = old_.members[i].name;
        byName[name].push_back(i);
        if (old_.members[i].isDirectory() && name.size() > 1)
            byName[name.substr(0, name.size() - 1)].push_back(i);
    }
    std::vector<bool> doomed(old_.members.size());
    size_t doomedCount = 0;
    auto mark = [&](size_t i) {
        if (!doomed[i]) {
            doomed[i] = true;
            ++doomedCount;
        }
    };
    for (const std::string &arg : options_.args) {
        bool matched = false;
        if (const auto it = byName.find(arg); it != byName.end()) {
            for (size_t i : it->second)
                mark(i);
            matched = true;
        } else if (arg.find_first_of("*?[") != std::string::npos) {
            for (size_t i = 0; i < old_.members.size(); ++i) {
                const std::string &name = old_.members[i].name;
                if (::fnmatch(arg.c_str(), name.c_str(), 0) == 0
                    || (old_.members[i].isDirectory()
                        && ::fnmatch(arg.c_str(), name.substr(0, name.size() - 1).c_str(), 0) == 0)) {
                    mark(i);
                    matched = true;
                }
            }
        }
        if (!matched)
            report(NothingMatched, arg + " is not in the archive");
    }
    if (doomedCount == 0) {
        report(InfoCode, "Nothing to do: " + archive + " was left unchanged");
        return 0;
    }

    int32_t count = 0;
    openOutput(archive);
    for (size_t i = 0; i < old_.members.size(); ++i) {
        const ExistingMember &m = old_.members[i];
        if (!doomed[i]) {
            keepMember(m);
            continue;
        }
        beginFile(m.name, m.unpackedSize);
        verbose("deleting: " + m.name);
        ++count;
    }
    finishOutput();
    reporter_.trace("Replaced " + archive);
    return count;
}

}  // namespace

bool readRecord(const ZipCallRecord &record, JobOptions &options, Reporter &reporter)
{
    if (record.Version != EngineInterfaceVersion) {
        reporter.message(BadParameters, "Unsupported interface version " + std::to_string(record.Version));
        return false;
    }
    if (!record.ArchiveName || !*record.ArchiveName) {
        reporter.message(BadParameters, "No archive name was given");
        return false;
    }
    if (record.FileSpecCount < 0 || record.FileSpecCount > MaxFileSpecs) {
        reporter.message(BadParameters, "Invalid number of file arguments: " + std::to_string(record.FileSpecCount));
        return false;
    }
    options.archive = record.ArchiveName;
    if (record.BaseDirectory)
        options.baseDirectory = record.BaseDirectory;
    for (int i = 0; i < record.FileSpecCount; ++i) {
        if (record.FileSpecs[i])
            options.args.emplace_back(record.FileSpecs[i]);
    }
    options.level = record.Level;
    options.remove = record.DeleteFlag != 0;
    options.dropDirNames = record.DropDirNamesFlag != 0;
    options.recurse = record.RecurseFlag != 0;
    options.forceDos = record.ForceDosFlag != 0;
    options.move = record.MoveFlag != 0;
    options.update = record.UpdateFlag != 0;
    options.freshen = record.FreshenFlag != 0 && !options.update;
    options.archiveTime = record.ArchiveTimeFlag != 0;
    return true;
}

int32_t runJob(const JobOptions &options, Reporter &reporter)
{
    try {
        const std::string archive = resolveArchivePath(options.archive);
        if (options.remove) {
            if (options.args.empty()) {
                reporter.message(NothingMatched, "No members were named for deletion");
                return 0;
            }
            return DeleteJob(options, reporter).run(archive);
        }
        if (options.args.empty() && !options.update && !options.freshen) {
            reporter.message(NothingMatched, "No files were named to add");
            return 0;
        }
        if (!options.baseDirectory)
            return AddJob(options, reporter, AT_FDCWD).run(archive);
        // Never the current directory instead: the caller named another.
        // O_PATH: relative arguments are only looked up under it.
        const int base = zipformat::openSearchableDirectory(*options.baseDirectory, O_PATH);
        if (base < 0) {
            reporter.message(OpenError, "Cannot open the base directory " + *options.baseDirectory + ": "
                                            + errorText(errno));
            return 0;
        }
        struct Closer {
            int fd;
            ~Closer() { ::close(fd); }
        } closer{base};
        return AddJob(options, reporter, base).run(archive);
    } catch (const Cancelled &) {
        reporter.message(InfoCode, "Cancelled: " + options.archive + " was left unchanged");
    } catch (const JobError &error) {
        reporter.message(error.code, error.message);
    } catch (const std::bad_alloc &) {
        reporter.message(OutOfMemory, "Out of memory; " + options.archive + " was left unchanged");
    } catch (const std::exception &error) {
        reporter.message(InternalError, std::string("Internal error: ") + error.what());
    } catch (...) {
        reporter.message(InternalError, "Internal error; " + options.archive + " was left unchanged");
    }
    return 0;
}

}  // namespace zipeng
