#include "support/ArchiveReading.h"

#include "engine/ZipEngine.h"

namespace ziptest {

std::vector<std::string> Listing::names() const
{
    std::vector<std::string> out;
    for (const auto &e : entries)
        out.push_back(e.FileName);
    return out;
}

Listing listArchive(const std::string &path)
{
    Listing listing;
    TZipEngine engine;
    engine.OnDirUpdate = [&](TZipEngine &) { ++listing.dirUpdates; };
    try {
        engine.setZipFilename(path);
    } catch (const EZipError &e) {
        listing.error = e.what();
    }
    for (int i = 0; i < engine.EntryCount(); ++i)
        listing.entries.push_back(engine.Entries(i));
    return listing;
}

}  // namespace ziptest
