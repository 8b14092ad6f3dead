#include "engine/otherformats/ConfinedCursor.h"

#include "engine/otherformats/EntryData.h"
#include "engine/otherformats/FormatNames.h"
#include "engine/otherformats/ReaderProtocol.h"

#include "engine/common/UniqueFd.h"

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
    const std::string message = payload.framed(uint8_t(type));
    return process.write(message.data(), message.size());
}

// Reads one record, passing over ticks. False when the reader has gone.
bool receiveRecord(ConfinedProcess &process, const std::function<bool()> &stopAsked, uint8_t &type,
                   std::vector<char> &payload)
{
    for (;;) {
        char header[HeaderSize];
        if (process.readExactly(header, sizeof header, stopAsked) != ConfinedProcess::Read::Data)
            return false;
        uint32_t length = 0;
        std::memcpy(&length, header + 1, sizeof length);
        if (length > MaxPayload) {
            process.kill();
            return false;
        }
        payload.resize(length);
        if (length > 0 && process.readExactly(payload.data(), length, stopAsked) != ConfinedProcess::Read::Data)
            return false;
        type = uint8_t(header[0]);
        if (type != uint8_t(Record::Tick))
            return true;
    }
}

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

bool ConfinedCursor::open(const std::string &path, const ReadOptions &options, const DataWanted &wanted,
                          Problem &problem)
{
    name_ = fileName(path);
    stopAsked_ = [cancel = options.cancel, asked = options.stopAsked] {
        return (cancel && cancel->load()) || (asked && asked());
    };
    wanted_ = wanted;
    std::string error;
    const common::UniqueFd archive = openArchive(path, size_, error);
    if (!archive
        || !process_.start({.archiveFd = archive.get(), .archiveSize = size_, .limits = options.limits}, error)) {
        problem = {{}, ProblemKind::Damaged, error};
        return false;
    }
    Encoder request;
    request.text(rawMemberName(path));
    request.u8(uint8_t(wanted.kind));
    request.u64(wanted.chosen.size());
    for (const uint64_t index : wanted.chosen)
        request.u64(index);
    request.u8(options.password.has_value());
    if (options.password)
        request.text(*options.password);
    const bool sent = sendRequest(process_, Request::Walk, request);
    // The request's copy of the password goes at once.
    std::string &bytes = const_cast<std::string &>(request.payload());
    std::fill(bytes.begin(), bytes.end(), '\0');
    if (!sent || !receiveRecord(process_, stopAsked_, type_, payload_)) {
        problem = stopped();
        return false;
    }
    Decoder opened(payload_.data(), payload_.size());
    const bool ok = opened.u8() != 0;
    error = opened.text();
    if (opened.failed() || !ok) {
        problem = opened.failed() ? stopped() : Problem{{}, ProblemKind::Damaged, error};
        return false;
    }
    return true;
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
    if (gone_ || !receiveRecord(process_, stopAsked_, type_, payload_) || type_ != uint8_t(Record::Next)) {
        stopped();
        return Next::Failed;
    }
    Decoder record(payload_.data(), payload_.size());
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
    if (!receiveRecord(process_, stopAsked_, type_, payload_)
        || (type_ != uint8_t(Record::Block) && type_ != uint8_t(Record::DataEnd))) {
        dataOpen_ = false;
        step.kind = DataStep::Kind::Failed;
        step.problem = stopped();
        step.fatal = true;
        return step;
    }
    Decoder record(payload_.data(), payload_.size());
    if (type_ == uint8_t(Record::Block)) {
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
    Detection result;
    uint64_t size = 0;
    const common::UniqueFd archive = openArchive(path, size, result.error);
    if (!archive)
        return result;
    ConfinedProcess process;
    if (!process.start({.archiveFd = archive.get(), .archiveSize = size, .limits = options.limits}, result.error))
        return result;
    Encoder request;
    request.text(rawMemberName(path));
    uint8_t type = 0;
    std::vector<char> payload;
    if (!sendRequest(process, Request::Detect, request)
        || !receiveRecord(
            process, [&options] { return cancelAsked(options); }, type, payload)
        || type != uint8_t(Record::Detection)) {
        process.kill();
        result.error = stopProblem(process, fileName(path)).text;
        result.stopped = !cancelAsked(options);
        // Something is there to say: the listing says it, without reading again.
        result.verdict = Verdict::Other;
        return result;
    }
    Decoder record(payload.data(), payload.size());
    const uint8_t verdict = record.u8();
    result.format = record.text();
    result.filter = record.text();
    result.error = record.text();
    result.verdict = verdict <= uint8_t(Verdict::Other) ? Verdict(verdict) : Verdict::NotArchive;
    return result;
}

}  // namespace otherformats
