#include "engine/otherformats/SafePath.h"

namespace otherformats {

namespace {

std::vector<std::string_view> components(std::string_view path)
{
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        const size_t slash = path.find('/');
        const std::string_view part = path.substr(0, slash);
        if (!part.empty() && part != ".")
            parts.push_back(part);
        if (slash == std::string_view::npos)
            break;
        path.remove_prefix(slash + 1);
    }
    return parts;
}

}  // namespace

std::string OutputName::joined() const
{
    std::string out;
    for (const std::string &part : components) {
        if (!out.empty())
            out += '/';
        out += part;
    }
    return out;
}

OutputName outputName(std::string_view stored, bool directory)
{
    OutputName name;
    if (stored.find('\0') != std::string_view::npos)
        name.refusal = "the name contains a NUL byte";
    else if (!stored.empty() && stored.front() == '/')
        name.refusal = "the name is absolute";
    if (name.refused())
        return name;
    for (std::string_view part : components(stored)) {
        if (part == "..") {
            name.components.clear();
            name.refusal = "the name leads outside the target directory";
            return name;
        }
        name.components.emplace_back(part);
    }
    if (name.components.empty() && !directory)
        name.refusal = "the name is empty";
    return name;
}

bool linkStaysInside(std::string_view target, size_t depth)
{
    if (target.empty() || target.find('\0') != std::string_view::npos || target.front() == '/')
        return false;
    size_t ups = 0;
    bool named = false;
    for (std::string_view part : components(target)) {
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

}  // namespace otherformats
