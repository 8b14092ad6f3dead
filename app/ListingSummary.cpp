#include "app/ListingSummary.h"

#include <cmath>

namespace {

bool isFolder(const ArchiveEntry &entry)
{
    return !entry.FileName.empty() && entry.FileName.back() == '/';
}

QString counted(int64_t count, const char *one, const char *many, const QLocale &locale)
{
    return locale.toString(qlonglong(count)) + QLatin1Char(' ') + QLatin1String(count == 1 ? one : many);
}

}  // namespace

QString summaryText(const orvex::ListingCounts &counts, const QLocale &locale)
{
    QString text = counted(counts.members, "member", "members", locale) + QStringLiteral(", ")
                   + counted(counts.folders, "folder", "folders", locale) + QStringLiteral(", ")
                   + locale.formattedDataSize(qint64(counts.size), 1, QLocale::DataSizeTraditionalFormat);
    if (counts.packedKnown)
        text += QStringLiteral(" (")
                + locale.formattedDataSize(qint64(counts.packed), 1, QLocale::DataSizeTraditionalFormat)
                + QStringLiteral(" packed)");
    return text;
}

QString ratioText(const ArchiveEntry &entry)
{
    if (isFolder(entry) || !entry.PackedSizeKnown || !entry.UnpackedSizeKnown || entry.TrueUnpackedSize == 0)
        return {};
    return QString::number(std::llround(100.0 * double(entry.TruePackedSize) / double(entry.TrueUnpackedSize)));
}
