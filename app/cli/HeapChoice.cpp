#include "app/cli/HeapChoice.h"

#include "engine/zipformat/ByteSource.h"
#include "engine/zipformat/CentralDirectory.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace cli {

namespace {

// The archive of a read-only command: its first operand. Only the options
// those commands give a value to are passed over with it; one it does not
// know here makes a wrong guess, which costs time, never a result.
std::optional<std::string> firstOperand(std::span<char *const> arguments)
{
    static constexpr std::array<std::string_view, 4> valued = {"--charset", "--password-file", "--to", "--base-folder"};
    bool optionsEnded = false;
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || !argument.starts_with("--"))
            return std::string(argument);
        if (argument == "--")
            optionsEnded = true;
        else if (std::find(valued.begin(), valued.end(), argument) != valued.end())
            ++i;
    }
    return std::nullopt;
}

bool holdsManyMembers(const std::string &archive)
{
    zipformat::PosixFile file;
    if (!file.open(archive) || !file.isRegularFile())
        return false;
    const std::optional<zipformat::CentralDirectoryLocation> location = zipformat::locateCentralDirectory(file);
    return location && std::min(location->entries, location->entryCapacity()) >= ManyMembers;
}

}  // namespace

bool wantsHugePageHeap(std::span<char *const> arguments)
{
    if (arguments.empty())
        return false;
    const std::string_view command = arguments[0];
    if (command != "list" && command != "test" && command != "extract")
        return command == "add" || command == "delete" || command == "convert";
    const std::optional<std::string> archive = firstOperand(arguments);
    return archive && holdsManyMembers(*archive);
}

}  // namespace cli
