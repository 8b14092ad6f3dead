#include "app/ListingSummary.h"

#include <cmath>
#include <string_view>
#include <unordered_set>

namespace {

bool isFolder(const ArchiveEntry &entry)
{
    return !entry.FileName.empty() && entry.FileName.back() == '/';
}

void countEntry(ListingCounts &counts, const ArchiveEntry &entry)
{
    if (isFolder(entry)) {
        ++counts.folders;
        return;
    }
    ++counts.members;
    if (entry.UnpackedSizeKnown)
        counts.size += entry.TrueUnpackedSize;
    if (entry.PackedSizeKnown)
        counts.packed += entry.TruePackedSize;
    else
        counts.packedUnknown = true;
}

QString counted(int64_t count, const char *one, const char *many, const QLocale &locale)
{
    return locale.toString(qlonglong(count)) + QLatin1Char(' ') + QLatin1String(count == 1 ? one : many);
}

}  // namespace

ListingCounts countArchive(const std::vector<ArchiveEntry> &entries)
{
    ListingCounts counts;
    // Folders by their names, so that one with an entry of its own and
    // members under it counts once.
    std::unordered_set<std::string_view> folders;
    for (const ArchiveEntry &entry : entries) {
        countEntry(counts, entry);
        const std::string_view name = entry.FileName;
        for (size_t slash = name.find('/'); slash != std::string_view::npos; slash = name.find('/', slash + 1))
            if (slash > 0)
                folders.insert(name.substr(0, slash + 1));
    }
    counts.folders = int64_t(folders.size());
    return counts;
}

ListingCounts countChosen(const std::vector<ArchiveEntry> &entries, const std::vector<int> &indices)
{
    ListingCounts counts;
    for (const int index : indices)
        if (index >= 0 && size_t(index) < entries.size())
            countEntry(counts, entries[size_t(index)]);
    return counts;
}

QString summaryText(const ListingCounts &counts, const QLocale &locale)
{
    QString text = counted(counts.members, "member", "members", locale) + QStringLiteral(", ")
                   + counted(counts.folders, "folder", "folders", locale) + QStringLiteral(", ")
                   + locale.formattedDataSize(qint64(counts.size), 1, QLocale::DataSizeTraditionalFormat);
    if (!counts.packedUnknown)
        text += QStringLiteral(" (")
                + locale.formattedDataSize(qint64(counts.packed), 1, QLocale::DataSizeTraditionalFormat)
                + QStringLiteral(" packed)");
    return text;
}

QString ratioText(const ArchiveEntry &entry)
{
    if (isFolder(entry) || !entry.PackedSizeKnown || !entry.UnpackedSizeKnown || entry.TrueUnpackedSize == 0)
        return {};
    const double saved = 100.0 * (1.0 - double(entry.TruePackedSize) / double(entry.TrueUnpackedSize));
    return QString::number(std::lround(saved));
}
