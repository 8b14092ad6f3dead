#pragma once
// What the main window's commands act on, without the window: the archive
// component, the current archive, the listing's selection, the operation
// frame, the file dialog's last name and the member last chosen for editing
// or running. The window owns one session and only displays it.

#include "engine/ZipEngine.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class ExternalEditWatch;
class OperationFrame;
namespace platform {
class WorkingArea;
}

// A selected row of the listing: the whole name it stands for, the index of
// the member it was filled from (-1 for a row that names none), and for a
// folder row (whose name ends in '/') every member under the folder.
struct ListedRow {
    QString text;
    int entryIndex = -1;
    bool folder = false;
    std::vector<int> members{};
};

// The listing as the commands see it; the window's grid provides it.
class ListingSelection {
public:
    virtual ~ListingSelection() = default;
    // Rows including the title row.
    virtual int rowCount() const = 0;
    // The selected rows below the fixed ones, top to bottom: exactly those
    // chosen, whether they touch or not; none when none is.
    virtual std::vector<ListedRow> selectedRows() const = 0;
    // The name column of the top selected row; empty when no row below the
    // titles is selected.
    virtual QString topSelectedText() const = 0;
};

// What the status bar says of the current archive besides its path: a
// short text, and a longer one for its tooltip; both empty when there is
// nothing to say.
struct ArchiveState {
    QString text;
    QString explanation;
};

class ArchiveSession {
    Q_DECLARE_TR_FUNCTIONS(ArchiveSession)

public:
    // `libraries`: stand-ins for the engine's in tests.
    explicit ArchiveSession(EngineLibraries libraries = EngineLibraries::linked());
    ~ArchiveSession();
    ArchiveSession(const ArchiveSession &) = delete;
    ArchiveSession &operator=(const ArchiveSession &) = delete;

    TZipEngine engine;

    // The current archive, read from the component's ZipFilename (the one
    // place it is kept); empty when none is current.
    QString archivePath() const;
    bool hasArchive() const { return !engine.ZipFilename().empty(); }
    // What the status bar shows: the path, "None" before any archive and
    // "<none>" once the current one was deleted.
    QString archiveCaption() const;
    // Why the archive is only read, for a sentence: "split" in the user's
    // language, else the name of a format that is only read ("rar");
    // empty for an archive that is written.
    QString readOnlyKind() const;
    // Whether the listing is out of date, the current archive read-only, or
    // not made yet.
    ArchiveState archiveState() const;
    // What task bars and window lists name the window by: "Orvex 97", or
    // the current archive's file name followed by " - Orvex 97".
    QString windowTitle() const;
    // Makes `path` current and reads it. A failed read throws with the path
    // still current, and the members read before the failure listed. A read
    // the user cancelled throws EReadCancelled and leaves the archive before
    // it current, its members listed.
    void openArchive(const QString &path);
    // Reads the member list of `name` (the current archive's, for a re-read)
    // through the operation frame, which keeps the window live.
    void readMembers(const std::string &name);
    // The current archive was deleted: none is current any more.
    void forgetDeletedArchive();
    // Told after the current archive changed (also before a failed read throws).
    std::function<void()> OnArchiveChanged;

    // The listing whose selection the commands act on.
    void setListing(const ListingSelection *listing) { listing_ = listing; }
    // Rows including the title row; 0 without a listing.
    int listingRowCount() const;
    // Selected rows below the title row.
    int selectedRowCount() const;
    QString topSelectedText() const;
    // The selected members' stored names, top to bottom; a selected folder row
    // adds every member under the folder.
    std::vector<std::string> selectedNames() const;
    // Whether a selected row stands for a folder and everything in it.
    bool folderSelected() const;
    // The top selected row's stored name; for a folder row the stored
    // folder its members share, ending in '/'. Empty when none is selected.
    std::string topSelectedStoredName() const;
    static bool isFolderName(const std::string &name);
    // The first `depth` folders of a stored name, as stored: "./docs/api/x"
    // at depth 2 is "./docs/api/", the folder the listing shows as "docs/api/".
    static std::string storedFolderOf(const std::string &stored, int depth);
    // The folder the listing shows, as stored, ending in '/'; empty at the
    // archive's top and in the flat list.
    std::string shownFolder;

    // The frame every operation runs in; the window makes it with its status
    // and message windows.
    void setOperationFrame(std::unique_ptr<OperationFrame> frame);
    OperationFrame &operationFrame() { return *frame_; }
    bool hasOperationFrame() const { return frame_ != nullptr; }
    bool operationRunning() const;

    // The archive was changed after its members were last read (a re-read
    // the user stopped); a complete read clears it.
    bool listingOutOfDate = false;

    // The file dialog's last name (its folder is where the add dialog starts).
    QString openDialogFileName;
    // The member last chosen by the edit or run command, as the listing shows
    // it; the editor reads it when it closes.
    QString memberName;
    // Its stored bytes, which differ from memberName for a name decoded from
    // another system's code page.
    std::string memberStoredName;

    // Where this run's copies of members go; made on first use and removed,
    // with every copy in it, when the session ends.
    platform::WorkingArea &workingArea();

    // The copies handed to other programs whose changes are offered back to
    // the current archive; their watch ends when another archive becomes
    // current or the session ends.
    ExternalEditWatch &externalEdits();

private:
    // Tells the watch of other programs' edits which archive is current.
    void archiveChanged();

    std::unique_ptr<platform::WorkingArea> workingArea_;
    // After the working area: it ends first, its copies still there.
    std::unique_ptr<ExternalEditWatch> externalEdits_;
    const ListingSelection *listing_ = nullptr;
    std::unique_ptr<OperationFrame> frame_;
    bool archiveDeleted_ = false;
};
