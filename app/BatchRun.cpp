#include "app/BatchRun.h"

#include "app/AddCommand.h"
#include "app/Application.h"
#include "app/ExtractCommand.h"
#include "app/ExtractPlacement.h"
#include "app/Mainform.h"
#include "app/OperationFrame.h"
#include "app/PasswordQuestion.h"
#include "app/Session.h"
#include "dialogs/CompressForm.h"
#include "dialogs/DirectoryCreation.h"
#include "dialogs/ExtractForm.h"
#include "dialogs/ExtractTarget.h"
#include "engine/otherformats/WriteFormat.h"
#include "platform/PrivateFolder.h"
#include "platform/Prompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QString fileNameOf(const QString &path)
{
    return QFileInfo(path).fileName();
}

}  // namespace

BatchRun::BatchRun(ApplicationWindows &windows)
    : windows_(windows), session_(windows.Mainform->session()), owner_(windows.Mainform.get())
{
    windows_.Mainform->remembersArchives = false;
}

const QStringList &BatchRun::writtenSuffixes()
{
    static const QStringList suffixes{QStringLiteral("zip"),     QStringLiteral("tar.gz"),  QStringLiteral("tar.xz"),
                                      QStringLiteral("tar.zst"), QStringLiteral("tar.bz2"), QStringLiteral("tar"),
                                      QStringLiteral("7z")};
    return suffixes;
}

QString BatchRun::proposedArchive(const QStringList &files)
{
    const QFileInfo first(files.value(0));
    const QString folder = first.absolutePath();
    QString name;
    if (files.size() == 1)
        name = first.isDir() ? first.fileName() : first.completeBaseName();
    else
        name = QFileInfo(folder).fileName();
    // The root folder, or a file named only by its extension.
    if (name.isEmpty())
        name = QStringLiteral("archive");
    return QDir(folder).filePath(name + QStringLiteral(".zip"));
}

int BatchRun::run(const batch::Arguments &arguments)
{
    bool allDone = true;
    switch (arguments.mode) {
    case batch::Mode::None: return 2;
    case batch::Mode::ExtractHere:
    case batch::Mode::ExtractTo:
        for (const QString &archive : arguments.files) {
            if (cancelled_)
                break;
            const QString parent = arguments.mode == batch::Mode::ExtractTo ? arguments.target
                                                                            : QFileInfo(archive).absolutePath();
            allDone = extractInto(archive, parent) && allDone;
        }
        break;
    case batch::Mode::ExtractAsk: allDone = extractAsked(arguments.files); break;
    case batch::Mode::Compress: allDone = compress(arguments.files); break;
    case batch::Mode::AddTo: allDone = addTo(arguments.target, arguments.files); break;
    }
    if (!failures_.isEmpty())
        platform::warningBox(owner_, failures_.join(QLatin1Char('\n')));
    return allDone && !cancelled_ ? 0 : 1;
}

bool BatchRun::failed(const QString &why)
{
    // Said on the terminal as well, for a script that started the mode.
    std::fprintf(stderr, "orvex97: %s\n", why.toLocal8Bit().constData());
    failures_ << why;
    return false;
}

bool BatchRun::open(const QString &archive)
{
    if (!QFileInfo(archive).isFile())
        //: %1 is a path; said in a box and on the terminal
        return failed(tr("No such archive: %1").arg(archive));
    try {
        session_.openArchive(archive);
    } catch (const EReadCancelled &) {
        cancelled_ = true;
        return false;
    } catch (const std::exception &e) {
        //: %1 is the archive's path, %2 why it cannot be read
        return failed(tr("Cannot read %1: %2").arg(archive, QString::fromLocal8Bit(e.what())));
    }
    return true;
}

bool BatchRun::runOperation(const QString &archive, const OperationTexts &texts, const EngineCall &call,
                            orvex::ComponentEvents *answering)
{
    orvex::OperationResult result;
    session_.operationFrame().run(
        texts, [&](orvex::ComponentEvents &events) { result = call(events); }, [] { return QString(); }, answering);
    if (result.cancelled || session_.engine.Cancel) {
        cancelled_ = true;
        return false;
    }
    if (session_.operationFrame().lastFailed())
        //: %1 is the archive's path
        return failed(tr("%1: not everything could be done").arg(archive));
    return true;
}

