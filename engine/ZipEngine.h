#pragma once
// The archive component: the member list of the archive named by ZipFilename.

#include "engine/ArchiveEntry.h"
#include "engine/ZipError.h"

#include <functional>
#include <string>
#include <vector>

class TZipEngine {
public:
    TZipEngine();
    ~TZipEngine();
    TZipEngine(const TZipEngine &) = delete;
    TZipEngine &operator=(const TZipEngine &) = delete;

    const std::string &ZipFilename() const;
    // Stores the name, then reads the directory, also when the name is
    // unchanged or empty. Errors of the read reach the caller.
    void setZipFilename(const std::string &name);

    // Rebuilds the member list. Throws EZipError; the members met before the
    // failure stay listed. OnDirUpdate is raised only after a complete read,
    // once the archive file is closed again.
    void ReadDirectory();

    int EntryCount() const;                         // 0 whenever ZipFilename is empty
    const ArchiveEntry &Entries(int index) const;   // 0 <= index < EntryCount()

    std::function<void(TZipEngine &sender)> OnDirUpdate;

private:
    std::string zipFilename_;
    std::vector<ArchiveEntry> entries_;
};
