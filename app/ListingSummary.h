#pragma once
// What the status bar says of the members listed and of those selected:
// "12 members, 3 folders, 4.5 MB (1.2 MB packed)"; and the Ratio column.

#include "engine/ArchiveSummary.h"

#include <QLocale>
#include <QString>
#include <cstdint>
#include <vector>

// "1 member, 0 folders, 12.0 KB (4.1 KB packed)", sizes in the locale's
// digits and separators.
QString summaryText(const orvex::ListingCounts &counts, const QLocale &locale = QLocale());

// The Ratio column: the packed size as a share of the size, in whole percent
// ("38"; "103" when it grew), as Properties gives the archive's; empty for a
// folder, an empty member or a size that is not known. Digits alone, so that
// the column sorts as numbers.
QString ratioText(const ArchiveEntry &entry);
