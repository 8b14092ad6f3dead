#pragma once
// The events of an operation that runs outside the archive component (the
// conversion to ZIP) raised as the component's own: OnProgress, OnMessage,
// OnPassword, MessageSink, and its Cancel as the stop request. Each handler
// is read when the event comes, so that while the operation frame runs the
// work on its worker, the events travel to the window's thread exactly as
// the component's do (EngineWorker) and the same windows and boxes show them.

#include "engine/ArchiveEvents.h"
#include "engine/ZipEngine.h"

class ComponentEvents : public orvex::ArchiveEvents {
public:
    explicit ComponentEvents(TZipEngine &engine) : engine_(engine) {}

    void progress(ProgressType type, const std::string &name, int64_t size) override;
    void readProgress(int64_t members, int64_t done, int64_t total) override;
    void message(int code, const std::string &text) override;
    void notice(const std::string &text) override;
    orvex::PasswordAnswer password(const std::string &member, int attempt, std::string &password) override;
    bool stopRequested() const override;

private:
    TZipEngine &engine_;
};