bool BatchRun::madeFolder(const QString &folder)
{
    const QString problem = newdir::createPath(folder);
    return problem.isEmpty() || failed(tr("Cannot make the folder %1: %2").arg(folder, problem));
}

bool BatchRun::extractAll(const QString &archive, const QString &target, const ExtractOptionChoices &options,
                          const QString &shownTarget)
{
    TZipEngine &engine = session_.engine;
    engine.ExtrOptions = extractOptionsFor(options);
    orvex::ExtractRequest request = engine.extractRequest();
    request.specs.clear();
    request.target = QFile::encodeName(target).toStdString();
    PasswordQuestion passwords(engine, owner_);
    return runOperation(
        archive, extractTexts(archive, shownTarget.isEmpty() ? target : shownTarget),
        [&](orvex::ComponentEvents &events) { return engine.Extract(std::move(request), events); }, &passwords);
}

bool BatchRun::extractInto(const QString &archive, const QString &parent)
{
    if (!open(archive))
        return false;
    if (!madeFolder(parent))
        return false;
    QString error;
    const QString staging = extract_placement::makeStaging(parent, error);
    if (staging.isEmpty())
        return failed(error);
    const bool wentWell =
        extractAll(archive, staging, {.dirNames = true, .overwrite = false, .updateOnly = false}, parent);
    // A cancelled extraction leaves nothing behind.
    if (cancelled_) {
        platform::removeTree(staging);
        return false;
    }
    const QString made = extract_placement::settle(staging, extract_target::archiveFolderName(archive), error);
    if (!error.isEmpty())
        return failed(error);
    if (made.isEmpty())
        //: %1 is the archive's path
        return wentWell && failed(tr("%1: nothing was extracted").arg(archive));
    std::printf("%s\n", QFile::encodeName(made).constData());
    return wentWell;
}

bool BatchRun::extractAsked(const QStringList &archives)
{
    // The dialog is asked once, for the first archive that can be read, and
    // its choices apply to every one.
    qsizetype first = 0;
    while (first < archives.size() && !open(archives[first])) {
        if (cancelled_)
            return false;
        ++first;
    }
    if (first == archives.size())
        return false;
    TZipEngine &engine = session_.engine;
    const ExtractContext context{
        .selectedRows = 0,
        .membersUnderOneFolder = extract_target::membersUnderOneFolder(
            engine.EntryCount(), [&engine](qsizetype i) { return engine.Entries(int(i)).DisplayName(); }),
        .selectionAsked = false};
    const ExtractChoices choices = windows_.Extract->ask(context);
    if (choices.DialogCancelled || choices.ExtractDir.isEmpty()) {
        cancelled_ = true;
        return false;
    }
    if (choices.ExtractDir == TDirTree::NoPath)
        //: The program's old text, its odd spacing included
        return failed(tr("Error :No directory selected"));
    bool allDone = first == 0;
    for (const QString &archive : archives.mid(first)) {
        if (cancelled_)
            break;
        if (session_.archivePath() != archive && !open(archive)) {
            allDone = false;
            continue;
        }
        QString target = choices.ExtractDir;
        if (choices.IntoArchiveFolder)
            target = extract_target::folderBelow(target, extract_target::archiveFolderName(archive));
        if (!madeFolder(target)) {
            allDone = false;
            continue;
        }
        allDone = extractAll(archive, target,
                             {.dirNames = choices.ExpandDirs,
                              .overwrite = choices.OverwriteFiles,
                              .updateOnly = choices.ExtractUpdateOnly})
                  && allDone;
        // Files kept rather than replaced are said, as the window says them.
        if (engine.LastKeptFiles > 0)
            //: %1 is the archive's path, %2 what its extraction did
            failures_ << tr("%1: %2").arg(archive,
                                          extractResultText(engine, extractTexts(archive, target).countSuffix));
    }
    return allDone;
}

