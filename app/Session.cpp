#include "app/Session.h"

#include "app/ExternalEditWatch.h"

#include "app/ListingText.h"
#include "app/OperationFrame.h"
#include "engine/otherformats/FormatNames.h"
#include "engine/otherformats/WriteFormat.h"
#include "platform/WorkingArea.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>
#include <unordered_set>

ArchiveSession::ArchiveSession(EngineLibraries libraries) : engine(libraries)
{
    // The component's reports go to the frame of the running operation.
    engine.OnMessage = [this](TZipEngine &, int errCode, const std::string &message) {
        if (frame_)
            frame_->message(errCode, QString::fromStdString(message));
    };
    engine.OnProgress = [this](TZipEngine &, ProgressType type, const std::string &fileName, int32_t fileSize) {
        if (frame_)
            frame_->progress(type, QString::fromStdString(fileName), fileSize);
    };
    engine.OnReadProgress = [this](TZipEngine &, int64_t members, int64_t done, int64_t total) {
        if (frame_)
            frame_->readProgress(members, done, total);
    };
}

ArchiveSession::~ArchiveSession()
{
    externalEdits_.reset();
    engine.OnDirUpdate = nullptr;
    engine.OnMessage = nullptr;
    engine.OnProgress = nullptr;
    engine.OnReadProgress = nullptr;
    engine.MessageSink = nullptr;
}

QString ArchiveSession::archivePath() const
{
    return QFile::decodeName(QByteArray::fromStdString(engine.ZipFilename()));
}

QString ArchiveSession::archiveCaption() const
{
    if (hasArchive())
        return archivePath();
    //: The status bar's archive when the open one was deleted (<none>) or none was opened (None)
    return archiveDeleted_ ? tr("<none>") : tr("None");
}

QString ArchiveSession::readOnlyKind() const
{
    const std::string kind = engine.ReadOnlyKind();
    //: Said of an archive split over several files, as in "a split archive"
    return kind == "split" ? tr("split") : QString::fromStdString(kind);
}

ArchiveState ArchiveSession::archiveState() const
{
    if (listingOutOfDate && hasArchive())
        //: The status bar's state of the archive, then its tooltip; "File > Open archive" is the menu item
        return {tr("Listing out of date"),
                tr("The archive was changed and its members were not read again. File > Open archive reads them.")};
    if (engine.SplitParts() > 1)
        //: The status bar's state of the archive; %n is the number of files it is split over
        return {tr("Read-only: split over %n files", nullptr, int(engine.SplitParts())),
                tr("A split archive is not changed: members cannot be added, deleted, renamed or written back. "
                   "File > Save as… makes a single copy that can.")};
    // tar and 7z are written like ZIP: only the formats read alone say so.
    if (engine.ReadOnly())
        //: The status bar's state of the archive; %1 says why it is read-only ("tar.gz", "rar")
        return {tr("Read-only: %1").arg(readOnlyKind()),
                tr("Members cannot be added, deleted or written back. File > Save as… makes a copy that can, in ZIP, "
                   "tar or 7z.")};
    const QString path = archivePath();
    if (path.isEmpty() || QFileInfo(path).exists() || QFileInfo(path).isSymLink())
        return {};
    const std::string name = engine.ZipFilename();
    const std::optional<otherformats::WriteFormat> written = otherformats::writeFormatForName(name);
    const QString extension = QString::fromStdString(otherformats::formatExtension(name));
    if (!written && !extension.isEmpty())
        return {tr("Not found"),
                //: %1 is the archive's path, %2 the format its name ends in ("rar")
                tr("%1 does not exist, and it cannot be made: its name says %2, a format that is only read. "
                   "File > New archive makes one.")
                    .arg(path, extension)};
    const QString format = written ? QString::fromStdString(otherformats::formatLabel(*written))
                                   : QStringLiteral("ZIP");
    return {tr("New: the first add makes it"),
            //: %1 is the archive's path, %2 a format's name ("ZIP", "tar.gz")
            tr("%1 does not exist yet; the first add makes it as a %2 archive.").arg(path, format)};
}

QString ArchiveSession::windowTitle() const
{
    const QString product = QStringLiteral("Orvex 97");
    //: The window's title: the archive's file name, then the program's name
    return hasArchive() ? tr("%1 - %2").arg(QFileInfo(archivePath()).fileName(), product) : product;
}

void ArchiveSession::openArchive(const QString &path)
{
    // A failed read leaves the name current; a cancelled one changes nothing.
    try {
        readMembers(QFile::encodeName(path).toStdString());
    } catch (const EReadCancelled &) {
        throw;
    } catch (...) {
        archiveDeleted_ = false;
        listingOutOfDate = false;
        archiveChanged();
        throw;
    }
    archiveDeleted_ = false;
    listingOutOfDate = false;
    archiveChanged();
}

