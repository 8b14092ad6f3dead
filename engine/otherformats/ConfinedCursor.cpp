#include "engine/otherformats/ConfinedCursor.h"

#include "engine/otherformats/EntryData.h"
#include "engine/otherformats/FormatNames.h"
#include "engine/otherformats/ReaderProtocol.h"

#include "engine/common/UniqueFd.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace otherformats {

namespace {

using namespace protocol;

std::string fileName(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The archive opened for the reader: a regular file only, since a FIFO or a
// device would be waited on or read without end.
common::UniqueFd openArchive(const std::string &path, uint64_t &size, std::string &error)
{
    common::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat st {};
    if (!fd || ::fstat(fd.get(), &st) != 0) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return {};
    }
    if (!S_ISREG(st.st_mode)) {
        error = path + " is not a regular file";
        return {};
    }
    ::fcntl(fd.get(), F_SETFL, ::fcntl(fd.get(), F_GETFL) & ~O_NONBLOCK);
    size = uint64_t(st.st_size);
    return fd;
}

bool sendRequest(ConfinedProcess &process, Request type, const Encoder &payload)
{
    std::string message = payload.framed(uint8_t(type));
    const bool sent = process.write(message.data(), message.size());
    // A walk's request holds the password: no copy of it stays behind.
    std::fill(message.begin(), message.end(), '\0');
    return sent;
}

}  // namespace

bool RecordReader::next(ConfinedProcess &process, const std::function<bool()> &stopAsked, Received &record)
{
    for (;;) {
        const size_t held = end_ - start_;
        uint32_t length = 0;
        if (held >= HeaderSize) {
            std::memcpy(&length, buffer_.data() + start_ + 1, sizeof length);
            if (length > MaxPayload) {
                process.kill();
                return false;
            }
            if (held >= HeaderSize + length) {
                record.type = uint8_t(buffer_[start_]);
                record.payload = buffer_.data() + start_ + HeaderSize;
                record.length = length;
                start_ += HeaderSize + length;
                if (record.type == uint8_t(Record::Tick))
                    continue;
                return true;
            }
        }
        // More is needed: what is held moves to the front, room is made for
        // the whole record, and the pipe gives what it has.
        const size_t needed = held >= HeaderSize ? HeaderSize + length : HeaderSize;
        if (start_ > 0) {
            std::memmove(buffer_.data(), buffer_.data() + start_, held);
            start_ = 0;
            end_ = held;
        }
        if (buffer_.size() < std::max(needed, ReadSize))
            buffer_.resize(std::max(needed, ReadSize));
        size_t got = 0;
        if (process.read(buffer_.data() + end_, buffer_.size() - end_, got, stopAsked) != ConfinedProcess::Read::Data)
            return false;
        end_ += got;
    }
}

namespace {

// What a reader that went away says: the limit it met, or how it ended.
Problem stopProblem(ConfinedProcess &process, const std::string &name)
{
    int code = 0;
    std::string reason = process.finish(code);
    if (reason.empty())
        reason = "its reader ended unexpectedly";
    const bool limit = reason.starts_with("it used more than") || reason.starts_with("it made no progress");
    return {{}, limit ? ProblemKind::Limit : ProblemKind::Damaged, "stopped reading " + name + ": " + reason};
}

}  // namespace

bool ConfinedCursor::start(const std::string &path, const ReadOptions &options, std::string &error)
{
    name_ = fileName(path);
    memberName_ = rawMemberName(path);
    heed(options);
    const common::UniqueFd archive = openArchive(path, size_, error);
    return archive
           && process_.start({.archiveFd = archive.get(), .archiveSize = size_, .limits = options.limits}, error);
}

void ConfinedCursor::heed(const ReadOptions &options)
{
    stopAsked_ = [cancel = options.cancel, asked = options.stopAsked] {
        return (cancel && cancel->load()) || (asked && asked());
    };
}

bool ConfinedCursor::open(const std::string &path, const ReadOptions &options, const DataWanted &wanted,
                          Problem &problem)
{
    wanted_ = wanted;
    if (std::string error; !start(path, options, error)) {
        problem = {{}, ProblemKind::Damaged, error};
        return false;
    }
    return walk(memberName_, options.password, problem);
}

bool ConfinedCursor::walk(const std::string &memberName, const std::optional<std::string> &password, Problem &problem)
{
    Encoder request;
    request.text(memberName);
    request.u8(uint8_t(wanted_.kind));
    request.u8(wanted_.bytes);
    request.u64(wanted_.chosen.size());
    for (const uint64_t index : wanted_.chosen)
        request.u64(index);
    request.u8(password.has_value());
    if (password)
        request.text(*password);
    const bool sent = sendRequest(process_, Request::Walk, request);
    request.wipe();
    if (!sent || !reader_.next(process_, stopAsked_, record_)) {
        problem = stopped();
        return false;
    }
    Decoder opened = record_.decoder();
    const bool ok = opened.u8() != 0;
    const std::string error = opened.text();
    if (opened.failed() || !ok) {
        problem = opened.failed() ? stopped() : Problem{{}, ProblemKind::Damaged, error};
        return false;
    }
    return true;
}

