#include "app/PlainWords.h"

#include "engine/common/MessageCode.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace plain_words {

namespace {

// The extraction library's reasons, by what they say, in the user's words.
// Only the words are translated: what the library says is matched as it is.
const struct {
    const char *says;
    const char *means;
} Reasons[] = {
    {"wrong password", QT_TRANSLATE_NOOP("plain_words", "the password given does not open it")},
    {"no password given", QT_TRANSLATE_NOOP("plain_words", "it is encrypted, and no password was given")},
    {"authentication failed", QT_TRANSLATE_NOOP("plain_words", "its encrypted data was changed after it was written")},
    {"unsupported compression method",
     QT_TRANSLATE_NOOP("plain_words", "it is compressed with a method this program cannot read")},
    {"strong encryption", QT_TRANSLATE_NOOP("plain_words", "it is encrypted in a way this program cannot read")},
    // libarchive's word for 7z and RAR encryption it cannot decrypt.
    {"encrypted: ", QT_TRANSLATE_NOOP("plain_words", "it is encrypted in a way this program cannot read")},
    {"bad crc", QT_TRANSLATE_NOOP("plain_words", "its data is damaged (it does not match its check sum)")},
    {"invalid ", QT_TRANSLATE_NOOP("plain_words", "its data is damaged")},
    {"cannot be decoded", QT_TRANSLATE_NOOP("plain_words", "its data is damaged")},
    {"ends too early", QT_TRANSLATE_NOOP("plain_words", "the archive ends before its data does")},
    {"was extracted to the same file", QT_TRANSLATE_NOOP("plain_words", "a member of the same name was extracted to "
                                                                        "that file first; extract with folder names "
                                                                        "to keep both")},
    {"outside the target directory",
     QT_TRANSLATE_NOOP("plain_words", "its name would put it outside the chosen folder")},
    {"no space left", QT_TRANSLATE_NOOP("plain_words", "the disk is full")},
    {"not enough free space", QT_TRANSLATE_NOOP("plain_words", "the disk is full")},
    {"permission denied", QT_TRANSLATE_NOOP("plain_words", "the chosen folder cannot be written to")},
    {"read-only file system", QT_TRANSLATE_NOOP("plain_words", "the chosen folder cannot be written to")},
    {"memory", QT_TRANSLATE_NOOP("plain_words", "there is not enough memory to extract it")},
    {"in the way", QT_TRANSLATE_NOOP("plain_words", "a folder of that name is in the way")},
};

}  // namespace

QString readErrorLine(const QString &error, const QString &archivePath, int membersListed)
{
    static const QRegularExpression numbered(QStringLiteral("^Error ([1-5]) reading Zip file$|^Error (6) reading Zip "
                                                            "file(: .*)?$"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = numbered.match(error);
    if (!match.hasMatch())
        return {};
    if (match.captured(1) == QLatin1String("1"))
        //: %1 is the archive's file name
        return QCoreApplication::translate("plain_words", "%1 is not a ZIP archive.")
            .arg(QFileInfo(archivePath).fileName());
    // The walk of the members' own headers met the directory at the end
    // without the record that says where it starts.
    if (match.captured(2) == QLatin1String("6"))
        return membersListed > 0
                   ? QCoreApplication::translate("plain_words",
                                                 "The archive's table of contents is damaged; the members listed "
                                                 "were found without it and can be tested and extracted.")
                   : QCoreApplication::translate("plain_words", "The archive's table of contents is damaged, and no "
                                                                "member could be found without it.");
    return membersListed > 0
               ? QCoreApplication::translate("plain_words", "The archive is damaged; the members listed could be read.")
               : QCoreApplication::translate("plain_words",
                                             "The archive is damaged; none of its members could be read.");
}

QString memberMessageLine(int errorCode, const QString &message)
{
    if (!unzeng::isMemberFailure(errorCode))
        return {};
    // "skipping NAME: REASON" or "NAME: REASON"; a message that starts with
    // what went wrong ("cannot open the target directory ...") names no member.
    QString text = message;
    if (text.startsWith(QLatin1String("skipping ")))
        text.remove(0, 9);
    else if (text.startsWith(QLatin1String("cannot ")))
        return {};
    const qsizetype colon = text.indexOf(QLatin1String(": "));
    if (colon <= 0)
        return {};
    const QString member = text.left(colon);
    const QString reason = text.mid(colon + 2);
    for (const auto &r : Reasons)
        if (reason.contains(QLatin1String(r.says), Qt::CaseInsensitive))
            //: A member's name and why it was not extracted (a reason in words, else the library's own message)
            return QCoreApplication::translate("plain_words", "%1: %2.")
                .arg(member, QCoreApplication::translate("plain_words", r.means));
    return QCoreApplication::translate("plain_words", "%1: %2.").arg(member, reason);
}

QString addMessageLine(const QString &message)
{
    static const QRegularExpression skipped(QStringLiteral("^Skipped directory (.*): without directory names or "
                                                           "recursion it adds nothing$"));
    const QRegularExpressionMatch match = skipped.match(message);
    if (!match.hasMatch())
        return {};
    //: "Recurse Dirs" is the name of a check box of the Add dialog
    return QCoreApplication::translate("plain_words",
                                       "The folder %1 was not added: with \"Recurse Dirs\" off a folder adds nothing. "
                                       "Check \"Recurse Dirs\" to add it with everything in it.")
        .arg(match.captured(1));
}

QString messageLine(int errorCode, const QString &message)
{
    const QString memberLine = memberMessageLine(errorCode, message);
    return memberLine.isEmpty() ? addMessageLine(message) : memberLine;
}

}  // namespace plain_words
