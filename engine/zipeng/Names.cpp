#include "engine/zipeng/Names.h"

#include "engine/common/SafeNames.h"
#include "engine/zipformat/Utf8.h"

#include <algorithm>
#include <vector>

namespace zipeng {

using zipformat::utf8SequenceLength;

std::string relativeName(std::string_view path)
{
    std::vector<std::string_view> parts;
    for (const std::string_view part : common::pathComponents(path)) {
        if (part != "..")
            parts.push_back(part);
        else if (!parts.empty())
            parts.pop_back();
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
    case ' ':
    case '"':
    case '*':
    case '+':
    case ',':
    case ':':
    case ';':
    case '<':
    case '=':
    case '>':
    case '?':
    case '[':
    case ']':
    case '|':
    case '\\': return true;
    default: return false;
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

std::string unsafeSourceName(std::string_view name)
{
    // The extraction's own rule, `\` a separator as in ZIP names; but a
    // drive prefix, which the extraction strips, is refused here: other
    // systems' extractors take it for a root. A folder's name may be empty.
    const common::SafeName safe = common::safeName(name, {.backslashSeparates = true}, true);
    if (safe.refused())
        return safe.refusal;
    const bool drive = name.size() >= 3 && ((name[0] | 0x20) >= 'a' && (name[0] | 0x20) <= 'z') && name[1] == ':'
                       && (name[2] == '/' || name[2] == '\\');
    return drive ? "the name is absolute" : std::string();
}

bool isAscii(std::string_view text)
{
    for (const char c : text)
        if (uint8_t(c) >= 0x80)
            return false;
    return true;
}

}  // namespace zipeng
