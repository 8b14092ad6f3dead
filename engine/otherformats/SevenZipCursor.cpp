#include "engine/otherformats/SevenZipCursor.h"

#include "engine/otherformats/FormatNames.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace otherformats {

namespace {

constexpr size_t BlockSize = 64 * 1024;

// The archive is descriptor 3 of the confined reader, 7z whatever its name
// says; progress stays quiet, whose lines would only be parsed around.
const std::vector<std::string> ListArguments{"l", "-slt", "-ba", "-t7z", "-bsp0", "-sccUTF-8", "/proc/self/fd/3"};
const std::vector<std::string> ExtractArguments{"x", "-so", "-t7z", "-bsp0", "-bso0", "-sccUTF-8", "/proc/self/fd/3"};

// Why an entry is refused before it is read: a name or a link target
// longer than any other reader here takes.
std::optional<Problem> refusal(const SevenZipEntry &entry)
{
    if (entry.entry.name.size() > MaxNameLength)
        return Problem{entry.entry.name.substr(0, 255), ProblemKind::Refused, "its name is too long"};
    if (entry.entry.kind == EntryKind::Symlink && entry.entry.size.value_or(0) > MaxNameLength)
        return Problem{entry.entry.name, ProblemKind::Refused, "its link target is too long"};
    return std::nullopt;
}

}  // namespace

bool readBySevenZip(const std::string &path)
{
    const common::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    return fd && beginsAsSevenZip(fd.get()) && !sevenZipProgram().empty();
}

bool passwordOpens(const std::string &path, const ReadOptions &options, uint64_t index)
{
    // Only 7-Zip's program tells a wrong password: libarchive, with or
    // without one, cannot decrypt what it is asked for here.
    const std::string program = sevenZipProgram();
    if (program.empty())
        return true;
    Problem problem;
    bool couldNotRun = false;
    const std::unique_ptr<EntryCursor> cursor = SevenZipCursor::open(
        program, path, options, DataWanted{DataWanted::Kind::Chosen, {index}, true}, problem, &couldNotRun);
    if (!cursor)
        return couldNotRun || problem.kind != ProblemKind::Encrypted;
    for (uint64_t number = 0;;) {
        const EntryCursor::Next next = cursor->next();
        if (next == EntryCursor::Next::End || next == EntryCursor::Next::Failed)
            return true;
        if (next != EntryCursor::Next::Entry || number++ != index)
            continue;
        // Its first block is enough: a wrong password gives none.
        const DataStep step = cursor->readBlock();
        return step.kind != DataStep::Kind::Failed || step.problem.kind != ProblemKind::Encrypted;
    }
}

