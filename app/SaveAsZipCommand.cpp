// The conversion goes through the disk, as `orvexzip convert` does: the
// open archive is extracted, under its reader's own safety rules, into a
// private folder beside the target, and that tree is added to a new archive
// in a second private folder, which is renamed onto the target only once
// complete. Both folders are removed however it ends.
#include "app/SaveAsZipCommand.h"

#include "app/AddPasswordScope.h"
#include "app/OperationFrame.h"
#include "app/PasswordQuestion.h"
#include "app/Session.h"
#include "engine/common/Directory.h"
#include "engine/common/ScratchDirectory.h"
#include "platform/Prompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>

namespace save_as_zip {

namespace {

const char *const ZipFilesFilter = "ZIP Files (*.[zZ][iI][pP]);;All files (*)";

// The window's listing stays the open archive's while the new one is
// written: the add's re-read of it must neither fill the grid nor enter the
// recent list.
class ListingRefreshPause {
public:
    explicit ListingRefreshPause(TZipEngine &engine)
        : engine_(engine), saved_(std::exchange(engine.OnDirUpdate, nullptr))
    {
    }
    ~ListingRefreshPause() { engine_.OnDirUpdate = std::move(saved_); }
    ListingRefreshPause(const ListingRefreshPause &) = delete;
    ListingRefreshPause &operator=(const ListingRefreshPause &) = delete;

private:
    TZipEngine &engine_;
    std::function<void(TZipEngine &)> saved_;
};

// Counts the errors the extraction reports, passing each on.
class ErrorCount {
public:
    explicit ErrorCount(TZipEngine &engine) : engine_(engine), message_(engine.OnMessage)
    {
        engine.OnMessage = [this](TZipEngine &sender, int code, const std::string &text) {
            if (code > 0)
                ++count_;
            if (message_)
                message_(sender, code, text);
        };
    }
    ~ErrorCount() { engine_.OnMessage = std::move(message_); }
    ErrorCount(const ErrorCount &) = delete;
    ErrorCount &operator=(const ErrorCount &) = delete;
    int count() const { return count_; }

private:
    TZipEngine &engine_;
    TMessageEvent message_;
    int count_ = 0;
};

// The password for the new archive, typed twice; false when the user gave up.
bool askNewPassword(QWidget *parent, std::string &password)
{
    const QString caption = QStringLiteral("Save as ZIP");
    QString first, second;
    if (!platform::prompts().inputPassword(parent, caption, QStringLiteral("Password for the new archive:"), first))
        return false;
    if (first.isEmpty()) {
        platform::warningBox(parent, QStringLiteral("An empty password encrypts nothing; nothing was saved."));
        return false;
    }
    if (!platform::prompts().inputPassword(parent, caption, QStringLiteral("Type the password again:"), second))
        return false;
    if (first != second) {
        platform::warningBox(parent, QStringLiteral("The two passwords differ; nothing was saved."));
        return false;
    }
    password = first.toStdString();
    return true;
}

std::vector<std::string> topNames(const std::string &directory)
{
    std::vector<std::string> names;
    const QDir dir(QFile::decodeName(QByteArray::fromStdString(directory)));
    for (const QString &name : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        names.push_back(QFile::encodeName(name).toStdString());
    std::sort(names.begin(), names.end());
    return names;
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
        platform::warningBox(parent, QStringLiteral("You must create a new zipfile or open a zipfile first!"));
        return;
    }
    platform::FileDialogOptions options;
    options.title = QStringLiteral("Save as ZIP");
    options.fileName = suggestedName(source);
    options.directory = QFileInfo(source).absolutePath();
    options.filter = QString::fromLatin1(ZipFilesFilter);
    options.mustExist = false;
    QString target = platform::prompts().saveFileName(parent, options);
    if (target.isEmpty())
        return;
    // The dialog asked about replacing the name it was given, not this one.
    const bool replaceAsked = target.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive);
    if (!replaceAsked)
        target += QStringLiteral(".zip");
    target = QFileInfo(target).absoluteFilePath();
    if (sameFile(source, target)) {
        platform::warningBox(parent, target + QStringLiteral(" is the open archive; Save as ZIP writes another file."));
        return;
    }
    const bool replacing = QFileInfo(target).exists() || QFileInfo(target).isSymLink();
    if (replacing && !QFileInfo(target).isFile()) {
        platform::warningBox(parent, target + QStringLiteral(" is not a file; nothing was saved."));
        return;
    }
    if (replacing && !replaceAsked
        && !platform::confirmBox(parent, target + QStringLiteral(" exists. Replace it?"), platform::DefaultAnswer::No))
        return;
    std::string password;
    // Wiped however the command ends; the add's scope wipes what it was given.
    const struct Wipe {
        std::string &text;
        ~Wipe() { std::fill(text.begin(), text.end(), '\0'); }
    } wipe{password};
    if (platform::confirmBox(parent, QStringLiteral("Encrypt the new archive's members with a password?"),
                             platform::DefaultAnswer::No)
        && !askNewPassword(parent, password))
        return;

