#include "app/PropertiesCommand.h"

#include "app/Session.h"
#include "dialogs/PropertiesForm.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <climits>

namespace archive_properties {

namespace {

QString unknown()
{
    return QCoreApplication::translate("archive_properties", "unknown");
}

// A count as the translation's plural forms take it: a larger one keeps its
// last six digits, which are what the plural rules look at, above one.
int pluralCount(uint64_t count)
{
    return count <= uint64_t(INT_MAX) ? int(count) : int(count % 1000000 + 1000000);
}

QString sizeText(uint64_t bytes, const QLocale &locale)
{
    const int n = pluralCount(bytes);
    //: A size in bytes; %1 is the number in the user's digits
    const QString exact = (bytes == 1 ? QCoreApplication::translate("archive_properties", "%1 byte", nullptr, n)
                                      : QCoreApplication::translate("archive_properties", "%1 bytes", nullptr, n))
                              .arg(locale.toString(qulonglong(bytes)));
    if (bytes < 1024)
        return exact;
    // The 1024-based units with the names people read ("MB"), one decimal.
    //: A size in units ("4.5 MB"), then in bytes
    return QCoreApplication::translate("archive_properties", "%1 (%2)")
        .arg(locale.formattedDataSize(qint64(bytes), 1, QLocale::DataSizeTraditionalFormat), exact);
}

QString countText(uint64_t count, const QLocale &locale)
{
    return locale.toString(qulonglong(count));
}

}  // namespace

QString pathLabel()
{
    return QCoreApplication::translate("archive_properties", "Path");
}

std::vector<std::pair<QString, QString>> rows(const orvex::ArchiveSummary &s, const QLocale &locale)
{
    QStringList methods;
    for (const std::string &method : s.methods)
        methods << QString::fromStdString(method);
    //: No split parts, no comment
    QString parts = QCoreApplication::translate("archive_properties", "none");
    if (!s.splitParts.empty()) {
        QStringList names;
        for (const std::string &name : s.splitParts)
            names << QString::fromStdString(name);
        //: The number of split parts, then their file names
        parts = QCoreApplication::translate("archive_properties", "%1 (%2)")
                    .arg(countText(s.splitParts.size(), locale), names.join(QStringLiteral(", ")));
    }
    const std::optional<double> ratio = s.ratio();
    return {
        {QCoreApplication::translate("archive_properties", "Format"), QString::fromStdString(s.format)},
        // Another format's compression is in its name.
        {QCoreApplication::translate("archive_properties", "Compression"),
         //: The compression of a format whose name says it ("tar.gz")
         methods.isEmpty() ? QCoreApplication::translate("archive_properties", "as the format says")
                           : methods.join(QStringLiteral(", "))},
        {QCoreApplication::translate("archive_properties", "Size on disk"), sizeText(s.sizeOnDisk, locale)},
        {QCoreApplication::translate("archive_properties", "Packed size"),
         s.packedSizeKnown ? sizeText(s.packedSize, locale) : unknown()},
        {QCoreApplication::translate("archive_properties", "Unpacked size"),
         s.unpackedSizeKnown ? sizeText(s.unpackedSize, locale) : unknown()},
        {QCoreApplication::translate("archive_properties", "Ratio (packed / unpacked)"),
         //: A percentage; %1 is the number
         ratio ? QCoreApplication::translate("archive_properties", "%1%").arg(locale.toString(*ratio * 100, 'f', 1))
               : unknown()},
        {QCoreApplication::translate("archive_properties", "Files"), countText(s.files, locale)},
        {QCoreApplication::translate("archive_properties", "Folders"), countText(s.folders, locale)},
        {QCoreApplication::translate("archive_properties", "Encrypted members"), countText(s.encrypted, locale)},
        {QCoreApplication::translate("archive_properties", "Split parts"), parts},
        {QCoreApplication::translate("archive_properties", "Comment"),
         s.hasComment ? QCoreApplication::translate("archive_properties", "yes")
                      : QCoreApplication::translate("archive_properties", "none")},
        {pathLabel(), QFile::decodeName(QByteArray::fromStdString(s.path))},
    };
}

void show(const ArchiveSession &session, QWidget *parent)
{
    auto *form = new PropertiesForm(rows(orvex::summarizeArchive(session.engine), QLocale()), pathLabel(), parent);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->open();
}

}  // namespace archive_properties
