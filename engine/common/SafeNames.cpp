#include "engine/common/SafeNames.h"

#include <algorithm>
#include <cstddef>

namespace common {

namespace {

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

std::vector<std::string_view> pathComponents(std::string_view path)
{
    std::vector<std::string_view> parts;
    size_t at = 0;
    while (at <= path.size()) {
        size_t end = path.find('/', at);
        if (end == std::string_view::npos)
            end = path.size();
        const std::string_view part = path.substr(at, end - at);
        if (!part.empty() && part != ".")
            parts.push_back(part);
        at = end + 1;
    }
    return parts;
}

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

SafeName safeName(std::string_view stored, const NameRules &rules, bool directory)
{
    SafeName result;
    if (stored.find('\0') != std::string_view::npos) {
        result.refusal = "the name contains a NUL byte";
        return result;
    }
    std::string name(stored);
    if (rules.backslashSeparates)
        for (char &c : name)
            if (c == '\\')
                c = '/';

    std::string_view rest(name);
    const bool drive = rest.size() >= 3 && isAsciiLetter(rest[0]) && rest[1] == ':' && rest[2] == '/';
    if (!rest.empty() && (rest.front() == '/' || (drive && rules.stripRoot))) {
        if (!rules.stripRoot) {
            result.refusal = "the name is absolute";
            return result;
        }
        rest.remove_prefix(drive ? 2 : 0);
        while (!rest.empty() && rest.front() == '/')
            rest.remove_prefix(1);
        result.warning = "stripped the absolute path prefix from " + std::string(stored);
    }

    result.directory = directory || (rules.trailingSeparatorIsDirectory && !name.empty() && name.back() == '/');
    for (std::string_view part : pathComponents(rest)) {
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

bool linkStaysInside(std::string_view target, size_t depth)
{
    if (target.empty() || target.find('\0') != std::string_view::npos || target.front() == '/')
        return false;
    size_t ups = 0;
    bool named = false;
    for (std::string_view part : pathComponents(target)) {
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

SafeName baseFolderName(std::string_view folder, NameRules rules)
{
    rules.stripRoot = false;
    SafeName name = safeName(folder, rules, true);
    if (name.refused())
        name.refusal = "the folder " + std::string(folder) + " cannot be extracted from: " + name.refusal;
    return name;
}

bool placeUnder(SafeName &name, const std::vector<std::string> &base)
{
    if (base.empty() || name.components.size() < base.size()
        || !std::equal(base.begin(), base.end(), name.components.begin()))
        return true;
    if (name.components.size() == base.size())
        return !name.directory;  // a file named as the folder is not in it
    name.components.erase(name.components.begin(), name.components.begin() + std::ptrdiff_t(base.size()));
    return true;
}

std::string folderNameProblem(std::string_view folder)
{
    if (folder.find('\0') != std::string_view::npos)
        return "the folder's name contains a NUL byte";
    const std::string quoted = "the folder \"" + std::string(folder) + "\" ";
    if (folder.find('\\') != std::string_view::npos)
        return quoted + "contains '\\'; folders are separated by '/'";
    if (!folder.empty() && folder.front() == '/')
        return quoted + "is absolute; it must be relative to the archive's top";
    if (!folder.empty() && folder.back() == '/')
        folder.remove_suffix(1);
    size_t at = 0;
    while (!folder.empty() && at <= folder.size()) {
        size_t end = folder.find('/', at);
        if (end == std::string_view::npos)
            end = folder.size();
        const std::string_view part = folder.substr(at, end - at);
        if (part.empty() || part == "." || part == "..")
            return quoted + "has an empty, \".\" or \"..\" component";
        at = end + 1;
    }
    return {};
}

std::string nameInFolder(std::string_view folder, std::string_view name)
{
    std::string joined(folder);
    if (!joined.empty() && joined.back() != '/')
        joined += '/';
    return joined += name;
}

}  // namespace common