    OperationFrame &frame = session.operationFrame();
    const QString caption = QStringLiteral("Saving as ZIP");
    auto noBox = [] { return QString(); };
    bool written = false;
    int32_t saved = 0;
    {
        // Both folders go before the new archive is opened and the box says so.
        const std::string targetName = QFile::encodeName(target).toStdString();
        const common::ScratchDirectory members(targetName, ".orvex-save-as-zip");
        const common::ScratchDirectory output(targetName, ".orvex-save-as-zip");
        if (members.path().empty() || output.path().empty()) {
            platform::warningBox(parent, QStringLiteral("Cannot make a temporary folder beside ") + target
                                             + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        const ListingRefreshPause pause(engine);
        int errors = 0;
        {
            const ErrorCount count(engine);
            const PasswordQuestion passwords(engine, parent);
            engine.FileSpecs.clear();
            engine.ExtrBaseDir = members.path();
            engine.ExtrOptions = ExtrOpts{ExtrDirNames, ExtrOverWrite};
            frame.run(
                {caption,
                 QStringLiteral("Beginning Save as ZIP of ") + source,
                 QStringLiteral("Error in Extract; Fatal DLL Exception"),
                 {}},
                [&](orvex::ComponentEvents &events) { engine.Extract(engine.extractRequest(), events); }, noBox,
                const_cast<PasswordQuestion *>(&passwords));
            errors = count.count();
        }
        if (frame.closeRequested() || engine.LastCancelled)
            return;
        const std::vector<std::string> tops = topNames(members.path());
        if (tops.empty()) {
            platform::warningBox(parent, QStringLiteral("Nothing in ") + source
                                             + QStringLiteral(" could be read; nothing was saved."));
            return;
        }
        if (errors > 0
            && !platform::confirmBox(parent, QStringLiteral("Some members could not be read. Save the others as ZIP?"),
                                     platform::DefaultAnswer::No))
            return;

        const std::string writing = output.path() + "/" + QFile::encodeName(QFileInfo(target).fileName()).toStdString();
        engine.setZipFilename(writing);
        {
            const AddPasswordScope scope(engine, std::move(password));
            engine.AddCompLevel = level;
            engine.AddBaseDir = members.path();
            engine.AddOptions = addOptionsFor({.dirNames = true, .recurseDirs = true});
            engine.FileSpecs = tops;
            frame.run(
                {caption,
                 QStringLiteral("Beginning Add to ") + target,
                 QStringLiteral("Error in Add; Fatal DLL Exception"),
                 {}},
                [&](orvex::ComponentEvents &events) { engine.Add(engine.addRequest(), events); }, noBox);
            engine.AddBaseDir.clear();
        }
        saved = engine.LastResult;
        written = saved > 0 && QFileInfo(QFile::decodeName(QByteArray::fromStdString(writing))).isFile();
        if (written && !common::renameInto(AT_FDCWD, writing, targetName, replacing)) {
            // A file the user did not agree to replace is never replaced.
            written = false;
            platform::warningBox(parent, QStringLiteral("Cannot put the new archive at ") + target
                                             + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno)));
        }
        // Nothing is current until `open` has read the archive to show.
        engine.setZipFilename(std::string());
    }
    open(written ? target : source);
    if (written)
        platform::informationBox(parent, QStringLiteral("%1 files were saved in %2").arg(saved).arg(target));
}

}  // namespace save_as_zip
