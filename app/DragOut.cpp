#include "app/DragOut.h"

#include "app/MemberCommands.h"
#include "app/Session.h"
#include "platform/WorkingArea.h"

#include <QDir>
#include <QDrag>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <unordered_set>

DragOut::DragOut(ArchiveSession &session, QWidget *parent, QWidget *source)
    : session_(session), parent_(parent), source_(source)
{
}

DragOut::~DragOut()
{
    for (const QString &folder : std::as_const(folders_))
        platform::WorkingArea::removeFolder(folder);
}

void DragOut::remove(const QString &folder)
{
    platform::WorkingArea::removeFolder(folder);
    folders_.removeAll(folder);
}

std::unique_ptr<QMimeData> DragOut::prepareMimeData()
{
    std::vector<std::string> names = session_.selectedNames();
    if (names.empty())
        return nullptr;
    // A folder no one has used before, in the working area: a copy there is
    // the user's alone, and goes when the program ends at the latest.
    const QString folder = session_.workingArea().newFolder();
    folders_ << folder;
    // A selected folder row stands for itself even when nothing under it is written.
    std::unordered_set<std::string> folderRows;
    for (const std::string &name : names)
        if (ArchiveSession::isFolderName(name))
            folderRows.insert(name);

    if (!member_commands::extractMembers(session_, parent_, folder, std::move(names),
                                         ExtrOpts{ExtrDirNames, ExtrPrivate}, nullptr, session_.shownFolder)) {
        remove(folder);
        return nullptr;
    }
    // What the extraction refused was not written, and a folder it made only
    // for refused members stays empty: neither is offered.
    QList<QUrl> urls;
    const QFileInfoList written =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo &item : written) {
        if (item.isSymLink())
            continue;
        const bool offered =
            item.isFile()
            || (item.isDir()
                && (!QDir(item.filePath())
                         .isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
                    || folderRows.count(QFile::encodeName(item.fileName()).toStdString() + '/')));
        if (offered)
            urls << QUrl::fromLocalFile(item.filePath());
    }
    if (urls.isEmpty()) {
        remove(folder);
        return nullptr;
    }
    auto mime = std::make_unique<QMimeData>();
    mime->setUrls(urls);
    return mime;
}

void DragOut::start()
{
    std::unique_ptr<QMimeData> mime = prepareMimeData();
    if (!mime)
        return;
    auto *drag = new QDrag(source_);
    drag->setMimeData(mime.release());
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}
