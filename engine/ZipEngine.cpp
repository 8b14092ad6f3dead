#include "engine/ZipEngine.h"

#include "engine/ArchiveDirectoryReader.h"

#include <stdexcept>

TZipEngine::TZipEngine() = default;

TZipEngine::~TZipEngine() = default;

const std::string &TZipEngine::ZipFilename() const
{
    return zipFilename_;
}

void TZipEngine::setZipFilename(const std::string &name)
{
    zipFilename_ = name;
    ReadDirectory();
}

void TZipEngine::ReadDirectory()
{
    entries_.clear();
    if (!orvex::ArchiveDirectoryReader::archiveExists(zipFilename_))
        return;
    // The reader has closed the file by the time it returns, so a handler may
    // open the archive itself.
    orvex::ArchiveDirectoryReader::read(zipFilename_, entries_);
    if (OnDirUpdate)
        OnDirUpdate(*this);
}

int TZipEngine::EntryCount() const
{
    return zipFilename_.empty() ? 0 : int(entries_.size());
}

const ArchiveEntry &TZipEngine::Entries(int index) const
{
    if (index < 0 || index >= EntryCount())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return entries_[size_t(index)];
}
