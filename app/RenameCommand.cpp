#include "app/RenameCommand.h"

#include "app/OperationFrame.h"
#include "app/Session.h"
#include "engine/zipformat/RenamePlan.h"
#include "platform/Prompts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <string>
#include <vector>

void runRenameCommand(ArchiveSession &session, QWidget *parent)
{
    TZipEngine &engine = session.engine;
    // A format only read: the component says so, as it does for Delete,
    // before a name is asked for nothing.
    if (engine.ReadOnly()) {
        engine.Rename({}, engine.events());
        return;
    }
    // With no archive current the caption is no path: a file of that name
    // in the current directory is not the archive.
    const QString archive = session.archivePath();
    if (archive.isEmpty() || !QFileInfo(archive).isFile()) {
        platform::warningBox(
            parent,
            QCoreApplication::translate("RenameCommand", "Zipfile not found: %1").arg(session.archiveCaption()));
        return;
    }
    if (session.listingRowCount() < 2) {
        platform::warningBox(parent, QCoreApplication::translate("RenameCommand", "Error :No file(s) to rename"));
        return;
    }
    const QString shown = session.topSelectedText();
    // The stored bytes of the top row, which differ from what it shows for a
    // name from another system's code page.
    const std::string from = session.topSelectedStoredName();
    if (shown.isEmpty() || from.empty()) {
        platform::warningBox(parent, QCoreApplication::translate("RenameCommand", "Error :No file selected"));
        return;
    }

    QString typed = shown;
    if (!platform::prompts().inputText(parent, QCoreApplication::translate("RenameCommand", "Rename"),
                                       //: %1 is the member's name
                                       QCoreApplication::translate("RenameCommand", "New name for %1:").arg(shown),
                                       typed))
        return;
    // Left as shown: nothing to write, also for a name decoded from a code
    // page, whose stored bytes differ from what the box was preset with.
    if (typed == shown)
        return;
    const std::string to = typed.toStdString();

    std::vector<std::string> names;
    names.reserve(size_t(engine.EntryCount()));
    for (int i = 0; i < engine.EntryCount(); ++i)
        names.push_back(engine.Entries(i).FileName);
    const zipformat::RenamePlan plan = zipformat::planRename(names, from, to);
    if (plan.refused()) {
        platform::warningBox(parent, QString::fromStdString(plan.refusal));
        return;
    }
    if (plan.renamed.empty())
        return;  // the name as it was: nothing to write

    const OperationTexts texts{QCoreApplication::translate("RenameCommand", "Renaming file(s)"),
                               //: The message window's first line; %1 is the archive's path
                               QCoreApplication::translate("RenameCommand", "Beginning rename in %1").arg(archive),
                               QCoreApplication::translate("RenameCommand", "Fatal error trying to rename"),
                               QStringLiteral(QT_TRANSLATE_N_NOOP("OperationTexts", "%n file(s) were renamed"))};
    session.operationFrame().run(texts, [&](orvex::ComponentEvents &events) {
        engine.Rename(orvex::RenameRequest{.from = from, .to = to}, events);
    });
}
