#include "engine/otherformats/ReaderService.h"

#include "engine/otherformats/ConfinedProcess.h"
#include "engine/otherformats/LibarchiveCursor.h"
#include "engine/otherformats/ReaderProtocol.h"

#include <archive.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <new>
#include <optional>
#include <poll.h>
#include <sys/uio.h>
#include <unistd.h>

namespace otherformats {

namespace {

using namespace protocol;

// A reader that gets further into the file says so this often at most: the
// parent counts it as progress.
constexpr auto TickInterval = std::chrono::milliseconds(200);
// Far more than any damaged archive has in a row at one place.
constexpr uint64_t MaxFailuresInOnePlace = 64;

bool readExactly(int fd, void *buffer, size_t size)
{
    char *at = static_cast<char *>(buffer);
    while (size > 0) {
        const ssize_t got = ::read(fd, at, size);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        at += got;
        size -= size_t(got);
    }
    return true;
}

bool readMessage(int fd, uint8_t &type, std::string &payload)
{
    char header[HeaderSize];
    if (!readExactly(fd, header, sizeof header))
        return false;
    type = uint8_t(header[0]);
    uint32_t length = 0;
    std::memcpy(&length, header + 1, sizeof length);
    if (length > MaxPayload)
        return false;
    payload.resize(length);
    return readExactly(fd, payload.data(), length);
}

class Service {
public:
    Service(int in, int out) : in_(in), out_(out) {}

    int detect(Decoder &request, int archiveFd)
    {
        const std::string name = request.text();
        if (request.failed())
            return reader_exit::BadRequest;
        ArchiveSource source;
        std::optional<ArchiveSource::Next> first;
        const Detection detection = detectOpened(source, archiveFd, name, first);
        Encoder record;
        record.u8(uint8_t(detection.verdict));
        record.text(detection.format);
        record.text(detection.filter);
        record.text(detection.error);
        if (!send(record, Record::Detection, true))
            return reader_exit::BadRequest;
        // A walk may follow, reading on from the entry detection read, so
        // that the listing after a detection opens and decodes nothing
        // again. It takes no password: detection opened without one.
        uint8_t type = 0;
        std::string payload;
        if (detection.verdict != Verdict::Other || !first || !readMessage(in_, type, payload)
            || type != uint8_t(Request::Walk))
            return reader_exit::Done;
        Decoder walkRequest(payload.data(), payload.size());
        std::string walkName;
        DataWanted wanted;
        std::optional<std::string> password;
        if (!readWalk(walkRequest, walkName, wanted, password) || password)
            return reader_exit::BadRequest;
        source.onProgress([this](uint64_t) { tick(); });
        Encoder opened;
        opened.u8(1);
        opened.text({});
        if (!send(opened, Record::Next, true))
            return reader_exit::Done;
        return walkEntries(source, wanted, first);
    }

    int walk(Decoder &request, int archiveFd)
    {
        std::string name;
        DataWanted wanted;
        std::optional<std::string> password;
        if (!readWalk(request, name, wanted, password))
            return reader_exit::BadRequest;

        ArchiveSource source;
        source.onProgress([this](uint64_t) { tick(); });
        std::string error;
        const bool opened = source.open(archiveFd, name, password, error);
        if (password)
            std::fill(password->begin(), password->end(), '\0');
        Encoder openedRecord;
        openedRecord.u8(opened);
        openedRecord.text(error);
        if (!send(openedRecord, Record::Next, true))
            return reader_exit::Done;
        if (!opened)
            return reader_exit::Done;
        return walkEntries(source, wanted, std::nullopt);
    }

private:
    // A walk's request: the archive's name, the data wanted and the
    // password. False when it is not one.
    static bool readWalk(Decoder &request, std::string &name, DataWanted &wanted, std::optional<std::string> &password)
    {
        name = request.text();
        wanted.kind = DataWanted::Kind(request.u8());
        wanted.bytes = request.u8() != 0;
        for (uint64_t count = request.u64(); count > 0 && !request.failed(); --count)
            wanted.chosen.insert(request.u64());
        if (request.u8() != 0)
            password = request.text();
        return !request.failed() && wanted.kind <= DataWanted::Kind::Chosen;
    }