void ArchiveSession::archiveChanged()
{
    if (externalEdits_)
        externalEdits_->archiveChanged(archivePath());
    if (OnArchiveChanged)
        OnArchiveChanged();
}

void ArchiveSession::readMembers(const std::string &name)
{
    if (frame_)
        frame_->readListing([this, &name](orvex::ComponentEvents &events) { engine.setZipFilename(name, events); });
    else
        engine.setZipFilename(name);
}

void ArchiveSession::forgetDeletedArchive()
{
    archiveDeleted_ = true;
    // No archive is current any more: an add must not re-create the deleted
    // file, nor another command act on it.
    engine.setZipFilename(std::string());
    archiveChanged();
}

int ArchiveSession::listingRowCount() const
{
    return listing_ ? listing_->rowCount() : 0;
}

int ArchiveSession::selectedRowCount() const
{
    return listing_ ? int(listing_->selectedRows().size()) : 0;
}

QString ArchiveSession::topSelectedText() const
{
    return listing_ ? listing_->topSelectedText() : QString();
}

bool ArchiveSession::isFolderName(const std::string &name)
{
    return !name.empty() && name.back() == '/';
}

std::vector<std::string> ArchiveSession::selectedNames() const
{
    std::vector<std::string> names;
    if (!listing_)
        return names;
    std::unordered_set<std::string> chosen, folders;
    auto choose = [&](std::string name) {
        if (isFolderName(name))
            folders.insert(name);
        if (chosen.insert(name).second)
            names.push_back(std::move(name));
    };
    for (const ListedRow &row : listing_->selectedRows()) {
        // The listing knows what is under a folder, stored as a member or not.
        if (row.folder) {
            for (const int member : row.members)
                if (member >= 0 && member < engine.EntryCount())
                    choose(engine.Entries(member).FileName);
            continue;
        }
        // The stored bytes, unless the member list has changed under the
        // listing (a failed read leaves it as it was).
        if (row.entryIndex >= 0 && row.entryIndex < engine.EntryCount()
            && listingName(engine.Entries(row.entryIndex)) == row.text)
            choose(engine.Entries(row.entryIndex).FileName);
        else
            choose(row.text.toStdString());
    }
    if (folders.empty())
        return names;
    // A folder row stands for the folder and everything under it.
    for (int i = 0; i < engine.EntryCount(); ++i) {
        const std::string &name = engine.Entries(i).FileName;
        for (size_t slash = name.find('/'); slash != std::string::npos && slash + 1 < name.size();
             slash = name.find('/', slash + 1)) {
            if (folders.count(name.substr(0, slash + 1))) {
                choose(name);
                break;
            }
        }
    }
    return names;
}

bool ArchiveSession::folderSelected() const
{
    if (!listing_)
        return false;
    const std::vector<ListedRow> rows = listing_->selectedRows();
    return std::any_of(rows.begin(), rows.end(),
                       [](const ListedRow &row) { return row.folder || isFolderName(row.text.toStdString()); });
}

std::string ArchiveSession::storedFolderOf(const std::string &stored, int depth)
{
    std::size_t from = 0;
    for (int found = 0; found < depth;) {
        const std::size_t slash = stored.find('/', from);
        if (slash == std::string::npos)
            return std::string();
        const std::string_view part(stored.data() + from, slash - from);
        if (!part.empty() && part != ".")
            ++found;
        from = slash + 1;
    }
    return stored.substr(0, from);
}

std::string ArchiveSession::topSelectedStoredName() const
{
    if (!listing_)
        return std::string();
    const std::vector<ListedRow> rows = listing_->selectedRows();
    if (rows.empty())
        return std::string();
    const ListedRow &top = rows.front();
    if (top.folder) {
        for (const int member : top.members)
            if (member >= 0 && member < engine.EntryCount())
                return storedFolderOf(engine.Entries(member).FileName, int(top.text.count(u'/')));
        return std::string();
    }
    if (top.entryIndex >= 0 && top.entryIndex < engine.EntryCount()
        && listingName(engine.Entries(top.entryIndex)) == top.text)
        return engine.Entries(top.entryIndex).FileName;
    return top.text.toStdString();
}

void ArchiveSession::setOperationFrame(std::unique_ptr<OperationFrame> frame)
{
    frame_ = std::move(frame);
}

platform::WorkingArea &ArchiveSession::workingArea()
{
    if (!workingArea_)
        workingArea_ = std::make_unique<platform::WorkingArea>();
    return *workingArea_;
}

ExternalEditWatch &ArchiveSession::externalEdits()
{
    if (!externalEdits_) {
        externalEdits_ = std::make_unique<ExternalEditWatch>();
        externalEdits_->mayAsk = [this] { return !operationRunning(); };
    }
    return *externalEdits_;
}

bool ArchiveSession::operationRunning() const
{
    return frame_ && frame_->isRunning();
}
