#pragma once
// The DOS date and time fields of the headers: local time, 2-second steps,
// the years 1980 to 2107.

#include <cstdint>
#include <optional>

namespace zipformat {

struct DosDateTime {
    uint16_t time = 0;
    uint16_t date = 0;
    // One number that orders like the moment it stands for.
    uint32_t packed() const { return (uint32_t(date) << 16) | time; }
};

// The fields as they are stored; nothing checks that they name a real day
// or time of day.
struct DosFields {
    int year = 0;   // 1980 to 2107
    int month = 0;  // 1 to 12 in a sound stamp, but 0 to 15 can be stored
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;  // always even

    bool validDate() const;  // a day of the Gregorian calendar
    bool validTime() const;  // 00:00:00 to 23:59:58
};

DosFields decodeDosFields(DosDateTime dos);

// The Unix time of the stamp taken as local time. Out-of-range fields carry
// over as mktime() makes them (month 13 is January of the next year);
// nothing when mktime() cannot represent the result.
std::optional<int64_t> dosToUnixTime(DosDateTime dos);

// Local time in DOS form: odd seconds round up, and times outside the years
// the fields can hold are clamped to 1980-01-01 00:00:00 or 2107-12-31 23:59:58.
DosDateTime unixTimeToDos(int64_t unixTime);

}  // namespace zipformat