    // The entries of the opened `source`, each with its data where wanted;
    // `first`: the step detection already made.
    int walkEntries(ArchiveSource &source, const DataWanted &wanted, std::optional<ArchiveSource::Next> first)
    {
        LibarchiveCursor cursor(source, first);
        bytes_ = wanted.bytes;
        uint64_t index = 0;
        // Unreadable entries met one after the other without the reading
        // getting any further into the file: a reader going round on one
        // spot, which would send the same failure for ever.
        uint64_t sameSpot = 0, spot = 0;
        for (uint64_t sequence = 1;; ++sequence) {
            EntryCursor::Next next = cursor.next();
            if (next != EntryCursor::Next::Entry && archive_errno(source.handle()) == ENOMEM)
                return reader_exit::OutOfMemory;
            std::optional<Problem> stuck;
            if (next == EntryCursor::Next::Unreadable) {
                sameSpot = cursor.bytesRead() == spot ? sameSpot + 1 : 0;
                spot = cursor.bytesRead();
                if (sameSpot >= MaxFailuresInOnePlace) {
                    next = EntryCursor::Next::Failed;
                    stuck = Problem{{},
                                    ProblemKind::Damaged,
                                    "the reading fails over and over at the same place: " + cursor.unreadable().text};
                }
            } else {
                sameSpot = 0;
            }
            Encoder record;
            record.u8(uint8_t(next));
            record.u64(sequence);
            record.text(cursor.formatName());
            record.u64(cursor.bytesRead());
            record.u8(next == EntryCursor::Next::Entry && cursor.isPlainZip());
            if (next == EntryCursor::Next::Entry) {
                record.entry(cursor.entry());
                record.layout(cursor.layout());
            } else if (next == EntryCursor::Next::Unreadable) {
                record.problem(cursor.unreadable());
            } else if (next == EntryCursor::Next::Failed) {
                record.problem(stuck ? *stuck : cursor.failure());
            }
            const bool last = next == EntryCursor::Next::End || next == EntryCursor::Next::Failed
                              || (next == EntryCursor::Next::Entry && cursor.isPlainZip());
            if (!send(record, Record::Next, last))
                return reader_exit::Done;
            if (next == EntryCursor::Next::End || next == EntryCursor::Next::Failed)
                return reader_exit::Done;
            if (next != EntryCursor::Next::Entry)
                continue;
            if (cursor.isPlainZip())
                return reader_exit::Done;
            // The walk numbers entries as the listing does: readable ones only.
            const uint64_t current = index++;
            if (wanted.wants(current) && cursor.entry().kind != EntryKind::Directory)
                if (const int code = sendData(cursor, source, sequence); code >= 0)
                    return code;
        }
    }

    // Records wait in a buffer until it is large or has waited long, so
    // that a listing of a million entries is not a million writes; the
    // record that ends the walk, and any the parent waits on, go at once.
    bool send(const Encoder &record, Record type, bool now = false)
    {
        pending_ += record.framed(uint8_t(type));
        const auto time = std::chrono::steady_clock::now();
        if (now || pending_.size() >= FlushSize || time - lastSent_ >= TickInterval)
            return flush();
        return true;
    }

    bool flush()
    {
        lastSent_ = std::chrono::steady_clock::now();
        if (pending_.empty())
            return true;
        const bool written = writeAll(out_, pending_.data(), pending_.size());
        pending_.clear();
        return written;
    }

    // Told each time the reading gets further into the file: the parent
    // hears of it, with what waits, at most every TickInterval.
    void tick()
    {
        if (std::chrono::steady_clock::now() - lastSent_ < TickInterval)
            return;
        if (pending_.empty())
            pending_ = Encoder().framed(uint8_t(Record::Tick));
        flush();
    }

