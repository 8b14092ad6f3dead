#include "app/CommentCommand.h"

#include "app/ArchiveComment.h"
#include "app/OperationFrame.h"
#include "app/Session.h"
#include "dialogs/CommentForm.h"
#include "engine/ArchiveSummary.h"
#include "engine/zipformat/ZipRecords.h"
#include "platform/Prompts.h"

#include <QFileInfo>
#include <QLocale>

namespace comment_command {

void show(ArchiveSession &session, QWidget *parent, const std::function<void(const std::string &bytes)> &changed)
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
    const bool editable = !engine.ReadOnly();
    const QString note =
        editable ? QStringLiteral("Read as UTF-8, or else in the code page of the members' names; "
                                  "a changed comment is written as UTF-8.")
                 : QStringLiteral("Read as UTF-8, or else in the code page of the members' names. A %1 archive "
                                  "cannot be changed.")
                       .arg(QString::fromStdString(engine.ReadOnlyKind()));
    auto *form = new CommentForm(name, shown, note, editable, parent);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->refusal = [stored](const QString &text) {
        const std::size_t size = archive_comment::encode(text, stored).size();
        if (size <= zipformat::MaxCommentLength)
            return QString();
        const QLocale locale;
        return QStringLiteral("The comment takes %1 bytes; a ZIP archive's comment holds at most %2.")
            .arg(locale.toString(qulonglong(size)), locale.toString(qulonglong(zipformat::MaxCommentLength)));
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
    const OperationTexts texts{QStringLiteral("Writing the comment"), QStringLiteral("Beginning comment of ") + archive,
                               QStringLiteral("Fatal error trying to write the comment"), QString()};
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
