#include "app/Mainform.h"

// The commands on the archive file itself: new, open (also from the command
// line and the recent list), delete; and deleting the selected members.

#include "app/OperationFrame.h"
#include "app/RecentArchives.h"
#include "controls/SortableGrid.h"
#include "engine/otherformats/FormatNames.h"
#include "engine/otherformats/WriteFormat.h"
#include "engine/zipformat/SplitParts.h"
#include "platform/Prompts.h"
#include "platform/Trash.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QUrl>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

// Every archive path is made absolute where it enters, so that nothing
// depends on the current directory of the process.
QString absoluteArchivePath(const QString &name)
{
    return QFileInfo(name).absoluteFilePath();
}

// A file manager may hand over a file:// URL instead of a path.
QString archivePathOfArgument(const QString &argument)
{
    if (argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(argument);
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return argument;
}

// The system's reason why `path` could not be deleted, or empty when it was.
QString removeFile(const QString &path)
{
    QFile file(path);
    return file.remove() ? QString() : file.errorString();
}

// The helpers below speak for the main window, in its translation context.

// "Cannot delete PATH: REASON".
QString cannotDeleteText(const QString &path, const QString &reason)
{
    //: %1 is a file's path, %2 the system's reason.
    return QCoreApplication::translate("TMainform", "Cannot delete %1: %2").arg(path, reason);
}

// Asks `question` (No by default), then deletes the file at `path`. False
// when the user declined or the deletion failed; a failure is shown.
bool confirmAndRemove(QWidget *parent, const QString &question, const QString &path)
{
    if (!platform::confirmBox(parent, question, platform::DefaultAnswer::No))
        return false;
    if (const QString reason = removeFile(path); !reason.isEmpty()) {
        platform::warningBox(parent, cannotDeleteText(path, reason));
        return false;
    }
    return true;
}

// Moves `parts` to the Trash in order. A part with no Trash to go to is
// deleted for good only when the user says so. False when a part stays.
bool trashParts(QWidget *parent, const QStringList &parts)
{
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts[i];
        const QString reason = platform::moveToTrash(part);
        if (reason.isEmpty())
            continue;
        //: %1 is a file's path, %2 the system's reason; more parts of the split archive follow it.
        const QString withRest = QCoreApplication::translate(
            "TMainform",
            "%1 cannot be moved to the Trash (%2). Delete it for good? The parts after it go the same way.");
        //: %1 is a file's path, %2 the system's reason.
        const QString alone =
            QCoreApplication::translate("TMainform", "%1 cannot be moved to the Trash (%2). Delete it for good?");
        const QString question = i + 1 < parts.size() ? withRest : alone;
        if (!platform::confirmBox(parent, question.arg(part, reason), platform::DefaultAnswer::No))
            return false;
        for (qsizetype j = i; j < parts.size(); ++j) {
            if (const QString failure = removeFile(parts[j]); !failure.isEmpty()) {
                platform::warningBox(parent, cannotDeleteText(parts[j], failure));
                return false;
            }
        }
        return true;
    }
    return true;
}

// The files beside `path` that make one split archive with it, those present.
QStringList otherSplitParts(const QString &path)
{
    QStringList others;
    for (const std::string &part : zipformat::findSplitParts(QFile::encodeName(path).toStdString()).paths) {
        const QString name = QFile::decodeName(QByteArray::fromStdString(part));
        if (name != path && QFileInfo(name).isFile())
            others << name;
    }
    return others;
}

// Matches .zip in any case, as the archive dialogs did on a case-blind file
// system; an archive under another name is still one choice away.
const char *const ZipFilesPattern = "*.[zZ][iI][pP]";
// The formats New makes, by the suffixes that name them; ZIP first, the
// choice the dialog starts with. The name typed decides the format, these
// only fill the dialog.
const struct {
    const char *label;
    std::vector<std::string> suffixes;
} WrittenFormats[] = {
    {"tar.gz", {"tar.gz", "tgz"}},
    {"tar.xz", {"tar.xz", "txz"}},
    {"tar.zst", {"tar.zst", "tzst"}},
    {"tar.bz2", {"tar.bz2", "tbz2", "tbz"}},
    {"tar", {"tar"}},
    {"7z", {"7z"}},
};
// Opening offers the parts of split archives too: Info-ZIP's name.z01 and
// 7-Zip's name.zip.001 each open the whole set.
const char *const OpenZipFilesPatterns = "*.[zZ][iI][pP] *.[zZ][0-9][0-9] *.[zZ][iI][pP].[0-9][0-9][0-9]";
// "*.[tT][gG][zZ]": the dialog matches case for case, and archives come in both.
QString caseBlindPattern(const std::string &extension)
{
    QString pattern = QStringLiteral("*.");
    for (const char c : extension) {
        const QChar ch = QLatin1Char(c);
        pattern += ch.isLetter() ? QStringLiteral("[%1%2]").arg(ch, ch.toUpper()) : QString(ch);
    }
    return pattern;
}