bool BatchRun::compress(const QStringList &files)
{
    CompressForm form(writtenSuffixes(), {QStringLiteral("zip")}, owner_);
    const CompressChoices choices = form.ask(proposedArchive(files));
    if (choices.DialogCancelled) {
        cancelled_ = true;
        return false;
    }
    return makeArchive(choices.archive, files, choices.level, choices.password);
}

bool BatchRun::addTo(const QString &archive, const QStringList &files)
{
    if (!QFileInfo::exists(archive) && !QFileInfo(archive).isSymLink())
        return makeArchive(archive, files, session_.engine.AddCompLevel, QString());
    if (!open(archive))
        return false;
    if (session_.engine.ReadOnly())
        //: %1 is the archive's path, %2 why it is read-only ("split", "rar")
        return failed(tr("%1 is a %2 archive, which is only read here").arg(archive, session_.readOnlyKind()));
    return addFiles(files, QString());
}

bool BatchRun::makeArchive(const QString &archive, const QStringList &files, int level, const QString &password)
{
    const QString name = fileNameOf(archive);
    if (!name.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive)
        && !otherformats::writeFormatForName(QFile::encodeName(name).toStdString()))
        //: %1 is the archive's path; the endings are typed as they are
        return failed(tr("%1: a name ending in .zip, .tar.gz, .tar.xz, .tar.zst, .tar.bz2, .tar or .7z says which "
                         "archive to make")
                          .arg(archive));
    const bool replacing = QFileInfo::exists(archive) || QFileInfo(archive).isSymLink();
    if (replacing
        && !platform::confirmBox(owner_,
                                 //: %1 is the archive's path
                                 tr("Overwrite Existing File: %1?").arg(archive), platform::DefaultAnswer::No)) {
        cancelled_ = true;
        return false;
    }
    // Made beside its place and moved there whole: a failed or cancelled
    // run leaves the old archive, or nothing.
    QString error;
    const QString folder = QFileInfo(archive).absolutePath();
    const QString staging = extract_placement::makeStaging(folder, error);
    if (staging.isEmpty())
        return failed(error);
    const QString made = QDir(staging).filePath(name);
    bool done = false;
    try {
        session_.openArchive(made);
        session_.engine.AddCompLevel = level;
        done = addFiles(files, password);
    } catch (const std::exception &e) {
        failed(tr("Cannot make %1: %2").arg(archive, QString::fromLocal8Bit(e.what())));
    }
    // The archive is closed before it moves, so that nothing holds its old path.
    session_.engine.setZipFilename(std::string());
    if (done && QFileInfo(made).isFile()) {
        const bool moved =
            replacing ? ::rename(QFile::encodeName(made).constData(), QFile::encodeName(archive).constData()) == 0
                      : extract_placement::moveWithoutReplacing(made, archive);
        if (!moved) {
            const int failure = errno;
            //: %1 is the archive's path, %2 the system's reason
            done =
                failed(tr("Cannot put %1 in place: %2").arg(archive, QString::fromLocal8Bit(std::strerror(failure))));
        } else {
            std::printf("%s\n", QFile::encodeName(archive).constData());
        }
    }
    platform::removeTree(staging);
    return done;
}

bool BatchRun::addFiles(const QStringList &files, const QString &password)
{
    TZipEngine &engine = session_.engine;
    for (const QString &file : files)
        if (!QFileInfo::exists(file))
            //: %1 is a path from the command line
            return failed(tr("No such file: %1").arg(file));
    // Each file and folder is stored under its own name, folders with
    // everything in them, as a drop on the window adds them.
    engine.AddOptions = ::addOptionsFor(AddChoices{.dirNames = true, .recurseDirs = true});
    const auto groups = AddCommand::folderGroups(files, false);
    const orvex::Secret secret(password.toStdString());
    const QString archive = session_.archivePath();
    return runOperation(archive, AddCommand::operationTexts(archive), [&](orvex::ComponentEvents &events) {
        return AddCommand::addGroups(engine, groups, secret, std::string(), events);
    });
}
