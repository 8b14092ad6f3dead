#include "app/ListingText.h"

#include "engine/zipformat/DosTime.h"
#include "platform/Locale.h"

#include <QCoreApplication>

// English as they are: orvexzip's listing prints them as the header line that
// scripts read. The marks let the window translate them where it shows them,
// with QCoreApplication::translate("listing_text", title).
QStringList listingTitles()
{
    return {QStringLiteral(QT_TRANSLATE_NOOP("listing_text", "File Name")),
            //: Column title: the compressed size
            QStringLiteral(QT_TRANSLATE_NOOP("listing_text", "Compr Size")),
            //: Column title: the uncompressed size
            QStringLiteral(QT_TRANSLATE_NOOP("listing_text", "Uncmpr Size")),
            QStringLiteral(QT_TRANSLATE_NOOP("listing_text", "Date/Time"))};
}

namespace {

struct DosFields {
    QDate date;
    QTime time;
};

DosFields dosFields(uint32_t dosDateTime)
{
    const zipformat::DosFields f =
        zipformat::decodeDosFields({uint16_t(dosDateTime & 0xFFFF), uint16_t(dosDateTime >> 16)});
    if (!f.validDate())
        throw EConvertError("Invalid argument to date encode");
    if (!f.validTime())
        throw EConvertError("Invalid argument to time encode");
    return {QDate(f.year, f.month, f.day), QTime(f.hour, f.minute, f.second)};
}

QString formatFields(const QDate &date, const QTime &time, const platform::RegionalSettings &settings)
{
    return platform::formatShortDate(date, settings) + QStringLiteral("  ") + platform::formatShortTime(time, settings);
}

}  // namespace

QDateTime dosDateTimeToDateTime(uint32_t dosDateTime)
{
    const DosFields fields = dosFields(dosDateTime);
    return QDateTime(fields.date, fields.time);
}

QString formatListingDateTime(const QDateTime &dateTime)
{
    return formatListingDateTime(dateTime, platform::RegionalSettings::current());
}

QString formatListingDateTime(const QDateTime &dateTime, const platform::RegionalSettings &settings)
{
    return formatFields(dateTime.date(), dateTime.time(), settings);
}

QString listingDateTimeText(uint32_t dosDateTime, const platform::RegionalSettings &settings)
{
    try {
        // The fields alone: a local QDateTime per row asks the C library
        // for the time zone every time, a file system look-up each.
        const DosFields fields = dosFields(dosDateTime);
        return formatFields(fields.date, fields.time, settings);
    } catch (const EConvertError &) {
        return QStringLiteral("?");
    }
}

QString listingName(const ArchiveEntry &entry)
{
    QString name = QString::fromStdString(entry.DisplayName());
    for (QChar &c : name)
        if (c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f' || c == QChar(0x85) || c == QChar(0x2028)
            || c == QChar(0x2029))
            c = u'?';
    return name;
}

QStringList listingRow(const ArchiveEntry &entry)
{
    return {listingName(entry), QString::number(entry.TruePackedSize), QString::number(entry.TrueUnpackedSize),
            listingDateTimeText(entry.DosDateTime(), platform::RegionalSettings::current())};
}

QString ListingCellTexts::size(uint64_t value)
{
    if (const auto found = sizes_.constFind(value); found != sizes_.cend())
        return *found;
    QString text = QString::number(value);
    if (sizes_.size() < Remembered)
        sizes_.insert(value, text);
    return text;
}

QString ListingCellTexts::dateTime(uint32_t dosDateTime)
{
    if (const auto found = dates_.constFind(dosDateTime); found != dates_.cend())
        return *found;
    QString text = listingDateTimeText(dosDateTime, settings_);
    if (dates_.size() < Remembered)
        dates_.insert(dosDateTime, text);
    return text;
}
