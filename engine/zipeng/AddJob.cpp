#include "engine/zipeng/AddJob.h"

#include "engine/common/FileIo.h"
#include "engine/common/UniqueFd.h"
#include "engine/zipeng/Names.h"
#include "engine/zipformat/DosTime.h"
#include "engine/zipformat/LittleEndian.h"
#include "engine/zipformat/Utf8.h"
#include "engine/zipformat/ZipRecords.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <future>
#include <memory>
#include <unistd.h>
#include <unordered_map>
#include <unordered_set>
#include <zlib.h>

namespace zipeng {

using zipformat::DosDateTime;
using zipformat::MethodDeflated;
using zipformat::MethodStored;
using zipformat::unixTimeToDos;
using zipformat::Zip64Marker32;

namespace {

constexpr uint16_t MadeByDos = (0 << 8) | 20;  // MS-DOS, 2.0
constexpr uint32_t DosDirectory = 0x10;
constexpr uint32_t DosReadOnly = 0x01;

std::string percentText(uint64_t packed, uint64_t unpacked)
{
    const int saved = unpacked == 0 ? 0 : int(100 - std::min<uint64_t>(100, packed * 100 / unpacked));
    return std::to_string(saved) + "%";
}

}  // namespace

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
                                        : unixTimeToDos(source.status.st_mtime).packed()
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
    if (!isAscii(r.name) && zipformat::isValidUtf8(r.name))
        r.flags |= zipformat::FlagUtf8;
    r.method = method;
    r.versionNeeded = method == MethodDeflated ? VersionDeflated : VersionStored;
    const DosDateTime dos = unixTimeToDos(status.st_mtime);
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
    r.extra = extendedTimestampBlock(status.st_mtime);
    return r;
}

bool AddJob::writeDirectory(const SourceItem &item)
{
    beginFile(item.name, 0);
    MemberRecord r = newRecord(item, item.status, MethodStored);
    out_->writeLocalHeader(r, false);
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
    if (p.tooLarge)  // it grew since the scan
        return writeLarge(item, *PiecedFile::open(base_, item.path, level_, password()));
    beginFile(item.name, p.size);
    MemberRecord r = newRecord(item, p.status, p.deflated ? MethodDeflated : MethodStored);
    r.crc = p.crc;
    r.packedSize = p.data.size;
    r.unpackedSize = p.size;
    if (p.encrypted) {
        markEncrypted(r);
        r.packedSize += AesOverhead;
    }
    out_->writeLocalHeader(r, false);
    if (p.encrypted)
        out_->write(p.prefix);
    if (p.deflated) {
        out_->write(p.data.view());  // at most a piece
    } else {
        // A stored file may be large: its steps go out as it is written.
        for (size_t at = 0; at < p.data.size;) {
            const size_t n = std::min(StoreChunk, p.data.size - at);
            out_->write({p.data.data() + at, n});
            at += n;
            advance(at);
        }
    }
    if (p.encrypted)
        out_->write(p.mac);
    out_->addToDirectory(r);
    noteTime(p.status.st_mtime);
    written_.push_back({item.path, false, p.status, item.link});
    if (p.shrank)
        report(InfoCode, item.path + " became shorter while it was read; the part read was added");
    advance(p.size);
    verbose("adding: " + item.name + (p.deflated ? " (deflated " : " (stored ") + percentText(r.packedSize, p.size)
            + ")");
    return true;
}

