#pragma once
// Turning a stored member name into a path that stays inside the target
// directory, and checking symbolic-link targets. The rules are listed in
// Unzeng.h.

#include <string>
#include <string_view>
#include <vector>

namespace unzeng {

struct SafeName {
    std::vector<std::string> components;  // never empty, "." or ".."
    bool directory = false;               // the name ended with a separator
    std::string warning;                  // set when the name was changed to make it safe
    std::string refusal;                  // set when the member must not be extracted

    bool refused() const { return !refusal.empty(); }
    std::string joined(size_t count) const;
    std::string joined() const { return joined(components.size()); }
};

// An empty component list with no refusal means the name denotes the target
// directory itself ("/", "./").
SafeName sanitizeName(std::string_view stored);

// True when a link with this target, placed `depth` directories below the
// target directory, points inside it: relative, leading ".." only, no more
// of them than `depth`. Empty targets and NUL bytes are refused.
bool linkTargetStaysInside(std::string_view target, size_t depth);

}  // namespace unzeng