std::unique_ptr<SevenZipCursor> SevenZipCursor::open(const std::string &program, const std::string &path,
                                                     const ReadOptions &options, const DataWanted &wanted,
                                                     Problem &problem, bool *couldNotRun)
{
    std::unique_ptr<SevenZipCursor> cursor(new SevenZipCursor);
    cursor->options_ = options;
    cursor->wanted_ = wanted;
    cursor->fd_.reset(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat status {};
    if (!cursor->fd_ || ::fstat(cursor->fd_.get(), &status) != 0) {
        problem = {{}, ProblemKind::Damaged, std::string("cannot open the archive: ") + std::strerror(errno)};
        return nullptr;
    }
    if (!S_ISREG(status.st_mode)) {
        problem = {{}, ProblemKind::Damaged, "not a regular file"};
        return nullptr;
    }
    cursor->size_ = uint64_t(status.st_size);

    SevenZipRun run;
    if (!run.start(program, ListArguments, cursor->fd_.get(), cursor->size_, options, problem)) {
        if (couldNotRun)
            *couldNotRun = run.couldNotRun();
        return nullptr;
    }
    SevenZipListing listing;
    std::vector<char> buffer(BlockSize);
    for (size_t got = 0; run.read(buffer.data(), buffer.size(), got) == ConfinedProcess::Read::Data;)
        listing.feed(std::string_view(buffer.data(), got));
    listing.finish();
    if (const std::optional<Problem> failed = run.finish()) {
        problem = *failed;
        if (couldNotRun)
            *couldNotRun = run.couldNotRun();
        return nullptr;
    }
    if (!listing.error().empty()) {
        problem = {{}, ProblemKind::Damaged, "7-Zip's listing cannot be read: " + listing.error()};
        return nullptr;
    }
    cursor->entries_ = listing.takeEntries();

    // Entries are numbered as list() numbers them: those refused by name
    // have no number. A link's target is its data, read even for a
    // listing: the run is needed up to the last link or the last entry
    // whose data is wanted.
    std::optional<size_t> lastNeeded;
    uint64_t number = 0;
    for (size_t i = 0; i < cursor->entries_.size(); ++i) {
        const SevenZipEntry &entry = cursor->entries_[i];
        const bool refused = refusal(entry).has_value();
        cursor->numbers_.push_back(refused ? std::nullopt : std::optional(number));
        number += refused ? 0 : 1;
        if (!entry.hasData())
            continue;
        cursor->streamTotal_ += *entry.entry.size;
        const bool linkReadable = !refused && (!entry.entry.encrypted || options.password);
        if ((!refused && wanted.wants(*cursor->numbers_.back()))
            || (entry.entry.kind == EntryKind::Symlink && linkReadable))
            lastNeeded = i;
    }
    if (lastNeeded) {
        cursor->lastNeeded_ = *lastNeeded;
        if (!cursor->startData(program, problem))
            return nullptr;
    }
    return cursor;
}

bool SevenZipCursor::startData(const std::string &program, Problem &problem)
{
    buffer_.resize(BlockSize);
    data_ = std::make_unique<SevenZipRun>();
    return data_->start(program, ExtractArguments, fd_.get(), size_, options_, problem);
}

EntryCursor::Next SevenZipCursor::next()
{
    if (begun_) {
        passOver();
        ++current_;
    }
    begun_ = true;
    // Past all it was needed for, the run would only decode what nobody reads.
    if (data_ && current_ > lastNeeded_)
        data_.reset();
    if (current_ >= entries_.size())
        return Next::End;
    SevenZipEntry &current = entries_[current_];
    left_ = data_ && current.hasData() ? *current.entry.size : 0;
    offset_ = 0;
    crc_ = uint32_t(::crc32(0, nullptr, 0));
    done_ = false;
    linkFailure_.reset();
    if (const std::optional<Problem> refused = refusal(current)) {
        unreadable_ = *refused;
        return Next::Unreadable;
    }
    // A link's target is its data: read before the link is told.
    if (current.entry.kind == EntryKind::Symlink && data_ && current.hasData()) {
        std::string target;
        for (;;) {
            const DataStep step = nextBlock();
            if (step.kind == DataStep::Kind::Block)
                target.append(static_cast<const char *>(step.data), step.size);
            else if (step.kind == DataStep::Kind::End)
                break;
            else {
                // Listed all the same, without its target; when it is to be
                // read, it is told as a file whose data fails, so that the
                // reading says why and writes no link.
                target.clear();
                if (wanted_.wants(number()))
                    linkFailure_ = step.problem;
                break;
            }
        }
        current.entry.linkTarget = std::move(target);
        current.entry.kind = linkFailure_ ? EntryKind::File : EntryKind::Symlink;
        done_ = !linkFailure_;
    }
    return Next::Entry;
}

EntryLayout SevenZipCursor::layout() const
{
    const Entry &current = entry();
    EntryLayout layout;
    if (current.kind == EntryKind::File) {
        layout.requiredEnd = current.size;
        layout.bytesHeld = current.size.value_or(0);
    }
    return layout;
}

uint64_t SevenZipCursor::bytesRead() const
{
    if (!data_ || streamTotal_ == 0)
        return size_;
    return uint64_t(static_cast<long double>(size_) * static_cast<long double>(streamRead_)
                    / static_cast<long double>(streamTotal_));
}

DataStep SevenZipCursor::readBlock()
{
    if (linkFailure_) {
        done_ = true;
        DataStep step;
        step.kind = DataStep::Kind::Failed;
        step.problem = *std::exchange(linkFailure_, std::nullopt);
        return step;
    }
    if (!done_ && (!data_ || !wanted_.wants(number())) && entries_[current_].hasData())
        return failed({{}, ProblemKind::Damaged, "its data was not asked for"}, false);
    return nextBlock();
}

DataStep SevenZipCursor::nextBlock()
{
    const SevenZipEntry &current = entries_[current_];
    if (done_ || !current.hasData()) {
        done_ = true;
        return {};
    }
    if (left_ == 0) {
        done_ = true;
        if (current.crc && *current.crc != crc_)
            return failed(checksumProblem(), false);
        return {};
    }
    size_t got = 0;
    const size_t want = size_t(std::min<uint64_t>(left_, buffer_.size()));
    if (streamEnded_ || data_->read(buffer_.data(), want, got) != ConfinedProcess::Read::Data || got == 0) {
        streamEnded_ = true;
        // A wrong password: every encrypted entry says so, as a ZIP's
        // members do; anything else ends the reading.
        const Problem problem = streamProblem();
        return failed(problem, !(problem.kind == ProblemKind::Encrypted && current.entry.encrypted));
    }
    crc_ = uint32_t(::crc32(crc_, buffer_.data(), uInt(got)));
    left_ -= got;
    streamRead_ += got;
    DataStep step;
    step.kind = DataStep::Kind::Block;
    step.data = buffer_.data();
    step.size = got;
    step.offset = offset_;
    offset_ += got;
    return step;
}

void SevenZipCursor::passOver()
{
    while (data_ && !streamEnded_ && left_ > 0) {
        size_t got = 0;
        const size_t want = size_t(std::min<uint64_t>(left_, buffer_.size()));
        if (data_->read(buffer_.data(), want, got) != ConfinedProcess::Read::Data || got == 0) {
            streamEnded_ = true;
            return;
        }
        left_ -= got;
        streamRead_ += got;
    }
    left_ = 0;
}

DataStep SevenZipCursor::failed(Problem problem, bool fatal)
{
    done_ = true;
    // 7-Zip cuts a damaged entry's data short, or gives none of the rest of
    // its block: the stream after it no longer lines up with the listing,
    // and an entry that fails there is said to fail because of it.
    if (problem.kind == ProblemKind::Damaged && !firstDamaged_.empty())
        problem.text = "not read after the damaged entry " + firstDamaged_;
    else if (problem.kind == ProblemKind::Damaged && !problem.entry.empty() && problem.entry != entry().name)
        problem.text = "not read after the damaged entry " + problem.entry;
    if (problem.kind == ProblemKind::Damaged && firstDamaged_.empty())
        firstDamaged_ = problem.entry.empty() ? entry().name : problem.entry;
    problem.entry = entry().name;
    DataStep step;
    step.kind = DataStep::Kind::Failed;
    step.problem = std::move(problem);
    step.fatal = fatal;
    return step;
}

Problem SevenZipCursor::streamProblem()
{
    if (const std::optional<Problem> ended = data_->finish())
        return *ended;
    return {{}, ProblemKind::Damaged, "7-Zip gave less data than the archive lists"};
}

Problem SevenZipCursor::checksumProblem() const
{
    const Entry &current = entry();
    if (current.encrypted && options_.password)
        return {{}, ProblemKind::Encrypted, "wrong password"};
    // 7-Zip names the entry it could not read: "ERROR: Unsupported Method : a.txt".
    const std::string errors = data_->errors();
    const std::string ending = " : " + current.name;
    for (size_t at = 0; at < errors.size();) {
        size_t end = errors.find('\n', at);
        if (end == std::string::npos)
            end = errors.size();
        const std::string line = errors.substr(at, end - at);
        at = end + 1;
        if (line.ends_with(ending))
            return sevenZipProblem(line, 2, {}, options_.password.has_value(), options_.limits);
    }
    return {{}, ProblemKind::Damaged, "its data does not match its CRC"};
}

}  // namespace otherformats