AddJob::StreamResult AddJob::storeStream(int fd, uint64_t size, bool withSteps, MemberEncryption *encryption)
{
    StreamResult s;
    Buffer chunk(StoreChunk);
    while (s.unpacked < size) {
        const size_t want = size_t(std::min<uint64_t>(StoreChunk, size - s.unpacked));
        const common::ReadResult r = common::readFull(fd, chunk.data(), want);
        if (r.error)
            throw ReadFailure{r.error};
        const size_t got = r.got;
        const std::span<const uint8_t> bytes(chunk.data(), got);
        s.crc = crc32Update(s.crc, bytes);
        // Here rather than on a worker: the writer reads and writes these
        // bytes anyway, and AES and SHA-1 in hardware outrun the disk.
        if (encryption)
            encryption->encrypt(chunk.data(), got);
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

AddJob::StreamResult AddJob::deflatePieces(PiecedFile &file)
{
    // The pieces are read and deflated on the workers, handed out ahead of
    // this loop (ReadAhead); here they are joined in order.
    StreamResult s;
    try {
        while (file.taken() < file.pieceCount()) {
            std::future<DeflatedPiece> future = ahead_->takePiece(file);
            const DeflatedPiece piece = await(future);
            out_->write(piece.packed.view());
            s.crc = uint32_t(crc32_combine(s.crc, piece.crc, z_off_t(piece.read)));
            s.packed += piece.packed.size;
            s.unpacked += piece.read;
            advance(s.unpacked);
            if (piece.last)
                break;
        }
    } catch (const ReadFailure &) {
        ahead_->abandon(file);
        throw;
    }
    if (file.taken() < file.pieceCount())
        ahead_->abandon(file);  // the file came up short
    s.shrank = s.unpacked < file.size();
    return s;
}

bool AddJob::writeLarge(const SourceItem &item, PiecedFile &file)
{
    if (file.error() != 0) {
        report(OpenError, "Cannot add " + item.path + ": " + errorText(file.error()));
        return false;
    }
    if (!file.regular()) {
        report(OpenError, "Cannot add " + item.path + ": not a regular file");
        return false;
    }
    const int fd = file.fd();
    const struct stat &status = file.status();
    const uint64_t size = file.size();
    beginFile(item.name, size);

    // Reading stops at the size the file had when it was opened, so whether
    // the sizes need ZIP64 fields is known before the header is written: a
    // deflated member that would not come out smaller than the file is
    // stored instead, so its packed size never exceeds that size either.
    // Encryption adds its salt, verifier and MAC to that.
    const Secret *secret = password();
    const uint64_t overhead = secret ? AesOverhead : 0;
    const bool zip64Sizes = size >= Zip64Marker32 - overhead;
    // Already-compressed data is stored straight away, as for whole files.
    const bool deflating = file.deflating();
    const uint64_t headerAt = out_->position();
    MemberRecord r;
    uint16_t method = MethodStored;  // before encryption
    std::shared_ptr<PieceEncryption> encryption;
    auto start = [&](uint16_t compression) {
        method = compression;
        r = newRecord(item, status, method);
        r.unpackedSize = size;
        if (secret)
            markEncrypted(r);
        out_->writeLocalHeader(r, zip64Sizes);
        if (secret) {
            // A fresh salt for a second attempt: no keystream is used twice.
            encryption = encryption ? std::make_shared<PieceEncryption>(*secret) : file.encryption();
            out_->write(encryption->member().prefix());
        }
    };
    start(deflating ? MethodDeflated : MethodStored);

    StreamResult s;
    try {
        s = deflating ? deflatePieces(file) : storeStream(fd, size, true, encryption ? &encryption->member() : nullptr);
        if (deflating && s.packed >= s.unpacked) {
            trace(item.name + ": deflating does not make it smaller; storing it");
            out_->rewind(headerAt);
            start(MethodStored);
            if (::lseek(fd, 0, SEEK_SET) != 0)
                throw ReadFailure{errno};
            s = storeStream(fd, size, false, encryption ? &encryption->member() : nullptr);
        }
    } catch (const ReadFailure &failure) {
        out_->rewind(headerAt);
        report(ReadError, "Cannot read " + item.path + ": " + errorText(failure.error));
        return false;
    }
    if (encryption) {
        out_->write(encryption->member().finish());
        s.packed += overhead;
    }

    if (!secret)
        r.crc = s.crc;  // AE-2 keeps 0 there
    r.packedSize = s.packed;
    r.unpackedSize = s.unpacked;
    out_->patchLocalSizes(headerAt, r, zip64Sizes);
    out_->addToDirectory(r);
    noteTime(status.st_mtime);
    written_.push_back({item.path, false, status, item.link});
    if (s.shrank)
        report(InfoCode, item.path + " became shorter while it was read; the part read was added");
    verbose("adding: " + item.name + (method == MethodDeflated ? " (deflated " : " (stored ")
            + percentText(r.packedSize, r.unpackedSize) + ")");
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
                reporter_.message(InfoCode, "What was added through the symbolic link " + w.link + " was not deleted");
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
    if (password() && !randomnessAvailable())
        throw JobError{InternalError,
                       "Cannot encrypt: the system gives no random numbers; " + archive + " was left unchanged"};

    pool_.emplace(WorkerPool::defaultThreads());
    trace("Level " + std::to_string(level_) + ", " + std::to_string(pool_->size()) + " worker threads");
    // The workers' tasks hold what they read: stop and join them before the
    // job's state goes away, however this function is left.
    struct PoolStopper {
        AddJob &job;
        ~PoolStopper()
        {
            job.stop_ = true;
            job.pool_.reset();
            job.ahead_ = nullptr;
        }
    } poolStopper{*this};

    ScanOptions scanOptions;
    scanOptions.dropDirNames = options_.dropDirNames;
    scanOptions.recurse = options_.recurse;
    scanOptions.forceDos = options_.forceDos;
    scanOptions.base = base_;
    scanOptions.folder = options_.folder;
    if (old_.state() != ExistingArchive::State::Missing)
        scanOptions.archive = std::pair{old_.status().st_dev, old_.status().st_ino};
    SourceScan scan(scanOptions, reporter_);
    ReadAhead ahead(*pool_, scan.items, base_, level_, password(), stop_);
    ahead_ = &ahead;
    // Every file found is written unless update or freshen finds the member
    // newer: without them, compressing starts while the scan goes on.
    if (!options_.update && !options_.freshen)
        scan.onItem = [&ahead](size_t index) { ahead.scanned(index); };
    if (options_.args.empty() && (options_.update || options_.freshen)) {
        for (const ExistingMember &m : old_.members)
            scan.addMemberName(m.name);
    } else {
        for (const std::string &arg : options_.args)
            scan.addArgument(arg);
    }
    const std::vector<SourceItem> &sources = scan.items;
    const std::vector<Entry> entries = plan(sources);
    std::vector<size_t> order;  // sources to write, in archive order
    for (const Entry &e : entries)
        if (e.source >= 0)
            order.push_back(size_t(e.source));
    if (order.empty()) {
        report(InfoCode, "Nothing to do: " + archive + " was left unchanged");
        return 0;
    }
    ahead.plan(order);

    // The count is of files: a folder's entry is written but not counted.
    int32_t count = 0;
    bool anyWritten = false;
    {
        openOutput(archive);
        for (const Entry &e : entries) {
            if (e.source < 0) {
                keepMember(old_.members[size_t(e.member)]);
                continue;
            }
            const size_t index = size_t(e.source);
            const SourceItem &item = sources[index];
            bool done;
            if (item.directory) {
                done = writeDirectory(item);
            } else if (std::future<Prepared> whole = ahead.takeWhole(index); whole.valid()) {
                Prepared p = await(whole);
                done = writePrepared(item, p);
            } else {
                done = writeLarge(item, *ahead.takePieced(index));
            }
            if (done) {
                anyWritten = true;
                count += item.directory ? 0 : 1;
            } else if (e.member >= 0) {
                keepMember(old_.members[size_t(e.member)]);
            }
        }
        if (!anyWritten) {
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

}  // namespace zipeng
