#include "app/CommentCommand.h"

#include "app/ArchiveComment.h"
#include "app/OperationFrame.h"
#include "app/Session.h"
#include "dialogs/CommentForm.h"
#include "engine/ArchiveSummary.h"
#include "engine/zipformat/ZipRecords.h"
#include "platform/Prompts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <climits>

namespace comment_command {

void show(ArchiveSession &session, QWidget *parent, const std::function<void(const std::string &bytes)> &changed)
{
    const QString archive = session.archivePath();
    if (archive.isEmpty() || !QFileInfo(archive).isFile()) {
        platform::warningBox(
            parent,
            QCoreApplication::translate("comment_command", "Zipfile not found: %1").arg(session.archiveCaption()));
        return;
    }
    TZipEngine &engine = session.engine;
    const QString name = QFileInfo(archive).fileName();
    if (!engine.OtherFormat().empty()) {
        // libarchive gives no archive comment for any format it reads.
        //: %1 is the archive's file name, %2 its format ("tar.gz", "7z")
        platform::plainBox(parent, QCoreApplication::translate("comment_command",
                                                               "%1 is a %2 archive: no comment of it can be read here.")
                                       .arg(name, QString::fromStdString(engine.OtherFormat())));
        return;
    }
    const orvex::ArchiveSummary summary = orvex::summarizeArchive(engine);
    const std::string stored = summary.comment;
    const QString shown = archive_comment::decode(stored, engine.NameCharset, engine.EntryList());
    const bool editable = !engine.ReadOnly();
    const QString note =
        editable ? QCoreApplication::translate("comment_command",
                                               "Read as UTF-8, or else in the code page of the members' names; "
                                               "a changed comment is written as UTF-8.")
                 //: %1 says why the archive is read-only ("split", "tar.gz")
                 : QCoreApplication::translate("comment_command",
                                               "Read as UTF-8, or else in the code page of the members' names. A "
                                               "%1 archive cannot be changed.")
                       .arg(session.readOnlyKind());
    auto *form = new CommentForm(name, shown, note, editable, parent);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->refusal = [stored](const QString &text) {
        const std::size_t size = archive_comment::encode(text, stored).size();
        if (size <= zipformat::MaxCommentLength)
            return QString();
        // No comment typed comes near an int's bytes; the cap only keeps the conversion sound.
        const int bytes = size > std::size_t(INT_MAX) ? INT_MAX : int(size);
        //: %Ln is the comment's size in bytes, %1 the most a ZIP archive's comment holds
        return QCoreApplication::translate("comment_command",
                                           "The comment takes %Ln bytes; a ZIP archive's comment holds at most %1.",
                                           nullptr, bytes)
            .arg(QLocale().toString(qulonglong(zipformat::MaxCommentLength)));
    };
    QObject::connect(form, &QDialog::accepted, form, [form, shown, stored, changed] {
        // Left as shown: nothing to write, also for a comment read from a
        // code page, whose bytes would change.
        if (form->text() != shown)
            changed(archive_comment::encode(form->text(), stored));
    });
    form->open();
}

void write(ArchiveSession &session, const QString &archive, const std::string &bytes)
{
    if (session.archivePath() != archive || !QFileInfo(archive).isFile())
        return;
    const OperationTexts texts{
        QCoreApplication::translate("comment_command", "Writing the comment"),
        //: The message window's first line; %1 is the archive's path
        QCoreApplication::translate("comment_command", "Beginning comment of %1").arg(archive),
        QCoreApplication::translate("comment_command", "Fatal error trying to write the comment"), QString()};
    session.operationFrame().run(
        texts, [&](orvex::ComponentEvents &events) { session.engine.SetComment(bytes, events); },
        [] { return QString(); });
}

QString memberComment(const TZipEngine &engine, int entry)
{
    const std::string stored = engine.EntryComment(entry);
    return stored.empty() ? QString() : archive_comment::decode(stored, engine.NameCharset, engine.EntryList());
}

}  // namespace comment_command
