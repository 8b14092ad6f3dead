#pragma once
// The frame both jobs share: the reporter's answers turned into Cancelled,
// the old archive, the new one, and copying kept members across.

#include "engine/common/Umask.h"
#include "engine/zipeng/ErrorCodes.h"
#include "engine/zipeng/ExistingArchive.h"
#include "engine/zipeng/JobOptions.h"
#include "engine/zipeng/OutputArchive.h"
#include "engine/zipeng/Reporter.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <optional>
#include <string>
#include <utility>

namespace zipeng {

// How long the writer waits for a worker before it asks whether to go on.
inline constexpr auto WaitStep = std::chrono::milliseconds(50);

class Job {
public:
    Job(const JobOptions &options, Reporter &reporter) : options_(options), reporter_(reporter) {}

protected:
    void report(int32_t code, const std::string &text)
    {
        if (reporter_.message(code, text))
            throw Cancelled{};
    }
    void verbose(const std::string &text)
    {
        if (reporter_.verbose(text))
            throw Cancelled{};
    }
    void trace(const std::string &text)
    {
        if (reporter_.trace(text))
            throw Cancelled{};
    }
    void beginFile(const std::string &name, uint64_t size)
    {
        stepsSent_ = 0;
        if (reporter_.fileBegin(name, size))
            throw Cancelled{};
    }
    // Sends the steps that `consumed` bytes of the current file are worth.
    void advance(uint64_t consumed)
    {
        const uint64_t target = stepsFor(consumed);
        while (stepsSent_ < target) {
            ++stepsSent_;
            if (reporter_.step())
                throw Cancelled{};
        }
    }

    // Asks whether to go on when the caller has not heard from us for a
    // while; `last` asks in any case (the new archive is about to replace the old).
    void pulse(bool last = false)
    {
        if (reporter_.working(last ? std::chrono::nanoseconds(0) : tuning::workingInterval))
            throw Cancelled{};
    }
    // A worker's result, asking whether to go on while it is not ready.
    template <typename T>
    T await(std::future<T> &future)
    {
        while (future.wait_for(WaitStep) != std::future_status::ready)
            pulse();
        return future.get();
    }

    void keepMember(const ExistingMember &m)
    {
        const uint64_t length = old_.recordLength(m);
        MemberRecord r = m;  // every header value as it was
        r.localOffset = out_->position();
        out_->copyFrom(old_.fd(), m.localOffset, length);
        out_->addToDirectory(r);
        noteTime(m.modificationTime());
    }

    void noteTime(int64_t t)
    {
        if (!newest_ || t > *newest_)
            newest_ = t;
    }

    void openOutput(const std::string &archive)
    {
        out_.emplace(archive);
        out_->setPulse([this](bool last) { pulse(last); });
        trace("Writing the new archive as " + out_->temporaryPath());
        out_->copyFrom(old_.fd(), 0, old_.prefixLength);
    }

    void finishOutput()
    {
        if (out_->finish(old_.comment))
            trace("The archive needs ZIP64 end records");
        const bool existed = old_.state() != ExistingArchive::State::Missing;
        const mode_t mode = existed ? old_.status().st_mode & 07777 : 0666 & ~common::currentUmask();
        std::optional<std::pair<uid_t, gid_t>> owner;
        if (existed && (old_.status().st_uid != ::geteuid() || old_.status().st_gid != ::getegid()))
            owner = std::pair{old_.status().st_uid, old_.status().st_gid};
        std::optional<int64_t> time;
        if (options_.archiveTime && newest_)
            time = newest_;
        out_->commit(mode, owner, time);
    }

    const JobOptions &options_;
    Reporter &reporter_;
    ExistingArchive old_;
    std::optional<OutputArchive> out_;
    std::optional<int64_t> newest_;
    uint64_t stepsSent_ = 0;
};

}  // namespace zipeng
