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

std::string printableText(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const uint8_t c = uint8_t(text[i]);
        if (c < 0x80) {
            shown += c < 0x20 || c == 0x7F ? '?' : char(c);
            ++i;
            continue;
        }
        const size_t length = utf8SequenceLength(text, i);
        if (length == 0) {
            // A lone byte: 0x80-0x9F are C1 controls to a terminal that reads Latin-1.
            shown += c < 0xA0 ? '?' : char(c);
            ++i;
            continue;
        }
        char32_t code = length == 2 ? c & 0x1F : length == 3 ? c & 0x0F : c & 0x07;
        for (size_t k = 1; k < length; ++k)
            code = (code << 6) | (uint8_t(text[i + k]) & 0x3F);
        const bool hidden = code <= 0x9F || code == 0x2028 || code == 0x2029 || (code >= 0x202A && code <= 0x202E)
                            || (code >= 0x2066 && code <= 0x2069);
        if (hidden)
            shown += '?';
        else
            shown.append(text.substr(i, length));
        i += length;
    }
    return shown;
}

std::string unsafeSourceName(std::string_view name)
{
    if (name.find('\0') != std::string_view::npos)
        return "it contains a NUL byte";
    const auto separator = [](char c) { return c == '/' || c == '\\'; };
    const bool drive = name.size() >= 3 && ((name[0] | 0x20) >= 'a' && (name[0] | 0x20) <= 'z') && name[1] == ':'
                       && separator(name[2]);
    if ((!name.empty() && separator(name[0])) || drive)
        return "it is an absolute path";
    size_t at = 0;
    while (at <= name.size()) {
        size_t end = at;
        while (end < name.size() && !separator(name[end]))
            ++end;
        if (name.substr(at, end - at) == "..")
            return "it has a \"..\" component";
        at = end + 1;
    }
    return {};
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
