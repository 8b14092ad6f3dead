#include "engine/zipformat/RenamePlan.h"

#include "engine/common/SafeNames.h"

#include <unordered_map>
#include <unordered_set>

namespace zipformat {

namespace {

constexpr size_t MaxNameLength = 0xFFFF;

bool isFolder(std::string_view name)
{
    return !name.empty() && name.back() == '/';
}

std::string quoted(std::string_view name)
{
    return "\"" + std::string(name) + "\"";
}

}  // namespace

std::string refusedNewName(std::string_view name)
{
    if (name.size() > MaxNameLength)
        return "the name is longer than a ZIP header can hold";
    // The extraction reads '\' as a separator: the member would land in a
    // folder its name does not show.
    if (name.find('\\') != std::string_view::npos)
        return "the name contains '\\', which extraction reads as a folder separator";
    const common::SafeName safe =
        common::safeName(name, {.backslashSeparates = true, .stripRoot = false, .trailingSeparatorIsDirectory = true});
    if (safe.refused())
        return safe.refusal;
    // Other systems' extractors take "C:" for a drive.
    if (name.size() >= 2 && ((name[0] | 0x20) >= 'a' && (name[0] | 0x20) <= 'z') && name[1] == ':')
        return "the name is absolute";
    if (safe.components.empty())
        return "the name is empty";
    // What the extraction would write must be the name itself.
    if (safe.joined() + (safe.directory ? "/" : "") != name) {
        for (std::string_view rest = name; !rest.empty();) {
            const size_t slash = rest.find('/');
            const std::string_view part = rest.substr(0, slash);
            if (part == ".")
                return "the name has a \".\" component";
            if (slash == std::string_view::npos)
                break;
            rest.remove_prefix(slash + 1);
        }
        return "the name has an empty component";
    }
    return {};
}

RenamePlan planRename(const std::vector<std::string> &names, std::string_view from, std::string_view to)
{
    RenamePlan plan;
    const bool folder = isFolder(from);
    std::string target(to);
    if (folder && !isFolder(target))
        target += '/';
    auto refuse = [&](const std::string &why) {
        plan.renamed.clear();
        plan.refusal = "Cannot rename " + quoted(from) + " to " + quoted(target) + ": " + why;
        return plan;
    };
    if (!folder && isFolder(target))
        return refuse("a file's name cannot end in '/'");
    if (target == from)
        return plan;
    if (const std::string why = refusedNewName(target); !why.empty())
        return refuse(why);

    for (size_t i = 0; i < names.size(); ++i) {
        const std::string &name = names[i];
        if (folder ? name.starts_with(from) : name == from)
            plan.renamed.emplace_back(i, target + name.substr(from.size()));
    }
    if (plan.renamed.empty()) {
        plan.missing = true;
        return refuse(folder ? "no member is in that folder" : "no member has that name");
    }
    // A member's name below the folder is kept as it is after the new
    // prefix; it must be as safe as a name typed whole.
    for (const auto &[index, name] : plan.renamed)
        if (const std::string why = refusedNewName(name); !why.empty())
            return refuse(quoted(name) + ": " + why);

    // The names after the rename: no two members may share one, and no name
    // may be a file's and a folder's at once, or extraction would keep only
    // one of them.
    std::vector<const std::string *> after(names.size());
    for (size_t i = 0; i < names.size(); ++i)
        after[i] = &names[i];
    for (const auto &[index, name] : plan.renamed)
        after[index] = &name;
    std::unordered_map<std::string_view, size_t> holders;
    std::unordered_set<std::string_view> folders;  // every folder a name lies in, with its '/'
    for (const std::string *name : after) {
        ++holders[*name];
        for (size_t slash = name->find('/'); slash != std::string::npos; slash = name->find('/', slash + 1))
            folders.insert(std::string_view(*name).substr(0, slash + 1));
    }
    std::unordered_set<size_t> renamedIndices;
    for (const auto &[index, name] : plan.renamed)
        renamedIndices.insert(index);
    for (const auto &[index, name] : plan.renamed) {
        if (holders[name] > 1) {
            bool kept = false;
            for (size_t i = 0; i < names.size() && !kept; ++i)
                kept = !renamedIndices.count(i) && names[i] == name;
            return refuse(kept ? quoted(name) + " is already in the archive"
                               : "two members would be named " + quoted(name));
        }
        if (!isFolder(name) && folders.count(name + "/"))
            return refuse(quoted(name) + " would be the name of a file and of a folder");
        for (size_t slash = name.find('/'); slash != std::string::npos; slash = name.find('/', slash + 1)) {
            const std::string_view parent = std::string_view(name).substr(0, slash);
            if (holders.count(parent))
                return refuse(quoted(parent) + " would be the name of a file and of a folder");
        }
    }
    return plan;
}

}  // namespace zipformat
