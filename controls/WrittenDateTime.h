#pragma once
// Reading back the date-time and time texts the program writes itself, with
// the very regional patterns that wrote them.

#include "controls/ConversionSettings.h"

#include <QStringView>

namespace gridlogic::detail {

// The text as the program writes a date with a time, or a date alone.
bool readWrittenDateTime(QStringView text, const ConversionSettings &settings, double *days);

// The text as the program writes a time of day.
bool readWrittenTime(QStringView text, const ConversionSettings &settings, double *days);

}  // namespace gridlogic::detail
