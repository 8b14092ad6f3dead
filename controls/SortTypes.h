#pragma once
// Value types of the sortable grid that need no window: alignments, bevels,
// sort options and the sort record. Each enumeration is stored in one byte.

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

enum TCellBevelStyle : std::uint8_t { cbNone = 0, cbRaised = 1, cbLowered = 2 };
enum TVertAlignment : std::uint8_t { taTopJustify = 0, taBottomJustify = 1, taMiddle = 2 };
enum TAlignment : std::uint8_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
enum TSortMode : std::uint8_t { smDetect = 0, smText = 1, smNumber = 2, smDateTime = 3, smTime = 4, smUser = 5 };
enum TSortOrder : std::uint8_t { soAscending = 0, soDescending = 1 };

// Negative when the first text sorts before the second, 0 when equal,
// positive otherwise. A plain function pointer converts to it.
using TSortCompareFunc = std::function<int(const QString &, const QString &)>;

struct TSortOptions {
    TSortMode Mode = smDetect;
    TSortOrder Order = soAscending;
    bool CaseSensitive = false;
    TSortCompareFunc Compare;  // used only in mode smUser
};

// One data row as a sort sees it.
struct TSortedListEntry {
    QString Text;
    int SourceRow = 0;
};

// The entries of the last sort, in sorted order: entry i describes the row
// that stood at SourceRow before the sort and stands at FixedRows + i after.
class TSortedList {
public:
    int Count() const { return int(entries_.size()); }
    const TSortedListEntry &operator[](int i) const { return entries_[std::size_t(i)]; }
    TSortedListEntry &operator[](int i) { return entries_[std::size_t(i)]; }
    void Add(TSortedListEntry entry) { entries_.push_back(std::move(entry)); }
    void Reset() { std::vector<TSortedListEntry>().swap(entries_); }
    void Swap(TSortedList &other) noexcept { entries_.swap(other.entries_); }
    std::vector<TSortedListEntry> &Entries() { return entries_; }
    const std::vector<TSortedListEntry> &Entries() const { return entries_; }

private:
    std::vector<TSortedListEntry> entries_;
};
