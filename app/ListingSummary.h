#pragma once
// What the status bar says of the members listed and of those selected:
// "12 members, 3 folders, 4.5 MB (1.2 MB packed)". Members are files and
// links; folders are the folder entries, and for a whole archive also the
// folders that exist only as parts of member names.

#include "engine/ArchiveEntry.h"

#include <QLocale>
#include <QString>
#include <cstdint>
#include <vector>

struct ListingCounts {
    int64_t members = 0;
    int64_t folders = 0;
    uint64_t size = 0;
    uint64_t packed = 0;
    // Some member's packed size is not known (a format that does not say):
    // the packed total is left out rather than shown short.
    bool packedUnknown = false;
};

// Every entry of an archive.
ListingCounts countArchive(const std::vector<ArchiveEntry> &entries);
// The entries at `indices` (rows chosen in the listing; -1 names none).
ListingCounts countChosen(const std::vector<ArchiveEntry> &entries, const std::vector<int> &indices);

// "1 member, 0 folders, 12.0 KB (4.1 KB packed)", sizes in the locale's
// digits and separators.
QString summaryText(const ListingCounts &counts, const QLocale &locale = QLocale());

// The Ratio column: how much of the member compression saved, in whole
// percent ("62"; "-3" when it grew); empty for a folder, an empty member or
// a size that is not known. Digits alone, so that the column sorts as numbers.
QString ratioText(const ArchiveEntry &entry);
