#include "app/CommentCommand.h"

#include "app/ArchiveComment.h"
#include "app/Session.h"
#include "dialogs/CommentForm.h"
#include "engine/ArchiveSummary.h"
#include "platform/Prompts.h"

#include <QFileInfo>
#include <QLocale>

namespace comment_command {

void show(ArchiveSession &session, QWidget *parent)
{
    const QString archive = session.archivePath();
    if (archive.isEmpty() || !QFileInfo(archive).isFile()) {
        platform::warningBox(parent, QStringLiteral("Zipfile not found: ") + session.archiveCaption());
        return;
    }
    TZipEngine &engine = session.engine;
    const QString name = QFileInfo(archive).fileName();
    if (!engine.OtherFormat().empty()) {
        // libarchive gives no archive comment for any format it reads.
        platform::plainBox(parent, QStringLiteral("%1 is a %2 archive: no comment of it can be read here.")
                                       .arg(name, QString::fromStdString(engine.OtherFormat())));
        return;
    }
    const orvex::ArchiveSummary summary = orvex::summarizeArchive(engine);
    const std::string stored = summary.comment;
    const QString shown = archive_comment::decode(stored, engine.NameCharset, engine.EntryList());
    auto *form = new CommentForm(
        name, shown, QStringLiteral("Read as UTF-8, or else in the code page of the members' names."), false, parent);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->open();
}

}  // namespace comment_command