QString openArchiveFilter()
{
    QStringList all{QString::fromLatin1(OpenZipFilesPatterns)};
    // The other formats the program reads; the content decides, these
    // names only fill the dialog.
    for (const std::string &extension : otherformats::extensions())
        all << caseBlindPattern(extension);
    //: File dialog's filters, split by ";;"; each keeps its patterns in parentheses.
    return QCoreApplication::translate("TMainform", "All archives (%1);;ZIP Files (%2);;All files (*)")
        .arg(all.join(QLatin1Char(' ')), QString::fromLatin1(OpenZipFilesPatterns));
}

//: A file dialog's filter; %1 is the patterns, kept in parentheses.
QString zipFilesFilter(const QString &patterns)
{
    return QCoreApplication::translate("TMainform", "ZIP Files (%1)").arg(patterns);
}

QString newArchiveFilter()
{
    QStringList filters{zipFilesFilter(QString::fromLatin1(ZipFilesPattern))};
    for (const auto &format : WrittenFormats) {
        QStringList patterns;
        for (const std::string &suffix : format.suffixes)
            patterns << caseBlindPattern(suffix);
        //: A file dialog's filter; %1 is a format's name ("tar.gz"), %2 its patterns, kept in parentheses.
        filters << QCoreApplication::translate("TMainform", "%1 archives (%2)")
                       .arg(QLatin1String(format.label), patterns.join(QLatin1Char(' ')));
    }
    //: A file dialog's filter; the pattern stays in parentheses.
    return (filters << QCoreApplication::translate("TMainform", "All files (*)")).join(QStringLiteral(";;"));
}

// The archive file dialog starts at the name it was last left with; before
// it was ever used, in the current archive's folder (an archive opened from
// the file manager or the recent list), else in the current directory.
platform::FileDialogOptions archiveDialogOptions(const QString &title, const ArchiveSession &session, bool mustExist)
{
    platform::FileDialogOptions options;
    options.title = title;
    options.filter = mustExist ? openArchiveFilter() : newArchiveFilter();
    options.fileName = session.openDialogFileName;
    const QString near = options.fileName.isEmpty() ? session.archivePath() : options.fileName;
    options.directory = near.isEmpty() ? QDir::currentPath() : QFileInfo(near).absolutePath();
    options.mustExist = mustExist;
    return options;
}

// "1 member is selected." / "N members are selected."
QString selectedCountLine(size_t count)
{
    if (count == 1)
        return QCoreApplication::translate("TMainform", "1 member is selected.");
    //: Never 1: the line above is said for one member.
    return QCoreApplication::translate("TMainform", "%n members are selected.", nullptr, int(count));
}

}  // namespace

void TMainform::applyCommandLineArchive()
{
    // Applied once: re-reading the command-line archive on every activation would
    // replace an archive the user has opened since.
    if (commandLineApplied_)
        return;
    commandLineApplied_ = true;
    if (!startupNotice_.isEmpty())
        platform::warningBox(this, std::exchange(startupNotice_, QString()));
    if (arguments_.size() != 1)
        return;
    const QString path = archivePathOfArgument(arguments_.front());
    // A name ends at its first NUL for the system: "a.zip%00junk" would open
    // a.zip while the window shows the whole argument.
    if (path.contains(QChar(0))) {
        platform::warningBox(this, tr("Not a usable archive name: %1").arg(arguments_.front()));
        return;
    }
    setCurrentArchive(absoluteArchivePath(path));
}

bool TMainform::setCurrentArchive(const QString &name)
{
    try {
        session_.openArchive(name);
    } catch (const EReadCancelled &) {
        // The user stopped it: the archive before stays, and nothing is said.
        dropMembersRead();
        return false;
    } catch (...) {
        // The component keeps the members read before the failure; showing the
        // previous archive's rows under this name would let a command act on
        // this file with another archive's names.
        try {
            fillListing();
        } catch (...) {
        }
        throw;
    }
    return true;
}

void TMainform::rememberCurrentArchive()
{
    // Called after each complete read: a new archive counts once its first
    // add has made it, one that cannot be read not at all.
    const QString path = session_.archivePath();
    if (!remembersArchives || path.isEmpty() || !QFileInfo(path).isFile())
        return;
    RecentArchives(*settings_).opened(path);
    refreshRecentArchives();
}

void TMainform::openRecentArchive(const QString &path)
{
    command([this, path] {
        if (!QFileInfo(path).isFile()) {
            RecentArchives(*settings_).forget(path);
            refreshRecentArchives();
            //: %1 is the archive's path; File is the menu.
            platform::warningBox(this, tr("Zipfile not found: %1. It is no longer listed under File.").arg(path));
            return;
        }
        session_.openDialogFileName = path;
        setCurrentArchive(path);
    });
}

