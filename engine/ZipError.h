#pragma once
// The error the archive component raises; its message is shown to the user.

#include <stdexcept>

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

// Said when a handler of the component's events failed during a call: the
// call was stopped there.
inline constexpr const char *FatalLibraryErrorText = "Fatal DLL Error: abort exception";
