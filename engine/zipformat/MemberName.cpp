#include "engine/zipformat/MemberName.h"

namespace zipformat {

std::vector<std::string_view> nameComponents(std::string_view path)
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

}  // namespace zipformat
