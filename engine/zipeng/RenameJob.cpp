#include "engine/zipeng/RenameJob.h"

#include "engine/zipformat/LittleEndian.h"
#include "engine/zipformat/MemberTable.h"
#include "engine/zipformat/RenamePlan.h"
#include "engine/zipformat/Utf8.h"
#include "engine/zipformat/ZipRecords.h"

#include <vector>

namespace zipeng {

using namespace zipformat;

namespace {

// The extra field without its Unicode path blocks: one would name the
// member by its old name to every reader that prefers it.
std::vector<uint8_t> withoutUnicodePath(Bytes extra)
{
    std::vector<uint8_t> kept;
    ExtraFieldIterator it(extra);
    size_t walked = 0;
    while (auto block = it.next()) {
        walked += 4 + block->data.size();
        if (block->id == UnicodePathId)
            continue;
        const size_t at = kept.size();
        kept.resize(at + 4 + block->data.size());
        putLe16(&kept[at], block->id);
        putLe16(&kept[at + 2], uint16_t(block->data.size()));
        std::copy(block->data.begin(), block->data.end(), kept.begin() + ptrdiff_t(at + 4));
    }
    // Bytes after the last whole block (padding some writers leave) stay.
    kept.insert(kept.end(), extra.begin() + ptrdiff_t(walked), extra.end());
    return kept;
}

// Bit 11 says the name (and the comment) is UTF-8. An ASCII name reads the
// same either way, so the bit stays for the comment's sake; a name outside
// ASCII gets it exactly when it is valid UTF-8.
uint16_t flagsForName(uint16_t flags, const std::string &name)
{
    bool ascii = true;
    for (const char c : name)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii)
        return flags;
    return isValidUtf8(name) ? uint16_t(flags | FlagUtf8) : uint16_t(flags & ~FlagUtf8);
}

}  // namespace

int32_t RenameJob::run(const std::string &archive, const std::string &from, const std::string &to)
{
    if (old_.open(archive) == ExistingArchive::State::Missing) {
        report(MissingArchive, "Cannot rename in " + archive + ": no such archive");
        return 0;
    }
    std::vector<std::string> names;
    names.reserve(old_.members.size());
    for (const ExistingMember &m : old_.members)
        names.push_back(m.name);
    const RenamePlan plan = planRename(names, from, to);
    if (plan.refused()) {
        report(plan.missing ? NothingMatched : BadParameters, plan.refusal);
        return 0;
    }
    if (plan.renamed.empty()) {
        report(InfoCode, "Nothing to do: " + archive + " was left unchanged");
        return 0;
    }

    std::vector<const std::string *> newName(old_.members.size());
    for (const auto &[index, name] : plan.renamed)
        newName[index] = &name;
    openOutput(archive);
    for (size_t i = 0; i < old_.members.size(); ++i) {
        if (newName[i])
            renameMember(old_.members[i], *newName[i]);
        else
            keepMember(old_.members[i]);
    }
    finishOutput();
    trace("Replaced " + archive);
    return int32_t(plan.renamed.size());
}

int32_t RenameJob::setComment(const std::string &archive, const std::string &comment)
{
    if (old_.open(archive) == ExistingArchive::State::Missing) {
        report(MissingArchive, "Cannot write the comment of " + archive + ": no such archive");
        return 0;
    }
    openOutput(archive);
    for (const ExistingMember &m : old_.members)
        keepMember(m);
    // The new archive ends with the comment the old one would have passed on.
    old_.comment.assign(comment.begin(), comment.end());
    finishOutput();
    trace("Replaced " + archive);
    return 1;
}

void RenameJob::renameMember(const ExistingMember &m, const std::string &name)
{
    const uint64_t length = old_.recordLength(m);  // also checks that the record is whole
    uint8_t fixed[LocalHeaderSize];
    old_.readAt(m.localOffset, fixed, sizeof fixed);
    const LocalHeader header = *parseLocalHeader(Bytes(fixed, sizeof fixed));
    std::vector<uint8_t> localExtra(header.extraLength);
    if (old_.readAt(m.localOffset + LocalHeaderSize + header.nameLength, localExtra.data(), localExtra.size())
        != localExtra.size())
        throw JobError{FormatError, "The local header of \"" + m.name + "\" is cut short"};
    localExtra = withoutUnicodePath(localExtra);

    beginFile(name, m.unpackedSize);
    verbose("renaming: " + m.name + " -> " + name);

    // The local header's own fields stay (they may differ from the central
    // record's and the data was written to match them); only the name's go.
    std::vector<uint8_t> local(fixed, fixed + LocalHeaderSize);
    putLe16(&local[6], flagsForName(header.flags, name));
    putLe16(&local[26], uint16_t(name.size()));
    putLe16(&local[28], uint16_t(localExtra.size()));
    local.insert(local.end(), name.begin(), name.end());
    local.insert(local.end(), localExtra.begin(), localExtra.end());

    MemberRecord r = m;
    r.name = name;
    r.flags = flagsForName(m.flags, name);
    r.extra = withoutUnicodePath(m.extra);
    r.localOffset = out_->position();
    out_->write(local);
    // The data, its encryption header and its data descriptor, as they were.
    out_->copyFrom(old_.fd(), m.localOffset + header.recordSize(), length - header.recordSize());
    out_->addToDirectory(r);
    noteTime(m.modificationTime());
}

}  // namespace zipeng
