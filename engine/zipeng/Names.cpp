#include "engine/zipeng/Names.h"

#include "engine/zipformat/Utf8.h"

#include <algorithm>
#include <ctime>
#include <vector>

namespace zipeng {

using zipformat::utf8SequenceLength;

std::string relativeName(std::string_view path)
{
    std::vector<std::string_view> parts;
    size_t at = 0;
    while (at <= path.size()) {
        size_t end = path.find('/', at);
        if (end == std::string_view::npos)
            end = path.size();
        const std::string_view part = path.substr(at, end - at);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        at = end + 1;
    }
    std::string name;
    for (const std::string_view part : parts) {
        if (!name.empty())
            name += '/';
        name += part;
    }
    return name;
}

std::string_view lastComponent(std::string_view name)
{
    const size_t slash = name.rfind('/');
    return slash == std::string_view::npos ? name : name.substr(slash + 1);
}

namespace {


bool refusedByDos(char c)
{
    if (uint8_t(c) < 0x20 || c == 0x7F)
        return true;
    switch (c) {
    case ' ': case '"': case '*': case '+': case ',': case ':': case ';':
    case '<': case '=': case '>': case '?': case '[': case ']': case '|': case '\\':
        return true;
    default:
        return false;
    }
}

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

std::string dosComponent(std::string_view component)
{
    std::string kept;
    for (size_t i = 0; i < component.size();) {
        const char c = component[i];
        if (uint8_t(c) >= 0x80) {
            const size_t length = utf8SequenceLength(component, i);
            kept += '_';
            i += length ? length : 1;
            continue;
        }
        if (!refusedByDos(c))
            kept += upper(c);
        ++i;
    }
    const size_t start = kept.find_first_not_of('.');
    if (start == std::string::npos)
        return "_";
    const std::string_view rest = std::string_view(kept).substr(start);
    const size_t dot = rest.find('.');
    if (dot == std::string_view::npos)
        return std::string(rest.substr(0, 8));
    std::string_view extension = rest.substr(dot + 1);
    extension = extension.substr(0, extension.find('.'));
    return std::string(rest.substr(0, std::min<size_t>(dot, 8))) + '.' + std::string(extension.substr(0, 3));
}

}  // namespace

std::string dosName(std::string_view name)
{
    std::string result;
    size_t at = 0;
    while (at < name.size()) {
        size_t end = name.find('/', at);
        const bool last = end == std::string_view::npos;
        if (last)
            end = name.size();
        if (!result.empty())
            result += '/';
        result += dosComponent(name.substr(at, end - at));
        at = end + 1;
    }
    return result;
}

bool isAscii(std::string_view text)
{
    for (const char c : text)
        if (uint8_t(c) >= 0x80)
            return false;
    return true;
}

bool isUtf8(std::string_view text)
{
    for (size_t i = 0; i < text.size();) {
        const size_t length = utf8SequenceLength(text, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

DosDateTime toDosDateTime(int64_t unixTime)
{
    const time_t rounded = time_t(unixTime + (unixTime & 1));
    struct tm local {};
    if (!localtime_r(&rounded, &local) || local.tm_year < 80)
        return {0, (0 << 9) | (1 << 5) | 1};               // 1980-01-01 00:00:00
    if (local.tm_year > 207)
        return {(23 << 11) | (59 << 5) | 29, (127 << 9) | (12 << 5) | 31};
    DosDateTime dos;
    dos.time = uint16_t((local.tm_hour << 11) | (local.tm_min << 5) | (local.tm_sec / 2));
    dos.date = uint16_t(((local.tm_year - 80) << 9) | ((local.tm_mon + 1) << 5) | local.tm_mday);
    return dos;
}

int64_t fromDosDateTime(DosDateTime dos)
{
    struct tm local {};
    local.tm_year = ((dos.date >> 9) & 0x7F) + 80;
    local.tm_mon = ((dos.date >> 5) & 0x0F) - 1;
    local.tm_mday = dos.date & 0x1F;
    local.tm_hour = (dos.time >> 11) & 0x1F;
    local.tm_min = (dos.time >> 5) & 0x3F;
    local.tm_sec = (dos.time & 0x1F) * 2;
    local.tm_isdst = -1;
    return int64_t(mktime(&local));
}

}  // namespace zipeng
