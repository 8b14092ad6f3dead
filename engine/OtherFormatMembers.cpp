#include "engine/OtherFormatMembers.h"

#include "engine/common/MessageCode.h"

#include <algorithm>
#include <ctime>
#include <fnmatch.h>
#include <string_view>

namespace orvex {

uint32_t dosDateTimeOf(int64_t seconds)
{
    if (seconds == 0)
        return 0;
    const time_t when = time_t(seconds);
    struct tm local {};
    if (!::localtime_r(&when, &local))
        return 0;
    const int year = local.tm_year + 1900;
    if (year < 1980)
        return (1u << 5 | 1u) << 16;  // 1980-01-01 00:00
    if (year > 2107)
        return ((127u << 9 | 12u << 5 | 31u) << 16) | (23u << 11 | 59u << 5 | 29u);
    const uint32_t date = uint32_t(year - 1980) << 9 | uint32_t(local.tm_mon + 1) << 5 | uint32_t(local.tm_mday);
    const uint32_t time = uint32_t(local.tm_hour) << 11 | uint32_t(local.tm_min) << 5 | uint32_t(local.tm_sec / 2);
    return date << 16 | time;
}

ArchiveEntry memberOf(const otherformats::Entry &entry)
{
    ArchiveEntry member;
    member.FileName = entry.name;
    if (entry.kind == otherformats::EntryKind::Directory && !member.FileName.empty() && member.FileName.back() != '/')
        member.FileName += '/';
    // Bit 11: the name is UTF-8, which the listing then shows as it is.
    member.GeneralFlags = uint16_t((entry.nameIsUtf8 ? 1u << 11 : 0u) | (entry.encrypted ? 1u : 0u));
    const uint32_t stamp = dosDateTimeOf(entry.modified);
    member.ModDate = uint16_t(stamp >> 16);
    member.ModTime = uint16_t(stamp & 0xFFFF);
    member.PackedSizeKnown = false;
    // A folder holds no data of its own, whatever the format gives as its
    // size (an ISO image, a sector): 0, as a ZIP folder shows.
    const bool folder = entry.kind == otherformats::EntryKind::Directory;
    member.UnpackedSizeKnown = folder || entry.size.has_value();
    member.TrueUnpackedSize = folder ? 0 : entry.size.value_or(0);
    member.UnpackedSize = uint32_t(std::min<uint64_t>(member.TrueUnpackedSize, UINT32_MAX));
    member.NameLength = uint16_t(std::min<size_t>(member.FileName.size(), UINT16_MAX));
    return member;
}

std::vector<uint64_t> selectMembers(const std::vector<ArchiveEntry> &members, const std::vector<std::string> &patterns,
                                    std::vector<std::string> &unmatched)
{
    std::vector<bool> chosen(members.size(), false);
    for (const std::string &pattern : patterns) {
        bool matched = false;
        for (size_t i = 0; i < members.size(); ++i) {
            const std::string &name = members[i].FileName;
            if (name == pattern || ::fnmatch(pattern.c_str(), name.c_str(), 0) == 0) {
                chosen[i] = true;
                matched = true;
            }
        }
        if (!matched)
            unmatched.push_back(pattern);
    }
    std::vector<uint64_t> selection;
    for (size_t i = 0; i < members.size(); ++i)
        if (chosen[i])
            selection.push_back(i);
    return selection;
}

std::string problemText(const otherformats::Problem &problem)
{
    using otherformats::ProblemKind;
    // Said as the ZIP extraction says it, so that the component counts both.
    if (problem.kind == ProblemKind::Skipped && problem.text.ends_with(unzeng::KeptExistingText))
        return "skipping " + problem.entry + ": it " + unzeng::KeptExistingText;
    if (problem.kind == ProblemKind::Skipped)
        return "skipping " + problem.entry + ": " + problem.text;
    if (problem.kind == ProblemKind::Encrypted && problem.text.find("encrypted") == std::string::npos)
        return (problem.entry.empty() ? std::string() : problem.entry + ": ")
               + "encrypted, and it could not be read: " + problem.text;
    return problem.entry.empty() ? problem.text : problem.entry + ": " + problem.text;
}

int32_t problemCode(const otherformats::Problem &problem)
{
    using otherformats::ProblemKind;
    switch (problem.kind) {
    case ProblemKind::Skipped: return unzeng::CodeInfo;
    case ProblemKind::Encrypted: return unzeng::CodeUnsupported;
    case ProblemKind::Write: return unzeng::CodeWriteError;
    case ProblemKind::Damaged: return problem.entry.empty() ? unzeng::CodeArchiveError : unzeng::CodeMemberError;
    case ProblemKind::Refused:
    case ProblemKind::Limit: return unzeng::CodeMemberError;
    }
    return unzeng::CodeMemberError;
}

}  // namespace orvex
