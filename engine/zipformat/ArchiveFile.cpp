#include "engine/zipformat/ArchiveFile.h"

#include "engine/zipformat/CentralDirectory.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace zipformat {

namespace {

std::string fileNameOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// "a, b and c", the first few of a long list and how many more.
std::string nameList(const std::vector<const ArchiveFile::Part *> &parts)
{
    constexpr size_t named = 6;
    std::string text;
    const size_t shown = parts.size() > named + 1 ? named : parts.size();
    for (size_t i = 0; i < shown; ++i) {
        if (i > 0)
            text += i + 1 == shown && shown == parts.size() ? " and " : ", ";
        text += parts[i]->name;
    }
    if (shown < parts.size())
        text += " and " + std::to_string(parts.size() - shown) + " more";
    return text;
}

}  // namespace

std::string ArchiveFile::missingText(const Part &part)
{
    return "Part " + part.name + " of this split archive is missing";
}

bool ArchiveFile::open(const std::string &path)
{
    close();
    const SplitParts found = findSplitParts(path);
    if (found.kind != SplitParts::Kind::Single)
        return openParts(found);
    auto file = std::make_unique<PosixFile>();
    if (!file->open(path)) {
        error_ = file->error();
        return false;
    }
    regular_ = file->isRegularFile();
    size_ = file->size();
    parts_.push_back(Part{path, fileNameOf(path), 0, size_, true});
    files_.push_back(std::move(file));
    return true;
}

bool ArchiveFile::openParts(const SplitParts &found)
{
    kind_ = found.kind;
    opened_ = found.opened;
    directoryDisk_ = found.directoryDisk;
    for (const std::string &path : found.paths) {
        auto file = std::make_unique<PosixFile>();
        const bool present = file->open(path) && file->isRegularFile();
        if (parts_.size() == opened_ && !present) {
            // The file the caller named: its own failure is the answer.
            if (const int error = file->isOpen() ? 0 : file->error(); error != 0) {
                close();
                error_ = error;
                return false;
            }
        }
        if (!present)
            file->close();
        parts_.push_back(Part{path, fileNameOf(path), 0, present ? file->size() : 0, present});
        files_.push_back(std::move(file));
    }
    if (!parts_[opened_].present) {
        // Named, but no regular file: the caller refuses it as such.
        kind_ = SplitParts::Kind::Single;
        return true;
    }
    regular_ = true;

    // Writers make every part but the last the same size, so a missing one
    // is given its neighbours' size: the parts after it keep their places.
    uint64_t guessed = 0;
    for (size_t i = 0; i + 1 < parts_.size(); ++i)
        if (parts_[i].present) {
            guessed = parts_[i].size;
            break;
        }
    for (size_t i = 0; i < parts_.size(); ++i) {
        Part &part = parts_[i];
        if (!part.present)
            part.size = i + 1 < parts_.size() ? guessed : 0;
        part.start = size_;
        size_ += part.size;
        if (size_ < part.start) {
            problem_ = "the parts of this split archive are too large";
            return false;
        }
    }
    problem_ = checkDirectoryParts();
    return problem_.empty();
}

// Without the part that holds the central directory (or the part it goes
// on into) there is no member list, and nothing can be read.
std::string ArchiveFile::checkDirectoryParts()
{
    if (kind_ == SplitParts::Kind::Disks) {
        for (size_t disk = directoryDisk_; disk < parts_.size(); ++disk)
            if (!parts_[disk].present)
                return missingText(parts_[disk]);
        return {};
    }
    const auto location = locateCentralDirectory(*this);
    if (location) {
        const Part *missing = missingPartIn(location->fileOffset(), size_);
        return missing ? missingText(*missing) : std::string();
    }
    for (const Part &part : parts_)
        if (!part.present)
            return missingText(part);
    // Every part named is here, but the end record is not: the last part
    // came out as large as the others, and the next one is missing.
    if (parts_.back().size != parts_.front().size)
        return {};
    const std::string &last = parts_.back().path;
    const size_t dot = last.rfind('.');
    const size_t width = last.size() - dot - 1;
    std::string number = std::to_string(parts_.size() + 1);
    if (number.size() < width)
        number.insert(0, width - number.size(), '0');
    const std::string path = last.substr(0, dot + 1) + number;
    parts_.push_back(Part{path, fileNameOf(path), size_, 0, false});
    files_.push_back(std::make_unique<PosixFile>());
    return missingText(parts_.back());
}

