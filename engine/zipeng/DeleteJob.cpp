#include "engine/zipeng/DeleteJob.h"

#include <fnmatch.h>

#include <string_view>
#include <unordered_map>
#include <vector>

namespace zipeng {

int32_t DeleteJob::run(const std::string &archive)
{
    if (old_.open(archive) == ExistingArchive::State::Missing) {
        report(MissingArchive, "Cannot delete from " + archive + ": no such archive");
        return 0;
    }
    // A argument that is a member's name deletes that member only, even
    // when the name holds '*', '?' or '[': the caller passes the names of
    // the members the user selected, and "a[1].txt" must not take "a1.txt"
    // with it. Otherwise it is a pattern matched against every member, '*'
    // also across '/'. A directory entry also answers to its name without
    // the trailing '/'.
    std::unordered_map<std::string_view, std::vector<size_t>> byName;
    for (size_t i = 0; i < old_.members.size(); ++i) {
        std::string_view name = old_.members[i].name;
        byName[name].push_back(i);
        if (old_.members[i].isDirectory() && name.size() > 1)
            byName[name.substr(0, name.size() - 1)].push_back(i);
    }
    std::vector<bool> doomed(old_.members.size());
    size_t doomedCount = 0;
    auto mark = [&](size_t i) {
        if (!doomed[i]) {
            doomed[i] = true;
            ++doomedCount;
        }
    };
    for (const std::string &arg : options_.args) {
        bool matched = false;
        if (const auto it = byName.find(arg); it != byName.end()) {
            for (size_t i : it->second)
                mark(i);
            matched = true;
        } else if (arg.find_first_of("*?[") != std::string::npos) {
            for (size_t i = 0; i < old_.members.size(); ++i) {
                const std::string &name = old_.members[i].name;
                if (::fnmatch(arg.c_str(), name.c_str(), 0) == 0
                    || (old_.members[i].isDirectory()
                        && ::fnmatch(arg.c_str(), name.substr(0, name.size() - 1).c_str(), 0) == 0)) {
                    mark(i);
                    matched = true;
                }
            }
        }
        if (!matched)
            report(NothingMatched, arg + " is not in the archive");
    }
    if (doomedCount == 0) {
        report(InfoCode, "Nothing to do: " + archive + " was left unchanged");
        return 0;
    }

    int32_t count = 0;
    openOutput(archive);
    for (size_t i = 0; i < old_.members.size(); ++i) {
        const ExistingMember &m = old_.members[i];
        if (!doomed[i]) {
            keepMember(m);
            continue;
        }
        beginFile(m.name, m.unpackedSize);
        verbose("deleting: " + m.name);
        // The count is of files: a folder's entry goes uncounted.
        count += m.isDirectory() ? 0 : 1;
    }
    finishOutput();
    reporter_.trace("Replaced " + archive);
    return count;
}

}  // namespace zipeng
