#pragma once
// The error the archive component raises; its message is shown to the user.

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

class EZipError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A read of the member list stopped by a cancel request. Nothing the
// component held was changed.
class EReadCancelled : public EZipError {
public:
    using EZipError::EZipError;
};

// A listing that passed over entries: the message names the first, and
// `passedOver` says each, for a caller that shows them all.
class EEntriesPassedOver : public EZipError {
public:
    EEntriesPassedOver(const std::string &message, std::vector<std::string> each)
        : EZipError(message), passedOver(std::move(each))
    {
    }
    std::vector<std::string> passedOver;
};

// Said when a handler of the component's events failed during a call: the
// call was stopped there.
inline constexpr const char *FatalLibraryErrorText = "Fatal DLL Error: abort exception";