void ArchiveFile::close()
{
    files_.clear();
    parts_.clear();
    kind_ = SplitParts::Kind::Single;
    opened_ = 0;
    directoryDisk_ = 0;
    size_ = 0;
    error_ = 0;
    regular_ = false;
    problem_.clear();
}

int ArchiveFile::descriptor() const
{
    return parts_.size() == 1 ? files_.front()->descriptor() : -1;
}

size_t ArchiveFile::readAt(uint64_t offset, void *buffer, size_t n) const
{
    if (files_.size() == 1)
        return files_.front()->readAt(offset, buffer, n);
    auto *out = static_cast<uint8_t *>(buffer);
    size_t done = 0;
    // The last part that starts at or before the offset; empty parts before
    // it hold nothing to read.
    auto it = std::upper_bound(parts_.begin(), parts_.end(), offset,
                               [](uint64_t at, const Part &part) { return at < part.start; });
    while (done < n && it != parts_.begin()) {
        const Part &part = *(it - 1);
        const uint64_t at = offset + done;
        if (at >= part.start + part.size) {
            if (it == parts_.end())
                break;
            ++it;
            continue;
        }
        const size_t want = size_t(std::min<uint64_t>(n - done, part.start + part.size - at));
        if (!part.present) {
            std::memset(out + done, 0, want);
            done += want;
            continue;
        }
        const size_t got = files_[size_t(it - 1 - parts_.begin())]->readAt(at - part.start, out + done, want);
        done += got;
        if (got < want)
            break;
    }
    return done;
}

std::optional<uint64_t> ArchiveFile::diskOffset(uint32_t disk, uint64_t offset) const
{
    // A record starts inside its disk; an offset past its end would reach
    // into the next part and read another member's bytes.
    if (disk >= parts_.size() || !parts_[disk].present || offset >= parts_[disk].size)
        return std::nullopt;
    return parts_[disk].start + offset;
}

const ArchiveFile::Part *ArchiveFile::missingPartIn(uint64_t from, uint64_t to) const
{
    for (const Part &part : parts_) {
        if (part.present)
            continue;
        // An empty stand-in still lies between its neighbours.
        const bool needed = part.size == 0 ? from < part.start && to > part.start
                                           : from < part.start + part.size && to > part.start;
        if (needed)
            return &part;
    }
    return nullptr;
}

const ArchiveFile::Part *ArchiveFile::missingDisk(uint32_t disk) const
{
    return numbersDisks() && disk < parts_.size() && !parts_[disk].present ? &parts_[disk] : nullptr;
}

std::vector<std::string> ArchiveFile::absenceNotes() const
{
    std::vector<const Part *> missing;
    for (const Part &part : parts_)
        if (!part.present)
            missing.push_back(&part);
    if (missing.empty())
        return {};
    // Only the part opened is here: it must not pass for the whole archive.
    if (missing.size() + 1 == parts_.size()) {
        return {parts_[opened_].name + " is part " + std::to_string(opened_ + 1) + " of a split archive of "
                + std::to_string(parts_.size()) + " parts; "
                + (missing.size() == 1 ? "the other part, " + nameList(missing) + ", is missing"
                                       : "the other parts, " + nameList(missing) + ", are missing")};
    }
    std::vector<std::string> notes;
    constexpr size_t named = 10;
    for (size_t i = 0; i < missing.size() && i < named; ++i)
        notes.push_back(missingText(*missing[i]));
    if (missing.size() > named)
        notes.push_back(std::to_string(missing.size() - named) + " more parts of this split archive are missing");
    return notes;
}

}  // namespace zipformat
