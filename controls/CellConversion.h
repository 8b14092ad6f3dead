#pragma once
// The three regional conversions the grid uses to detect and compare column
// contents: a number, a date with an optional time, a time of day. Dates and
// times become day counts (days since 30 December 1899, the time of day as
// the fraction), so that both compare as plain numbers.

#include "controls/ConversionSettings.h"

#include <QStringView>

namespace gridlogic {

// Optional blanks, optional sign, digits with at most one regional decimal
// separator, optional exponent, optional blanks. Fails for empty or blank
// text and for magnitudes beyond the 80-bit floating-point range.
bool TextToNumber(QStringView text, const ConversionSettings &settings, long double *value = nullptr);

// A date-time as the program writes it: the regional short date, two blanks
// and the short time, or the short date alone, read with those very patterns
// (month names in any case, the locale's digits). Else two or three numbers
// in the regional date order, optionally followed by a time as TextToTime
// accepts it. A time alone fails. Two numbers mean the
// current year; a year below 100 is taken within 50 years of the current one.
// A separator may also end the date ("24. 1. 5.").
// Blanks may stand before each number and separator.
bool TextToDateTime(QStringView text, const ConversionSettings &settings, double *days = nullptr);

// The regional short time as written, or hours, optional minutes, optional
// seconds, optional AM/PM marker (the
// regional one or the letters AM/PM in any case, before or after the time).
bool TextToTime(QStringView text, const ConversionSettings &settings, double *days = nullptr);

}  // namespace gridlogic
