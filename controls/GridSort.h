#pragma once
// Sorting of a grid column without the grid: which comparison fits a column,
// how two entries compare, and the order of all entries.

#include "controls/CellConversion.h"
#include "controls/SortTypes.h"

#include <QStringList>

#include <vector>

namespace gridlogic {

// smNumber when every text converts as a number, else smDateTime when every
// text converts as a date-time, else smTime when every text converts as a
// time, else smText. Each kind is dropped at its first failure.
TSortMode DetectSortMode(const QStringList &texts, const ConversionSettings &settings);

// Only the letters a to z change.
QString UpperCaseAscii(const QString &text);

// Byte order of the UTF-8 forms, a proper prefix first: -1, 0 or +1.
int CompareTextBytes(const QString &a, const QString &b);

// The comparison of one sort: the mode's result, a failed conversion of
// either text counting as equal; equal keys are ordered by SourceRow, which
// the sort order never inverts. Texts are compared as given; SortEntries
// upper-cases them first when the options ask for it.
int CompareEntries(const TSortedListEntry &a, const TSortedListEntry &b, const TSortOptions &options,
                   const ConversionSettings &settings);

// Sorts the entries with that comparison. When the options are not case
// sensitive, every entry's Text is upper-cased (a to z) first, and that is
// what a smUser Compare function sees. Since ties are broken by SourceRow,
// the outcome is the stable order. An exception of a Compare function passes
// through and leaves the entries in their input order.
void SortEntries(std::vector<TSortedListEntry> &entries, const TSortOptions &options,
                 const ConversionSettings &settings);

}  // namespace gridlogic
