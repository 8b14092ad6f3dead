#include "app/ListingSummary.h"

#include <QCoreApplication>
#include <climits>
#include <cmath>

namespace {

bool isFolder(const ArchiveEntry &entry)
{
    return !entry.FileName.empty() && entry.FileName.back() == '/';
}

// A count as the translation's plural forms take it: a larger one keeps its
// last six digits, which are what the plural rules look at, above one.
int pluralCount(int64_t count)
{
    return count <= INT_MAX ? int(count) : int(count % 1000000 + 1000000);
}

QString sizeText(uint64_t size, const QLocale &locale)
{
    return locale.formattedDataSize(qint64(size), 1, QLocale::DataSizeTraditionalFormat);
}

}  // namespace

QString summaryText(const orvex::ListingCounts &counts, const QLocale &locale)
{
    const int members = pluralCount(counts.members);
    const int folders = pluralCount(counts.folders);
    // English has its one and its many as two texts; a language with more
    // forms gives them for the plural's text.
    //: Status bar; %1 is a number in the user's digits
    const QString memberText = members == 1
                                   ? QCoreApplication::translate("ListingSummary", "%1 member", nullptr, members)
                                   : QCoreApplication::translate("ListingSummary", "%1 members", nullptr, members);
    //: Status bar; %1 is a number in the user's digits
    const QString folderText = folders == 1
                                   ? QCoreApplication::translate("ListingSummary", "%1 folder", nullptr, folders)
                                   : QCoreApplication::translate("ListingSummary", "%1 folders", nullptr, folders);
    //: Status bar: members, folders, total size ("12 members, 3 folders, 4.5 MB")
    QString text = QCoreApplication::translate("ListingSummary", "%1, %2, %3")
                       .arg(memberText.arg(locale.toString(qlonglong(counts.members))),
                            folderText.arg(locale.toString(qlonglong(counts.folders))), sizeText(counts.size, locale));
    if (counts.packedKnown)
        //: Status bar: the summary, then the packed size ("12 members, 3 folders, 4.5 MB (1.2 MB packed)")
        text =
            QCoreApplication::translate("ListingSummary", "%1 (%2 packed)").arg(text, sizeText(counts.packed, locale));
    return text;
}

QString ratioText(const ArchiveEntry &entry)
{
    if (isFolder(entry) || !entry.PackedSizeKnown || !entry.UnpackedSizeKnown || entry.TrueUnpackedSize == 0)
        return {};
    return QString::number(std::llround(100.0 * double(entry.TruePackedSize) / double(entry.TrueUnpackedSize)));
}
