#pragma once
// The local time zone, read once at start for every thread.

namespace platform {

// Without TZ, glibc reads /etc/localtime again at every local time
// conversion, and frees and copies the zone's name each time: a member's
// time converted on a worker while the window converts one is then a race
// on that name, and a listing stats the file once per member. Naming the
// same file in TZ, and reading it before any thread starts, leaves every
// later conversion only comparing the name. A TZ the user set is kept.
// Called first thing, while the process has one thread.
void readTimeZoneOnce();

}  // namespace platform
