#include "engine/zipformat/DosTime.h"

#include <ctime>

namespace zipformat {

bool DosFields::validDate() const
{
    if (month < 1 || month > 12 || day < 1)
        return false;
    static constexpr int Days[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && day == 29)
        return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return day <= Days[month - 1];
}

bool DosFields::validTime() const
{
    return hour < 24 && minute < 60 && second < 60;
}

DosFields decodeDosFields(DosDateTime dos)
{
    DosFields f;
    f.year = 1980 + (dos.date >> 9);
    f.month = (dos.date >> 5) & 0x0F;
    f.day = dos.date & 0x1F;
    f.hour = dos.time >> 11;
    f.minute = (dos.time >> 5) & 0x3F;
    f.second = (dos.time & 0x1F) * 2;
    return f;
}

std::optional<int64_t> dosToUnixTime(DosDateTime dos)
{
    const DosFields f = decodeDosFields(dos);
    struct tm local {};
    local.tm_year = f.year - 1900;
    local.tm_mon = f.month - 1;
    local.tm_mday = f.day;
    local.tm_hour = f.hour;
    local.tm_min = f.minute;
    local.tm_sec = f.second;
    local.tm_isdst = -1;
    const time_t seconds = mktime(&local);
    if (seconds == time_t(-1))
        return std::nullopt;
    return int64_t(seconds);
}

DosDateTime unixTimeToDos(int64_t unixTime)
{
    const time_t rounded = time_t(unixTime + (unixTime & 1));
    struct tm local {};
    if (!localtime_r(&rounded, &local) || local.tm_year < 80)
        return {0, (0 << 9) | (1 << 5) | 1};
    if (local.tm_year > 207)
        return {(23 << 11) | (59 << 5) | 29, (127 << 9) | (12 << 5) | 31};
    DosDateTime dos;
    dos.time = uint16_t((local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2));
    dos.date = uint16_t(((local.tm_year - 80) << 9) | ((local.tm_mon + 1) << 5) | local.tm_mday);
    return dos;
}

}  // namespace zipformat
