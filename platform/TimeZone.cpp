#include "platform/TimeZone.h"

#include <cstdlib>
#include <ctime>

namespace platform {

void readTimeZoneOnce()
{
    ::setenv("TZ", ":/etc/localtime", 0);
    ::tzset();
}

}  // namespace platform
