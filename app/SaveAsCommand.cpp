// The open archive's entries are read one after the other and written
// straight into the new archive, in the format its name gives
// (engine/Conversion.h), on the operation
// frame's worker: nothing of the open archive, decrypted or not, reaches the
// disk, and the new archive stays under a temporary name beside the target
// until it is complete and, when some members could not be read, the user
// has agreed to keep the others.
#include "app/SaveAsCommand.h"

#include "app/OperationFrame.h"
#include "app/PasswordQuestion.h"
#include "app/Session.h"
#include "engine/Conversion.h"
#include "engine/otherformats/WriteFormat.h"
#include "platform/Prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <climits>

namespace save_as {

namespace {

// Every format written; the one the typed name ends in is made. Only the
// words are translated: the patterns are what the dialog filters by.
QString archiveFilesFilter()
{
    return QCoreApplication::translate("save_as", "ZIP Files")
           + QStringLiteral(" (*.zip);;tar.gz (*.tar.gz *.tgz);;tar.xz (*.tar.xz *.txz);;"
                            "tar.zst (*.tar.zst *.tzst);;tar.bz2 (*.tar.bz2 *.tbz2);;"
                            "tar (*.tar);;7z (*.7z);;")
           + QCoreApplication::translate("save_as", "All files") + QStringLiteral(" (*)");
}

// The password for the new archive, typed twice; false when the user gave up.
bool askNewPassword(QWidget *parent, std::string &password)
{
    const QString caption = QCoreApplication::translate("save_as", "Save as");
    QString first, second;
    if (!platform::prompts().inputPassword(
            parent, caption, QCoreApplication::translate("save_as", "Password for the new archive:"), first))
        return false;
    if (first.isEmpty()) {
        platform::warningBox(
            parent, QCoreApplication::translate("save_as", "An empty password encrypts nothing; nothing was saved."));
        return false;
    }
    if (!platform::prompts().inputPassword(parent, caption,
                                           QCoreApplication::translate("save_as", "Type the password again:"), second))
        return false;
    if (first != second) {
        platform::warningBox(parent,
                             QCoreApplication::translate("save_as", "The two passwords differ; nothing was saved."));
        return false;
    }
    password = first.toStdString();
    return true;
}

bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a), second(b);
    return first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}

}  // namespace

QString suggestedName(const QString &archive)
{
    const QFileInfo info(archive);
    QString base = info.fileName();
    if (const qsizetype dot = base.lastIndexOf(QLatin1Char('.')); dot > 0)
        base.truncate(dot);
    if (base.endsWith(QStringLiteral(".tar"), Qt::CaseInsensitive))
        base.chop(4);
    QString name = info.dir().filePath(base + QStringLiteral(".zip"));
    if (sameFile(name, archive) || name == archive)
        name = info.dir().filePath(base + QStringLiteral(" (copy).zip"));
    return name;
}

