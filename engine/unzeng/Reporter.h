#pragma once
// Calls the caller's callback. Only the calling thread uses this.

#include "engine/zipformat/CallRecords.h"

#include <exception>
#include <string>

namespace unzeng {

class Reporter {
public:
    Reporter(EngineCallback callback, void *instance) : callback_(callback), instance_(instance) {}

    // Each returns false once the caller has asked to stop.
    bool fileBegin(const std::string &name, uint64_t size);
    bool step();
    bool message(int32_t code, const std::string &text);
    void batchEnd();

    bool cancelled() const { return cancelled_; }
    // What the callback threw, if it did; the entry point rethrows it.
    std::exception_ptr failure() const { return failure_; }

private:
    bool call(int32_t action, int32_t code, int32_t size, const std::string &text);

    EngineCallback callback_;
    void *instance_;
    bool cancelled_ = false;
    std::exception_ptr failure_;
};

}  // namespace unzeng
