#include "engine/ZipEntryStream.h"

#include "engine/CallRecordFilling.h"
#include "engine/zipformat/ArchiveFile.h"
#include "engine/zipformat/DosTime.h"
#include "engine/zipformat/LocalHeaderWalk.h"
#include "engine/zipformat/MemberTable.h"
#include "engine/zipformat/ZipRecords.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace orvex {

namespace {

constexpr unsigned HostUnix = 3;
constexpr unsigned HostOsx = 19;
constexpr uint32_t DosReadOnly = 0x01;
constexpr size_t LinkTargetLimit = 65535;

// What the member list says of each member, in the order libunzeng counts them.
struct MemberFacts {
    std::string name;  // as stored: a folder's ends in '/'
    StreamEntryKind kind = StreamEntryKind::File;
    int64_t modified = 0;
    uint32_t mode = 0;
    uint64_t size = 0;
};

int64_t modifiedOf(const zipformat::TableMember &m, bool walked)
{
    for (const std::vector<uint8_t> *extra : {walked ? &m.localExtra : &m.centralExtra, &m.localExtra})
        if (const auto block = zipformat::findExtraBlock(*extra, zipformat::ExtendedTimestampId))
            if (const auto stamp = zipformat::parseExtendedTimestamp(*block); stamp && stamp->modified)
                return *stamp->modified;
    return zipformat::dosToUnixTime({m.modTime, m.modDate}).value_or(0);
}

MemberFacts factsOf(const zipformat::TableMember &m, bool walked)
{
    MemberFacts facts;
    facts.name = m.name;
    facts.size = m.unpackedSize;
    facts.modified = modifiedOf(m, walked);
    const unsigned host = m.versionMadeBy >> 8;
    const uint32_t unixMode = m.externalAttributes >> 16;
    const bool hasMode = (host == HostUnix || host == HostOsx) && unixMode != 0;
    const bool folder = !m.name.empty() && (m.name.back() == '/' || m.name.back() == '\\');
    if (folder)
        facts.kind = StreamEntryKind::Directory;
    else if (hasMode && S_ISLNK(unixMode))
        facts.kind = StreamEntryKind::Symlink;
    if (hasMode)
        facts.mode = unixMode & 07777;
    else if (folder)
        facts.mode = 0755;
    else
        facts.mode = (m.externalAttributes & DosReadOnly) ? 0444 : 0644;
    return facts;
}

// The member list as libunzeng reads it: the central directory's, or a walk
// of the local headers of a single file that has none.
bool readFacts(const std::string &path, std::vector<MemberFacts> &facts)
{
    zipformat::ArchiveFile file;
    if (!file.open(path))
        return false;
    std::vector<zipformat::TableMember> members;
    bool walked = false;
    if (auto table = zipformat::readMemberTable(file)) {
        members = std::move(table->members);
    } else if (!file.splitArchive()) {
        members = zipformat::walkLocalHeaders(file).members;
        walked = true;
    }
    facts.reserve(members.size());
    for (const zipformat::TableMember &m : members)
        facts.push_back(factsOf(m, walked));
    return true;
}

class ZipReading {
public:
    ZipReading(std::vector<MemberFacts> facts, EntrySink &sink, ArchiveEvents &events)
        : facts_(std::move(facts)), sink_(sink), events_(events)
    {
    }

    static int32_t callback(CallbackRecord *record)
    {
        auto &self = *static_cast<ZipReading *>(record->Instance);
        try {
            // The writer reports each member's progress; the reader only its problems.
            if (record->Action == ZipActionMessage)
                self.events_.message(record->ErrorCode, trimMessage(record->Text));
            return self.events_.stopRequested() ? 1 : 0;
        } catch (...) {
            self.failed_ = true;
            return 1;
        }
    }

