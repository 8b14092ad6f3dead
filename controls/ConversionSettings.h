#pragma once
// The regional settings and the year the grid's text conversions read.

#include "platform/Locale.h"

namespace gridlogic {

struct ConversionSettings {
    platform::RegionalSettings regional;
    int currentYear = 2000;  // completes two-number dates and two-digit years

    // The user's regional settings and today's year.
    static ConversionSettings current();
};

}  // namespace gridlogic
