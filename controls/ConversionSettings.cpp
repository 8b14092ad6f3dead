#include "controls/ConversionSettings.h"

#include <QDate>

namespace gridlogic {

ConversionSettings ConversionSettings::current()
{
    ConversionSettings s;
    s.regional = platform::RegionalSettings::current();
    s.currentYear = QDate::currentDate().year();
    return s;
}

}  // namespace gridlogic
