#include "support/ArchiveReading.h"

#include "engine/ZipEngine.h"
#include "support/Files.h"

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
    TZipEngine engine;
    return listArchive(engine, path);
}

Listing listBytes(const std::string &bytes)
{
    TempDir dir;
    return listArchive(dir.write("listed.zip", bytes));
}

Listing listArchive(TZipEngine &engine, const std::string &path)
{
    Listing listing;
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
