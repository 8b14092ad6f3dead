#pragma once
// The text of the listing: shared by the main window's grid and `orvexzip list`,
// so that both show a member the same way.

#include "engine/ArchiveEntry.h"
#include "platform/Locale.h"

#include <QDateTime>
#include <QHash>
#include <QStringList>
#include <cstdint>
#include <stdexcept>

class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "File Name", "Compr Size", "Uncmpr Size", "Date/Time".
QStringList listingTitles();

// A DOS date-time (date in the high half, time in the low half). Throws
// EConvertError "Invalid argument to date encode" for an impossible date,
// then "Invalid argument to time encode" for an impossible time of day.
QDateTime dosDateTimeToDateTime(uint32_t dosDateTime);

// Short date, two blanks, short time, in the user's regional settings.
QString formatListingDateTime(const QDateTime &dateTime);
QString formatListingDateTime(const QDateTime &dateTime, const platform::RegionalSettings &settings);

// The date cell of a DOS date-time: "?" for an impossible date or time, so
// that one bad stamp does not hide the rest of the listing.
QString listingDateTimeText(uint32_t dosDateTime, const platform::RegionalSettings &settings);

// The name a row shows: the member's display name with each line or
// paragraph break as '?', so that a name cannot take two lines of the grid.
QString listingName(const ArchiveEntry &entry);

// Name, compressed size, uncompressed size, date-time ("?" when impossible).
QStringList listingRow(const ArchiveEntry &entry);

// The size and date cells of many rows. Rows with the same size or stamp
// share one text: formatting a date is the costly part of a listing, and a
// shared text is stored once. The remembered texts are capped, so a listing
// of all different values costs no more than formatting each.
class ListingCellTexts {
public:
    explicit ListingCellTexts(platform::RegionalSettings settings) : settings_(std::move(settings)) {}
    QString size(uint64_t value);
    QString dateTime(uint32_t dosDateTime);

private:
    static constexpr qsizetype Remembered = 1 << 16;
    platform::RegionalSettings settings_;
    QHash<uint64_t, QString> sizes_;
    QHash<uint32_t, QString> dates_;
};
