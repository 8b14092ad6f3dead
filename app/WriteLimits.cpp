#include "app/WriteLimits.h"

#include "dialogs/AddForm.h"

namespace write_limits {

namespace {

QString encryptionRefusal(const QString &format)
{
    // tar has no encryption at all; 7z has, but not in the writer that makes it here.
    if (format == QLatin1String("tar") || format.startsWith(QLatin1String("tar.")))
        return QStringLiteral("tar archives cannot be encrypted");
    if (format == QLatin1String("7z"))
        return QStringLiteral("libarchive 3.6.2, which writes 7z here, cannot encrypt it");
    return QStringLiteral("%1 archives cannot be encrypted here").arg(format);
}

}  // namespace

AddFormLimits limitsFor(const orvex::WriteAbilities &abilities)
{
    const QString format = QString::fromStdString(abilities.format);
    AddFormLimits limits;
    if (!abilities.encryption)
        limits.encryption = encryptionRefusal(format);
    if (!abilities.dosNames)
        limits.dosNames = QStringLiteral("A %1 archive keeps the names as they are: only ZIP archives get DOS 8.3 "
                                         "names")
                              .arg(format);
    if (!abilities.archiveTime)
        limits.timestamp = QStringLiteral("A %1 archive does not take the time of its newest member").arg(format);
    return limits;
}

AddFormChoices keptChoices(AddFormChoices choices, const orvex::WriteAbilities &abilities)
{
    choices.forceDos = choices.forceDos && abilities.dosNames;
    choices.useTimestamp = choices.useTimestamp && abilities.archiveTime;
    return choices;
}

}  // namespace write_limits
