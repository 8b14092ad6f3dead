// Which reader reads an archive's entries: 7-Zip's program for a 7z when it
// is installed (it decrypts, and reads the filters libarchive does not),
// libarchive in the confined reader for everything else.
#include "engine/otherformats/ConfinedCursor.h"
#include "engine/otherformats/EntryCursor.h"
#include "engine/otherformats/SevenZipCursor.h"

namespace otherformats {

std::unique_ptr<EntryCursor> openCursor(const std::string &path, const ReadOptions &options, const DataWanted &wanted,
                                        Problem &problem)
{
    if (readBySevenZip(path)) {
        bool couldNotRun = false;
        auto cursor = SevenZipCursor::open(sevenZipProgram(), path, options, wanted, problem, &couldNotRun);
        // A 7zz that will not run here leaves the archive to libarchive.
        if (cursor || !couldNotRun)
            return cursor;
    }
    auto cursor = std::make_unique<ConfinedCursor>();
    if (!cursor->open(path, options, wanted, problem))
        return nullptr;
    return cursor;
}

}  // namespace otherformats
