#include "engine/zipformat/SplitParts.h"

#include "engine/zipformat/CentralDirectory.h"
#include "engine/zipformat/LittleEndian.h"
#include "engine/zipformat/ZipRecords.h"

#include <algorithm>
#include <cctype>
#include <dirent.h>
#include <sys/stat.h>

namespace zipformat {

namespace {

bool isFile(const std::string &path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool allDigits(const std::string &text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool endsWithZip(const std::string &name)
{
    if (name.size() < 5)
        return false;
    std::string tail = name.substr(name.size() - 4);
    for (char &c : tail)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".zip";
}

// A number of at most a few digits, so that it cannot overflow.
uint32_t numberOf(const std::string &digits)
{
    uint32_t n = 0;
    for (char c : digits) {
        n = n * 10 + uint32_t(c - '0');
        if (n > MaxSplitParts)
            return MaxSplitParts + 1;
    }
    return n;
}

std::string padded(uint32_t n, size_t width)
{
    std::string text = std::to_string(n);
    return text.size() < width ? std::string(width - text.size(), '0') + text : text;
}

// The highest n for which `folder` holds a file named prefix + n written
// with at least `width` digits; 0 when there is none.
uint32_t highestNumbered(const std::string &folder, const std::string &prefix, size_t width)
{
    uint32_t highest = 0;
    DIR *dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return 0;
    while (const dirent *entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string digits = name.substr(prefix.size());
        if (digits.size() < width || !allDigits(digits))
            continue;
        const uint32_t n = numberOf(digits);
        if (n <= MaxSplitParts && padded(n, width) == digits)
            highest = std::max(highest, n);
    }
    ::closedir(dir);
    return highest;
}

// The parts of the Info-ZIP set whose last part is `lastPath` (folder +
// name), which holds `disks` disks in all.
SplitParts diskParts(const std::string &folder, const std::string &lastName, uint32_t disks, uint32_t directoryDisk)
{
    const size_t dot = lastName.rfind('.');
    const std::string stem = dot == std::string::npos || dot == 0 ? lastName : lastName.substr(0, dot);
    // NAME.ZIP comes with NAME.Z01.
    const bool upper = dot != std::string::npos && dot + 1 < lastName.size() && lastName[dot + 1] == 'Z';
    SplitParts parts;
    parts.kind = SplitParts::Kind::Disks;
    parts.directoryDisk = directoryDisk;
    for (uint32_t disk = 1; disk < disks; ++disk)
        parts.paths.push_back(folder + stem + (upper ? ".Z" : ".z") + padded(disk, 2));
    parts.paths.push_back(folder + lastName);
    parts.opened = parts.paths.size() - 1;
    return parts;
}

SplitParts single(const std::string &path)
{
    SplitParts parts;
    parts.paths.push_back(path);
    return parts;
}

// A file whose end record says it is the last of several disks stands for
// the whole set.
SplitParts partsEndingWith(const std::string &folder, const std::string &name)
{
    PosixFile file;
    if (!file.open(folder + name) || !file.isRegularFile())
        return single(folder + name);
    const auto disks = endRecordDisks(file);
    if (!disks || disks->thisDisk == 0 || disks->thisDisk >= MaxSplitParts)
        return single(folder + name);
    return diskParts(folder, name, disks->thisDisk + 1, std::min(disks->directoryDisk, disks->thisDisk));
}

}  // namespace

std::optional<EndRecordDisks> endRecordDisks(const RandomAccessSource &source)
{
    // The record the central directory's search would try first.
    const std::vector<uint64_t> candidates = endRecordCandidates(source);
    uint8_t endBytes[EndRecordSize];
    if (candidates.empty() || source.readAt(candidates.front(), endBytes, sizeof endBytes) != sizeof endBytes)
        return std::nullopt;
    const EndRecord end = *parseEndRecord(Bytes(endBytes, EndRecordSize));
    EndRecordDisks disks{end.diskNumber, end.centralDirectoryDisk};
    const uint64_t endAt = candidates.front();
    if ((end.diskNumber == 0xFFFF || end.centralDirectoryDisk == 0xFFFF) && endAt >= Zip64LocatorSize) {
        uint8_t b[Zip64LocatorSize];
        const uint64_t locatorAt = endAt - Zip64LocatorSize;
        const auto locator = source.readAt(locatorAt, b, sizeof b) == sizeof b ? parseZip64Locator(b) : std::nullopt;
        if (locator && locator->totalDisks > 0) {
            disks.thisDisk = locator->totalDisks - 1;
            disks.directoryDisk = disks.thisDisk;
            // Writers put the ZIP64 end record right before the locator.
            uint8_t r[Zip64EndRecordSize];
            if (locatorAt >= Zip64EndRecordSize
                && source.readAt(locatorAt - Zip64EndRecordSize, r, sizeof r) == sizeof r)
                if (const auto record = parseZip64EndRecord(r))
                    disks.directoryDisk = record->centralDirectoryDisk;
        }
    }
    return disks;
}

SplitParts findSplitParts(const std::string &path)
{
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = path.substr(folder.size());
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0)
        return partsEndingWith(folder, name);
    const std::string stem = name.substr(0, dot);
    const std::string suffix = name.substr(dot + 1);

    // name.zip.001, .002, ...: as many as the folder holds, gaps included.
    if (suffix.size() >= 3 && allDigits(suffix) && endsWithZip(stem)) {
        const uint32_t number = numberOf(suffix);
        if (number == 0 || number > MaxSplitParts)
            return single(path);
        const uint32_t count = std::max(number, highestNumbered(folder, stem + ".", suffix.size()));
        SplitParts parts;
        parts.kind = SplitParts::Kind::Pieces;
        for (uint32_t n = 1; n <= count; ++n)
            parts.paths.push_back(folder + stem + "." + padded(n, suffix.size()));
        parts.opened = number - 1;
        return parts;
    }

    // name.z01, .z02, ...: the set is the one name.zip ends.
    if (suffix.size() >= 3 && (suffix[0] == 'z' || suffix[0] == 'Z') && allDigits(suffix.substr(1))) {
        const uint32_t number = numberOf(suffix.substr(1));
        if (number == 0 || number >= MaxSplitParts)
            return single(path);
        const std::string preferred = stem + (suffix[0] == 'Z' ? ".ZIP" : ".zip");
        const std::string other = stem + (suffix[0] == 'Z' ? ".zip" : ".ZIP");
        const std::string last = !isFile(folder + preferred) && isFile(folder + other) ? other : preferred;
        if (isFile(folder + last)) {
            SplitParts parts = partsEndingWith(folder, last);
            if (parts.kind != SplitParts::Kind::Disks || number >= parts.paths.size())
                return single(path);
            parts.opened = number - 1;
            return parts;
        }
        // Without the last part the count is what the folder holds.
        const uint32_t before = std::max(number, highestNumbered(folder, stem + "." + suffix[0], 2));
        SplitParts parts = diskParts(folder, last, before + 1, before);
        parts.opened = number - 1;
        return parts;
    }
    return partsEndingWith(folder, name);
}

}  // namespace zipformat
