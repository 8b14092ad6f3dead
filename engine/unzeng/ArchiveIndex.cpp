#include "engine/unzeng/ArchiveIndex.h"

#include "engine/zipformat/CentralDirectory.h"
#include "engine/zipformat/DosTime.h"
#include "engine/zipformat/LittleEndian.h"
#include "engine/zipformat/LocalHeaderWalk.h"
#include "engine/zipformat/MemberTable.h"
#include "engine/zipformat/NameCharset.h"
#include "engine/zipformat/ZipRecords.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <sys/stat.h>

namespace unzeng {

using namespace zipformat;

namespace {

constexpr unsigned HostUnix = 3;
constexpr unsigned HostOsx = 19;

}  // namespace

bool Member::encrypted() const
{
    return flags & EncryptionFlags;
}

bool Member::unixHost() const
{
    const unsigned host = madeBy >> 8;
    return (host == HostUnix || host == HostOsx) && unixMode() != 0;
}

bool Member::isSymlink() const
{
    return unixHost() && S_ISLNK(unixMode());
}

const char *methodName(uint16_t method)
{
    switch (method) {
    case MethodStored: return "stored";
    case zipformat::MethodShrunk: return "shrunk";
    case zipformat::MethodReduced1:
    case zipformat::MethodReduced1 + 1:
    case zipformat::MethodReduced1 + 2:
    case zipformat::MethodReduced4: return "reduced";
    case zipformat::MethodImploded: return "imploded";
    case MethodDeflated: return "deflated";
    case zipformat::MethodDeflate64: return "deflate64";
    case zipformat::MethodPpmd: return "PPMd";
    case MethodBzip2: return "bzip2";
    case MethodLzma: return "LZMA";
    case MethodZstd: return "zstd";
    case MethodXz: return "xz";
    default: return "unknown";
    }
}

namespace {

// The extraction's view of a member of the list. A walked member's extra
// field is its local header's: there is no directory record.
Member memberOf(TableMember &t, bool walked)
{
    const std::vector<uint8_t> &recordExtra = walked ? t.localExtra : t.centralExtra;
    Member m;
    m.storedName = std::move(t.storedName);
    // The listing judges the flag of the local header, so this does too.
    m.nameInCodePage = t.name == m.storedName && nameNeedsCodePage(m.storedName, t.local.flags & FlagUtf8);
    m.diskName = std::move(t.name);
    m.madeBy = t.versionMadeBy;
    m.flags = t.flags | t.local.flags;
    m.method = t.method;
    m.crc = t.crc;
    m.externalAttributes = t.externalAttributes;
    m.packedSize = t.packedSize;
    m.unpackedSize = t.unpackedSize;
    m.headerOffset = t.headerOffset;
    m.dataOffset = t.dataOffset;
    m.problem = std::move(t.problem);
    m.localDosTime = t.local.modTime;
    if (t.method == crypto::AesMethod && (m.flags & FlagEncrypted)) {
        m.aes = crypto::findAesExtra(recordExtra.data(), recordExtra.size());
        if (m.aes)
            m.method = m.aes->actualMethod;
    }
    std::optional<int64_t> modified;
    if (const auto stamp = findExtendedTimestamp(recordExtra))
        modified = stamp->modified;
    if (modified) {
        m.modified = timespec{time_t(*modified), 0};
    } else {
        // A stamp mktime() cannot place gives the epoch.
        m.modified = timespec{time_t(dosToUnixTime({t.modTime, t.modDate}).value_or(0)), 0};
        m.dosTime = true;
    }
    m.accessed = m.modified;
    if (const auto stamp = findExtendedTimestamp(t.localExtra)) {
        if (stamp->accessed)
            m.accessed = timespec{time_t(*stamp->accessed), 0};
        if (m.dosTime && stamp->modified) {
            m.modified = timespec{time_t(*stamp->modified), 0};
            m.dosTime = false;
            if (!stamp->accessed)
                m.accessed = m.modified;
        }
    }
    return m;
}

}  // namespace

// The member list is the one the listing shows (zipformat's MemberTable, or
// its walk of the local headers): members it refuses are kept here with
// their reason, so that the extraction says why it skips them.
bool readArchiveIndex(const RandomAccessSource &source, ArchiveIndex &index, std::string &error,
                      const ReadProgress &progress)
{
    std::vector<TableMember> members;
    if (auto table = readMemberTable(source)) {
        index.directoryOffset = table->location.fileOffset();
        index.damage = std::move(table->damage);
        members = std::move(table->members);
    } else {
        // Only the directory of a split archive says where the members of
        // each part start: its joined parts are not walked.
        if (!source.splitArchive())
            members = walkLocalHeaders(source, progress).members;
        if (members.empty()) {
            error = "no end of central directory record was found; this is not a ZIP archive, or it is damaged";
            return false;
        }
        index.walked = true;
    }
    index.members.reserve(members.size());
    for (TableMember &t : members)
        index.members.push_back(memberOf(t, index.walked));
    return true;
}

void decodeMemberNames(ArchiveIndex &index, const char *codePage)
{
    // The guess sees the names the listing sees: the members it lists (of a
    // walk, all of them), each name up to its first NUL.
    std::vector<std::string> listed;
    bool any = false;
    for (const Member &m : index.members) {
        any = any || m.nameInCodePage;
        if (!m.nameInCodePage || (!m.problem.empty() && !index.walked))
            continue;
        std::string name = m.storedName.substr(0, m.storedName.find('\0'));
        if (nameNeedsCodePage(name, false))
            listed.push_back(std::move(name));
    }
    if (!any)
        return;
    NameDecoder decoder(chooseNameCodePage(codePage ? codePage : "", listed));
    for (Member &m : index.members)
        if (m.nameInCodePage)
            m.diskName = decoder.decode(m.storedName);
}

}  // namespace unzeng
