#include "app/ComponentEvents.h"

#include <algorithm>
#include <cstdint>

void ComponentEvents::progress(ProgressType type, const std::string &name, int64_t size)
{
    if (engine_.OnProgress)
        engine_.OnProgress(engine_, type, name, int32_t(std::clamp<int64_t>(size, 0, INT32_MAX)));
}

void ComponentEvents::readProgress(int64_t members, int64_t done, int64_t total)
{
    if (engine_.OnReadProgress)
        engine_.OnReadProgress(engine_, members, done, total);
}

void ComponentEvents::message(int code, const std::string &text)
{
    if (engine_.OnMessage)
        engine_.OnMessage(engine_, code, text);
}

void ComponentEvents::notice(const std::string &text)
{
    if (engine_.MessageSink)
        engine_.MessageSink(text);
}

orvex::PasswordAnswer ComponentEvents::password(const std::string &member, int attempt, std::string &password)
{
    if (!engine_.OnPassword)
        return orvex::PasswordAnswer::None;
    switch (engine_.OnPassword(member, attempt, password)) {
    case TZipEngine::PasswordAnswer::Given: return orvex::PasswordAnswer::Given;
    case TZipEngine::PasswordAnswer::None: return orvex::PasswordAnswer::None;
    case TZipEngine::PasswordAnswer::Cancel: break;
    }
    engine_.Cancel = true;  // the password box's Cancel ends the operation
    return orvex::PasswordAnswer::Cancel;
}

bool ComponentEvents::stopRequested() const
{
    return engine_.Cancel.load() || (engine_.CancelRequest && engine_.CancelRequest->load() != 0);
}