    static int32_t password(void *instance, const char *member, int32_t attempt, char *buffer, int32_t bufferSize,
                            int32_t *passwordLength)
    {
        auto &self = *static_cast<ZipReading *>(instance);
        std::string given;
        int32_t result = PasswordCancel;
        try {
            switch (self.events_.password(member ? member : "", attempt, given)) {
            case PasswordAnswer::Given:
                if (buffer && passwordLength && given.size() <= size_t(std::max(bufferSize, 0))) {
                    std::memcpy(buffer, given.data(), given.size());
                    *passwordLength = int32_t(given.size());
                    result = PasswordGiven;
                } else {
                    self.events_.message(1, "The password is longer than " + std::to_string(bufferSize)
                                                + " bytes; it was not used");
                }
                break;
            case PasswordAnswer::None: result = PasswordNone; break;
            case PasswordAnswer::Cancel: break;
            }
        } catch (...) {
            self.failed_ = true;
        }
        ::explicit_bzero(given.data(), given.size());
        return result;
    }

    static int32_t memberData(void *instance, int32_t event, int64_t index, const void *bytes, uint64_t length)
    {
        auto &self = *static_cast<ZipReading *>(instance);
        try {
            return self.handle(event, index, bytes, length) ? 0 : 1;
        } catch (...) {
            self.failed_ = true;
            return 1;
        }
    }

    StreamOutcome finish(bool stopped)
    {
        outcome_.stopped = stopped || failed_;
        // Every member not read to the end was refused with a message.
        if (!outcome_.stopped)
            outcome_.failed = facts_.size() > completed_ ? facts_.size() - completed_ : 0;
        return outcome_;
    }

private:
    static StreamEntry entryOf(const MemberFacts &f, const std::string &name)
    {
        StreamEntry entry;
        entry.name = name;
        entry.kind = f.kind;
        entry.modified = f.modified;
        entry.mode = f.mode;
        if (f.kind == StreamEntryKind::File)
            entry.size = f.size;
        return entry;
    }

    bool handle(int32_t event, int64_t index, const void *bytes, uint64_t length)
    {
        if (event == MemberDataBegin) {
            if (index < 0 || size_t(index) >= facts_.size())
                return false;
            const MemberFacts &f = facts_[size_t(index)];
            current_ = entryOf(f, std::string(static_cast<const char *>(bytes), size_t(length)));
            linkTarget_.clear();
            tooLong_ = false;
            // A link is told once its target is known.
            if (current_.kind == StreamEntryKind::Symlink)
                return true;
            ++outcome_.entries;
            taken_ = sink_.begin(current_);
            return true;
        }
        if (event == MemberDataPiece) {
            if (current_.kind == StreamEntryKind::Symlink) {
                tooLong_ = tooLong_ || linkTarget_.size() + length > LinkTargetLimit;
                if (!tooLong_)
                    linkTarget_.append(static_cast<const char *>(bytes), size_t(length));
                return true;
            }
            return !taken_ || sink_.data(bytes, size_t(length));
        }
        bool complete = length != 0;
        if (current_.kind == StreamEntryKind::Symlink) {
            if (tooLong_) {
                events_.message(2, "skipping " + current_.name + ": its link target is too long");
                complete = false;
            }
            if (!complete)
                return true;
            current_.linkTarget = std::move(linkTarget_);
            ++outcome_.entries;
            taken_ = sink_.begin(current_);
        }
        if (complete)
            ++completed_;
        return sink_.end(complete);
    }

    std::vector<MemberFacts> facts_;
    EntrySink &sink_;
    ArchiveEvents &events_;
    StreamOutcome outcome_;
    uint64_t completed_ = 0;
    StreamEntry current_;
    std::string linkTarget_;
    bool tooLong_ = false;
    bool taken_ = false;
    bool failed_ = false;  // a handler threw: the read stops
};

}  // namespace

StreamOutcome readZipEntries(const std::string &path, const std::string &nameCharset,
                             int32_t (*unzip)(UnzipCallRecord *record), EntrySink &sink, ArchiveEvents &events)
{
    std::vector<MemberFacts> facts;
    // The library says why an archive cannot be read; the list is read here
    // only for what the library does not hand over.
    readFacts(path, facts);
    ZipReading reading(std::move(facts), sink, events);
    const ExtractRequest test{.test = true, .nameCharset = nameCharset};
    auto record = std::make_unique<UnzipCallRecord>();
    fillExtractRecord(*record, test, {&reading, &ZipReading::callback, &ZipReading::password});
    record->ArchiveName = path.c_str();
    record->FileSpecCount = 0;
    record->MemberData = &ZipReading::memberData;
    unzip(record.get());
    return reading.finish(events.stopRequested());
}

}  // namespace orvex