Detection ConfinedCursor::look(const std::string &path, const ReadOptions &options)
{
    Detection result;
    if (!start(path, options, result.error))
        return result;
    Encoder request;
    request.text(memberName_);
    if (!sendRequest(process_, Request::Detect, request) || !reader_.next(process_, stopAsked_, record_)
        || record_.type != uint8_t(Record::Detection)) {
        process_.kill();
        gone_ = true;
        problem_ = stopProblem(process_, name_);
        result.error = problem_.text;
        result.stopped = !cancelAsked(options);
        // Something is there to say: the listing says it, without reading again.
        result.verdict = Verdict::Other;
        return result;
    }
    Decoder detected = record_.decoder();
    const uint8_t verdict = detected.u8();
    result.format = detected.text();
    result.filter = detected.text();
    result.error = detected.text();
    result.verdict = verdict <= uint8_t(Verdict::Other) ? Verdict(verdict) : Verdict::NotArchive;
    return result;
}

bool ConfinedCursor::listOn(Problem &problem)
{
    wanted_ = DataWanted::none();
    if (gone_) {
        problem = problem_;
        return false;
    }
    return walk(memberName_, std::nullopt, problem);
}

Problem ConfinedCursor::stopped()
{
    if (!gone_) {
        gone_ = true;
        process_.kill();
        problem_ = stopProblem(process_, name_);
    }
    return problem_;
}

EntryCursor::Next ConfinedCursor::next()
{
    if (gone_)
        return Next::Failed;
    if (dataOpen_)
        passOverData();
    if (gone_ || !reader_.next(process_, stopAsked_, record_) || record_.type != uint8_t(Record::Next)) {
        stopped();
        return Next::Failed;
    }
    Decoder record = record_.decoder();
    const auto next = Next(record.u8());
    sequence_ = record.u64();
    format_ = record.text();
    bytesRead_ = record.u64();
    plainZip_ = record.u8() != 0;
    if (next == Next::Entry) {
        entry_ = record.entry();
        layout_ = record.layout();
    } else if (next == Next::Unreadable || next == Next::Failed) {
        problem_ = record.problem();
    }
    if (record.failed() || next > Next::Failed) {
        stopped();
        return Next::Failed;
    }
    if (next == Next::Failed || next == Next::End)
        gone_ = true;  // the reader has said its last
    if (next == Next::Entry && !plainZip_) {
        const uint64_t index = index_++;
        dataOpen_ = wanted_.wants(index) && entry_.kind != EntryKind::Directory;
    }
    return next;
}

DataStep ConfinedCursor::readBlock()
{
    DataStep step;
    if (!dataOpen_)
        return step;  // no data was asked for this entry: it ends at once
    if (!reader_.next(process_, stopAsked_, record_)
        || (record_.type != uint8_t(Record::Block) && record_.type != uint8_t(Record::DataEnd)
            && record_.type != uint8_t(Record::Extent))) {
        dataOpen_ = false;
        step.kind = DataStep::Kind::Failed;
        step.problem = stopped();
        step.fatal = true;
        return step;
    }
    Decoder record = record_.decoder();
    if (record_.type == uint8_t(Record::Extent)) {
        step.kind = DataStep::Kind::Block;
        step.offset = record.u64();
        bytesRead_ = record.u64();
        step.size = size_t(record.u64());
        if (record.failed() || wanted_.bytes) {
            dataOpen_ = false;
            step = {DataStep::Kind::Failed, nullptr, 0, 0, stopped(), true};
        }
        return step;
    }
    if (record_.type == uint8_t(Record::Block)) {
        step.kind = DataStep::Kind::Block;
        step.offset = record.u64();
        bytesRead_ = record.u64();
        step.data = record.rest();
        step.size = record.left();
        if (record.failed()) {
            dataOpen_ = false;
            step = {DataStep::Kind::Failed, nullptr, 0, 0, stopped(), true};
        }
        return step;
    }
    dataOpen_ = false;
    step.kind = DataStep::Kind(record.u8());
    step.fatal = record.u8() != 0;
    step.problem = record.problem();
    if (record.failed() || step.kind == DataStep::Kind::Block)
        step = {DataStep::Kind::Failed, nullptr, 0, 0, stopped(), true};
    return step;
}

void ConfinedCursor::passOverData()
{
    Encoder skip;
    skip.u64(sequence_);
    sendRequest(process_, Request::Skip, skip);
    while (dataOpen_) {
        const DataStep step = readBlock();
        if (step.kind != DataStep::Kind::Block)
            break;
    }
}

Detection detectConfined(const std::string &path, const ReadOptions &options)
{
    return ConfinedCursor().look(path, options);
}

}  // namespace otherformats
