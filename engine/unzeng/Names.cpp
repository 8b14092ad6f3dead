#include "engine/unzeng/Names.h"

#include "engine/zipformat/MemberName.h"

#include <cctype>

namespace unzeng {

std::string SafeName::joined(size_t count) const
{
    std::string out;
    for (size_t i = 0; i < count && i < components.size(); ++i) {
        if (i)
            out += '/';
        out += components[i];
    }
    return out;
}

SafeName sanitizeName(std::string_view stored)
{
    SafeName result;
    if (stored.find('\0') != std::string_view::npos) {
        result.refusal = "the name contains a NUL byte";
        return result;
    }
    std::string name(stored);
    for (char &c : name)
        if (c == '\\')
            c = '/';

    std::string_view rest(name);
    bool stripped = false;
    if (rest.size() >= 3 && std::isalpha(static_cast<unsigned char>(rest[0])) && rest[1] == ':' && rest[2] == '/') {
        rest.remove_prefix(2);
        stripped = true;
    }
    while (!rest.empty() && rest.front() == '/') {
        rest.remove_prefix(1);
        stripped = true;
    }
    if (stripped)
        result.warning = "stripped the absolute path prefix from " + std::string(stored);

    result.directory = !name.empty() && name.back() == '/';
    for (std::string_view part : zipformat::nameComponents(rest)) {
        if (part == "..") {
            result.components.clear();
            result.refusal = "the name leads outside the target directory";
            return result;
        }
        result.components.emplace_back(part);
    }
    if (result.components.empty() && !result.directory)
        result.refusal = "the name is empty";
    return result;
}

bool linkTargetStaysInside(std::string_view target, size_t depth)
{
    if (target.empty() || target.find('\0') != std::string_view::npos || target.front() == '/')
        return false;
    size_t ups = 0;
    bool named = false;
    for (std::string_view part : zipformat::nameComponents(target)) {
        if (part == "..") {
            if (named)
                return false;
            ++ups;
        } else {
            named = true;
        }
    }
    return ups <= depth;
}

}  // namespace unzeng
