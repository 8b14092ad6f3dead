#pragma once
// The text of the listing: shared by the main window's grid and `orvexzip list`,
// so that both show a member the same way.

#include "engine/ArchiveEntry.h"
#include "platform/Locale.h"

#include <QDateTime>
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

// Name, compressed size and uncompressed size: the cells that need no conversion.
QStringList listingTextsBeforeDate(const ArchiveEntry &entry);

// Name, compressed size, uncompressed size, date-time ("?" when impossible).
QStringList listingRow(const ArchiveEntry &entry);
