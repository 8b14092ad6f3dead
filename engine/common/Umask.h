#pragma once

#include <sys/types.h>

namespace common {

// The process's umask, read without changing it: other threads of the
// caller may create files meanwhile and rely on it.
mode_t currentUmask();

}  // namespace common
