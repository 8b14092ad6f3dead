// Which reader reads an archive's entries.
#include "engine/otherformats/ConfinedCursor.h"
#include "engine/otherformats/EntryCursor.h"

namespace otherformats {

std::unique_ptr<EntryCursor> openCursor(const std::string &path, const ReadOptions &options, const DataWanted &wanted,
                                        Problem &problem)
{
    auto cursor = std::make_unique<ConfinedCursor>();
    if (!cursor->open(path, options, wanted, problem))
        return nullptr;
    return cursor;
}

}  // namespace otherformats