    // Whether the parent asked to pass over the rest of entry `sequence`.
    bool skipAsked(uint64_t sequence)
    {
        for (;;) {
            pollfd watch{in_, POLLIN, 0};
            if (::poll(&watch, 1, 0) <= 0)
                return false;
            uint8_t type = 0;
            std::string payload;
            if (!readMessage(in_, type, payload))
                return false;
            Decoder skip(payload.data(), payload.size());
            if (type == uint8_t(Request::Skip) && skip.u64() == sequence)
                return true;
        }
    }

    // Each block of the current entry, then its end. -1 to go on; an exit
    // code to stop.
    int sendData(LibarchiveCursor &cursor, ArchiveSource &source, uint64_t sequence)
    {
        if (!flush())
            return reader_exit::Done;
        for (;;) {
            if (skipAsked(sequence))
                return sendEnd(DataStep{}) ? -1 : reader_exit::Done;
            const DataStep step = cursor.readBlock();
            if (step.kind != DataStep::Kind::Block) {
                if (step.kind == DataStep::Kind::Failed && archive_errno(source.handle()) == ENOMEM)
                    return reader_exit::OutOfMemory;
                return sendEnd(step) ? -1 : reader_exit::Done;
            }
            if (!bytes_) {
                Encoder extent;
                extent.u64(step.offset);
                extent.u64(cursor.bytesRead());
                extent.u64(step.size);
                if (!send(extent, Record::Extent))
                    return reader_exit::Done;
                continue;
            }
            for (size_t done = 0; done < step.size || step.size == 0;) {
                const size_t piece = std::min(step.size - done, MaxBlock);
                Encoder head;
                head.u64(step.offset + done);
                head.u64(cursor.bytesRead());
                const uint8_t type = uint8_t(Record::Block);
                const uint32_t length = uint32_t(head.payload().size() + piece);
                char frame[HeaderSize];
                frame[0] = char(type);
                std::memcpy(frame + 1, &length, sizeof length);
                iovec parts[3] = {{frame, sizeof frame},
                                  {const_cast<char *>(head.payload().data()), head.payload().size()},
                                  {const_cast<char *>(static_cast<const char *>(step.data) + done), piece}};
                if (!writeParts(parts, 3))
                    return reader_exit::Done;
                lastSent_ = std::chrono::steady_clock::now();
                done += piece;
                if (step.size == 0)
                    break;
            }
        }
    }

    bool sendEnd(const DataStep &step)
    {
        Encoder end;
        end.u8(uint8_t(step.kind));
        end.u8(step.fatal);
        end.problem(step.problem);
        return send(end, Record::DataEnd, step.kind == DataStep::Kind::Failed && step.fatal);
    }

    bool writeParts(iovec *parts, int count)
    {
        while (count > 0) {
            const ssize_t wrote = ::writev(out_, parts, count);
            if (wrote < 0 && errno == EINTR)
                continue;
            if (wrote <= 0)
                return false;
            size_t left = size_t(wrote);
            while (count > 0 && left >= parts->iov_len) {
                left -= parts->iov_len;
                ++parts;
                --count;
            }
            if (count > 0) {
                parts->iov_base = static_cast<char *>(parts->iov_base) + left;
                parts->iov_len -= left;
            }
        }
        return true;
    }

    static constexpr size_t FlushSize = 64 * 1024;
    int in_;
    int out_;
    std::string pending_;
    bool bytes_ = true;  // blocks go with their bytes, not as extents
    std::chrono::steady_clock::time_point lastSent_{};
};

}  // namespace

int serveReader(int in, int out, int archiveFd)
{
    try {
        uint8_t type = 0;
        std::string payload;
        if (!readMessage(in, type, payload))
            return reader_exit::BadRequest;
        Decoder request(payload.data(), payload.size());
        Service service(in, out);
        if (type == uint8_t(Request::Detect))
            return service.detect(request, archiveFd);
        if (type == uint8_t(Request::Walk))
            return service.walk(request, archiveFd);
        return reader_exit::BadRequest;
    } catch (const std::bad_alloc &) {
        return reader_exit::OutOfMemory;
    }
}

}  // namespace otherformats
