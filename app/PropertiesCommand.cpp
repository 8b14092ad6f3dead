#include "app/PropertiesCommand.h"

#include "app/Session.h"
#include "dialogs/PropertiesForm.h"

#include <QFile>
#include <QStringList>

namespace archive_properties {

namespace {

const QString Unknown = QStringLiteral("unknown");

QString sizeText(uint64_t bytes, const QLocale &locale)
{
    const QString exact =
        locale.toString(qulonglong(bytes)) + (bytes == 1 ? QStringLiteral(" byte") : QStringLiteral(" bytes"));
    if (bytes < 1024)
        return exact;
    // The 1024-based units with the names people read ("MB"), one decimal.
    return locale.formattedDataSize(qint64(bytes), 1, QLocale::DataSizeTraditionalFormat) + QStringLiteral(" (") + exact
           + QStringLiteral(")");
}

QString countText(uint64_t count, const QLocale &locale)
{
    return locale.toString(qulonglong(count));
}

}  // namespace

QString pathLabel()
{
    return QStringLiteral("Path");
}

std::vector<std::pair<QString, QString>> rows(const orvex::ArchiveSummary &s, const QLocale &locale)
{
    QStringList methods;
    for (const std::string &method : s.methods)
        methods << QString::fromStdString(method);
    QString parts = QStringLiteral("none");
    if (!s.splitParts.empty()) {
        QStringList names;
        for (const std::string &name : s.splitParts)
            names << QString::fromStdString(name);
        parts = countText(s.splitParts.size(), locale) + QStringLiteral(" (") + names.join(QStringLiteral(", "))
                + QStringLiteral(")");
    }
    const std::optional<double> ratio = s.ratio();
    return {
        {QStringLiteral("Format"), QString::fromStdString(s.format)},
        // Another format's compression is in its name.
        {QStringLiteral("Compression"),
         methods.isEmpty() ? QStringLiteral("as the format says") : methods.join(QStringLiteral(", "))},
        {QStringLiteral("Size on disk"), sizeText(s.sizeOnDisk, locale)},
        {QStringLiteral("Packed size"), s.packedSizeKnown ? sizeText(s.packedSize, locale) : Unknown},
        {QStringLiteral("Unpacked size"), s.unpackedSizeKnown ? sizeText(s.unpackedSize, locale) : Unknown},
        {QStringLiteral("Ratio (packed / unpacked)"),
         ratio ? locale.toString(*ratio * 100, 'f', 1) + QStringLiteral("%") : Unknown},
        {QStringLiteral("Files"), countText(s.files, locale)},
        {QStringLiteral("Folders"), countText(s.folders, locale)},
        {QStringLiteral("Encrypted members"), countText(s.encrypted, locale)},
        {QStringLiteral("Split parts"), parts},
        {QStringLiteral("Comment"), s.hasComment ? QStringLiteral("yes") : QStringLiteral("none")},
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
