#pragma once
// What an archive operation tells its caller and asks of it while it runs:
// progress, the libraries' messages, the component's own notices, a
// password; and whether to stop. Every backend raises its events through
// this one interface, on the thread that runs the operation; whoever runs
// the operation elsewhere (the window's worker) wraps it.

#include "engine/ArchiveEntry.h"
#include "engine/EngineOptions.h"

#include <cstdint>
#include <span>
#include <string>

namespace orvex {

enum class PasswordAnswer { Given, None, Cancel };

class ArchiveEvents {
public:
    virtual ~ArchiveEvents() = default;

    // A member begins (its name and size), a step of it is done, the
    // operation ends, or the library is busy with nothing new to show.
    virtual void progress(ProgressType type, const std::string &name, int64_t size) = 0;
    // While a member list is read: `members` the count the archive gives
    // (0: unknown), `done` of `total` how far the read has got.
    virtual void readProgress(int64_t members, int64_t done, int64_t total) = 0;
    // While a member list is read entry by entry (the formats other than
    // ZIP): the members read since the last call, in archive order, every
    // few thousand, so that they can be shown before the read ends. Only a
    // foretaste: the list the read ends with, or its failure, is told as
    // without them.
    virtual void membersRead(std::span<const ArchiveEntry> members) { (void)members; }
    // A library's message: code 0 is information, above 0 an error numbered
    // after the library that sent it (engine/common/CallRecords.h).
    virtual void message(int code, const std::string &text) = 0;
    // The component's own notices ("Error - no files to zip").
    virtual void notice(const std::string &text) = 0;
    // The password of an encrypted member; `attempt` counts up from 1 while
    // the member refuses what was given.
    virtual PasswordAnswer password(const std::string &member, int attempt, std::string &password) = 0;
    // Asked often; true stops the operation at its next step.
    virtual bool stopRequested() const = 0;
};

}  // namespace orvex