void TMainform::newArchive()
{
    QString name =
        platform::prompts().openFileName(this, archiveDialogOptions(tr("Create New ZIP File"), session_, false));
    if (name.isEmpty())
        return;
    // A name that says no format we write is a ZIP archive's.
    if (!name.toLower().contains(QStringLiteral(".zip"))
        && !otherformats::writeFormatForName(QFile::encodeName(name).toStdString()))
        name += QStringLiteral(".zip");
    name = absoluteArchivePath(name);
    session_.openDialogFileName = name;
    // An old file that stays would be read again and the next add would
    // merge into it.
    if ((QFileInfo::exists(name) || QFileInfo(name).isSymLink())
        && !confirmAndRemove(this, tr("Overwrite Existing File: %1?").arg(name), name))
        return;
    // The rows of the archive before would stand for members this one does not hold.
    resetGrid();
    setCurrentArchive(name);
}

void TMainform::openArchive()
{
    QString name =
        platform::prompts().openFileName(this, archiveDialogOptions(tr("Open Existing ZIP File"), session_, true));
    if (name.isEmpty())
        return;
    name = absoluteArchivePath(name);
    session_.openDialogFileName = name;
    setCurrentArchive(name);
}

void TMainform::deleteArchive()
{
    // With no archive current the caption is no path: a file of that name in
    // the current directory is not the archive.
    const QString path = session_.archivePath();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        platform::warningBox(this, tr("Zipfile not found: %1").arg(session_.archiveCaption()));
        return;
    }
    // One part of a split archive is useless without the others: the set
    // goes together, and the question says so. It goes to the Trash, from
    // where a mistaken click can be taken back.
    const QStringList others = otherSplitParts(path);
    QString question = tr("Move %1 to the Trash?").arg(path);
    if (!others.isEmpty()) {
        QStringList names;  // all in the folder of `path`
        for (const QString &part : others)
            names << QFileInfo(part).fileName();
        //: %1 lists the other parts' file names.
        const QString onePart = tr("It is one part of a split archive; its other part goes too: %1");
        //: %1 lists the other parts' file names; never 1 part.
        const QString moreParts =
            tr("It is one part of a split archive; its other parts go too: %1", nullptr, int(others.size()));
        const QString split = others.size() == 1 ? onePart : moreParts;
        question += u'\n' + split.arg(names.join(QStringLiteral(", ")));
    }
    if (!platform::confirmBox(this, question, platform::DefaultAnswer::No))
        return;
    if (!trashParts(this, QStringList(others) << path))
        return;
    RecentArchives(*settings_).forget(path);
    refreshRecentArchives();
    listingGrid->setRowCount(1);
    session_.forgetDeletedArchive();
}

void TMainform::deleteMembers()
{
    if (listingGrid->RowCount() < 2) {
        //: The odd spacing of "Error :" is the program's own.
        platform::warningBox(this, tr("Error :No file(s) to delete"));
        return;
    }
    TZipEngine &engine = session_.engine;
    const QString archive = session_.archivePath();
    const std::vector<std::string> names = session_.selectedNames();
    const bool folders = session_.folderSelected();
    // The count says how much goes: with a folder the user may not see it,
    // and selected rows may lie far apart.
    //: %1 is the archive's path.
    const QString question =
        folders ? tr("Delete %n members (the selected folders with everything in them) from: %1?", nullptr,
                     int(names.size()))
                      .arg(archive)
                //: %1 is the archive's path, %2 the line that counts the members.
                : tr("Delete selected files from: %1?\n%2").arg(archive, selectedCountLine(names.size()));
    // Asked about nothing, the question would only lead to this warning.
    if (names.empty()) {
        //: The odd spacing of "Error :" is the program's own.
        platform::warningBox(this, tr("Error :No file(s) selected"));
        return;
    }
    if (!platform::confirmBox(this, question, platform::DefaultAnswer::No))
        return;
    //: The status window's title while members are deleted.
    const OperationTexts texts{tr("Deleting file(s)"),
                               //: The message window's first line; %1 is the archive's path.
                               tr("Beginning delete from %1").arg(archive), tr("Fatal error trying to delete"),
                               QString()};
    // The count is one translatable line, which plural forms can follow.
    session_.operationFrame().run(
        texts,
        [&](orvex::ComponentEvents &events) {
            orvex::DeleteRequest request = engine.deleteRequest();
            request.specs = names;
            engine.Delete(std::move(request), events);
        },
        //: The box after a delete; the capital D is the program's own.
        [&engine] { return tr("%n file(s) were Deleted", nullptr, engine.LastResult); });
}
