#pragma once
// Member names are paths with '/' between their components.

#include <string_view>
#include <vector>

namespace zipformat {

// The components of `path`, split on '/', with empty and "." components
// dropped ("./a//b/" gives "a", "b"). ".." is kept: what it means is the
// caller's rule.
std::vector<std::string_view> nameComponents(std::string_view path);

}  // namespace zipformat
