#pragma once
// The archive component's events: a backend's, and the member list read
// anew; and a base for events that change one answer and pass the rest on.

#include "engine/ArchiveEvents.h"

namespace orvex {

class ComponentEvents : public ArchiveEvents {
public:
    // The member list has been read in full; the handler may read it.
    virtual void directoryUpdated() = 0;
};

// Passes every event on to `next`; a subclass overrides what it answers itself.
class ForwardingEvents : public ComponentEvents {
public:
    explicit ForwardingEvents(ComponentEvents &next) : next_(next) {}

    void progress(ProgressType type, const std::string &name, int64_t size) override
    {
        next_.progress(type, name, size);
    }
    void readProgress(int64_t members, int64_t done, int64_t total) override
    {
        next_.readProgress(members, done, total);
    }
    void membersRead(std::span<const ArchiveEntry> members) override { next_.membersRead(members); }
    void message(int code, const std::string &text) override { next_.message(code, text); }
    void notice(const std::string &text) override { next_.notice(text); }
    PasswordAnswer password(const std::string &member, int attempt, std::string &password) override
    {
        return next_.password(member, attempt, password);
    }
    bool stopRequested() const override { return next_.stopRequested(); }
    void directoryUpdated() override { next_.directoryUpdated(); }

protected:
    ComponentEvents &next() { return next_; }

private:
    ComponentEvents &next_;
};

}  // namespace orvex
