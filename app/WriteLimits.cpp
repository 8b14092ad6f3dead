#include "app/WriteLimits.h"

#include "dialogs/AddForm.h"

#include <QCoreApplication>

namespace write_limits {

namespace {

QString encryptionRefusal(const QString &format)
{
    // tar has no encryption at all; 7z has, but not in the writer that makes it here.
    if (format == QLatin1String("tar") || format.startsWith(QLatin1String("tar.")))
        return QCoreApplication::translate("write_limits", "tar archives cannot be encrypted");
    if (format == QLatin1String("7z"))
        return QCoreApplication::translate("write_limits", "libarchive 3.6.2, which writes 7z here, cannot encrypt it");
    //: %1 is a format's name ("tar.gz", "7z")
    return QCoreApplication::translate("write_limits", "%1 archives cannot be encrypted here").arg(format);
}

}  // namespace

AddFormLimits limitsFor(const orvex::WriteAbilities &abilities)
{
    const QString format = QString::fromStdString(abilities.format);
    AddFormLimits limits;
    if (!abilities.encryption)
        limits.encryption = encryptionRefusal(format);
    if (!abilities.dosNames)
        //: %1 is a format's name ("tar.gz", "7z"); "DOS 8.3" names are short names of 8 letters and 3 for the extension
        limits.dosNames = QCoreApplication::translate("write_limits",
                                                      "A %1 archive keeps the names as they are: only ZIP archives "
                                                      "get DOS 8.3 names")
                              .arg(format);
    if (!abilities.archiveTime)
        //: %1 is a format's name ("tar.gz", "7z")
        limits.timestamp =
            QCoreApplication::translate("write_limits", "A %1 archive does not take the time of its newest member")
                .arg(format);
    return limits;
}

AddFormChoices keptChoices(AddFormChoices choices, const orvex::WriteAbilities &abilities)
{
    choices.forceDos = choices.forceDos && abilities.dosNames;
    choices.useTimestamp = choices.useTimestamp && abilities.archiveTime;
    return choices;
}

}  // namespace write_limits