void run(ArchiveSession &session, QWidget *parent, int level, const std::function<void(const QString &)> &open)
{
    TZipEngine &engine = session.engine;
    const QString source = session.archivePath();
    if (!session.hasArchive() || !QFileInfo(source).isFile()) {
        platform::warningBox(
            parent, QCoreApplication::translate("save_as", "You must create a new zipfile or open a zipfile first!"));
        return;
    }
    platform::FileDialogOptions options;
    options.title = QCoreApplication::translate("save_as", "Save as");
    options.fileName = suggestedName(source);
    options.directory = QFileInfo(source).absolutePath();
    options.filter = archiveFilesFilter();
    options.mustExist = false;
    QString target = platform::prompts().saveFileName(parent, options);
    if (target.isEmpty())
        return;
    // A name of no format written gets ".zip"; the dialog asked about
    // replacing the name it was given, not this one.
    const std::optional<otherformats::WriteFormat> format =
        otherformats::writeFormatForName(QFile::encodeName(target).toStdString());
    const bool replaceAsked = format || target.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive);
    if (!replaceAsked)
        target += QStringLiteral(".zip");
    const QString formatName = format ? QString::fromStdString(otherformats::formatLabel(*format))
                                      : QStringLiteral("ZIP");
    target = QFileInfo(target).absoluteFilePath();
    if (sameFile(source, target)) {
        //: %1 is the chosen file's path; "Save as" is the command
        platform::warningBox(
            parent,
            QCoreApplication::translate("save_as", "%1 is the open archive; Save as writes another file.").arg(target));
        return;
    }
    const bool replacing = QFileInfo(target).exists() || QFileInfo(target).isSymLink();
    if (replacing && !QFileInfo(target).isFile()) {
        //: %1 is the chosen path
        platform::warningBox(
            parent, QCoreApplication::translate("save_as", "%1 is not a file; nothing was saved.").arg(target));
        return;
    }
    if (replacing && !replaceAsked
        && !platform::confirmBox(parent, QCoreApplication::translate("save_as", "%1 exists. Replace it?").arg(target),
                                 platform::DefaultAnswer::No))
        return;
    std::string password;
    // Wiped however the command ends; the conversion wipes what it was given.
    const struct Wipe {
        std::string &text;
        ~Wipe() { std::fill(text.begin(), text.end(), '\0'); }
    } wipe{password};
    // Only ZIP is written encrypted here: libarchive 3.6.2 writes no encrypted 7z.
    if (!format
        && platform::confirmBox(
            parent, QCoreApplication::translate("save_as", "Encrypt the new archive's members with a password?"),
            platform::DefaultAnswer::No)
        && !askNewPassword(parent, password))
        return;

    OperationFrame &frame = session.operationFrame();
    //: The status window's title; %1 is a format's name ("ZIP", "tar.gz")
    const QString caption = QCoreApplication::translate("save_as", "Saving as %1").arg(formatName);
    auto noBox = [] { return QString(); };
    orvex::ConversionRequest request;
    request.target = QFile::encodeName(target).toStdString();
    request.level = level;
    request.password = std::move(password);
    request.replace = replacing;
    orvex::ConversionResult result;
    bool written = false;
    {
        PasswordQuestion passwords(engine, parent);
        const std::unique_ptr<orvex::ArchiveConversion> conversion = orvex::makeConversion(std::move(request));
        // The open archive's entries, read through the component.
        const auto reader = [&engine](orvex::EntrySink &sink, orvex::ArchiveEvents &reading) {
            return engine.ReadEntries(sink, reading);
        };
        frame.run(
            {caption,
             //: The message window's first line; %1 is a format's name, %2 the open archive's path
             QCoreApplication::translate("save_as", "Beginning Save as %1 of %2").arg(formatName, source),
             //: "DLL" is the program's old word for its libraries
             QCoreApplication::translate("save_as", "Error in Save as; Fatal DLL Exception"),
             {}},
            [&](orvex::ComponentEvents &events) {
                result = conversion->write(reader, events);
                // Put in place at once unless the user is to be asked first.
                if (result.failed == 0) {
                    written = conversion->commit(events);
                    result = conversion->result();
                }
            },
            noBox, &passwords);
        // The conversion is no call of the component, which would clear it.
        const bool cancelled = result.cancelled || engine.Cancel;
        engine.Cancel = false;
        if (frame.closeRequested() || cancelled)
            return;
        // A failure of the writer was said in the operation's error box; the
        // open archive is shown again below.
        if (!result.writeFailed && result.written == 0) {
            //: %1 is the open archive's path
            platform::warningBox(
                parent,
                QCoreApplication::translate("save_as", "Nothing in %1 could be read; nothing was saved.").arg(source));
            return;
        }
        if (!result.writeFailed && !written && result.failed > 0) {
            if (!platform::confirmBox(
                    parent,
                    //: %1 is a format's name ("ZIP", "tar.gz")
                    QCoreApplication::translate("save_as", "Some members could not be read. Save the others as %1?")
                        .arg(formatName),
                    platform::DefaultAnswer::No))
                return;
            const OperationFrame::Running running(frame);
            frame.call([&](orvex::ComponentEvents &events) { written = conversion->commit(events); });
            result = conversion->result();
        }
    }
    open(written ? target : source);
    if (!written)
        return;
    const int saved = result.written > uint64_t(INT_MAX) ? INT_MAX : int(result.written);
    //: %1 is the new archive's path
    platform::informationBox(
        parent, QCoreApplication::translate("save_as", "%n files were saved in %1", nullptr, saved).arg(target));
}

}  // namespace save_as
