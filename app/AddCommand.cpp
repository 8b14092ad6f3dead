#include "app/AddCommand.h"

#include "app/AddPasswordScope.h"
#include "app/OperationFrame.h"
#include "app/Session.h"
#include "dialogs/AddForm.h"
#include "platform/Prompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <utility>

namespace AddCommand {

namespace {

// Restores the component's handlers and base folder however the adds end,
// and notes a cancel that the handlers let through, which the component
// forgets when its call returns.
class CancelWatch {
public:
    explicit CancelWatch(TZipEngine &engine) : engine_(engine), progress_(engine.OnProgress), message_(engine.OnMessage)
    {
        engine.OnProgress = [this](TZipEngine &sender, ProgressType type, const std::string &name, int32_t size) {
            if (progress_)
                progress_(sender, type, name, size);
            cancelled_ = cancelled_ || sender.Cancel;
        };
        engine.OnMessage = [this](TZipEngine &sender, int code, const std::string &text) {
            if (message_)
                message_(sender, code, text);
            cancelled_ = cancelled_ || sender.Cancel;
        };
    }
    ~CancelWatch()
    {
        engine_.OnProgress = std::move(progress_);
        engine_.OnMessage = std::move(message_);
        engine_.AddBaseDir.clear();
    }
    bool cancelled() const { return cancelled_ || engine_.Cancel; }

private:
    TZipEngine &engine_;
    TProgressEvent progress_;
    TMessageEvent message_;
    bool cancelled_ = false;
};

}  // namespace

std::vector<FolderGroup> folderGroups(const QStringList &entries, bool fullPaths)
{
    if (fullPaths)
        return {{QString(), entries}};
    std::vector<FolderGroup> groups;
    for (const QString &entry : entries) {
        const QFileInfo info(QDir::cleanPath(entry));
        QString name = info.fileName();
        QString folder = info.path();
        if (name.isEmpty()) {
            folder.clear();
            name = entry;
        }
        auto group =
            std::find_if(groups.begin(), groups.end(), [&](const FolderGroup &g) { return g.folder == folder; });
        if (group == groups.end())
            group = groups.insert(groups.end(), {folder, {}});
        if (!group->names.contains(name))
            group->names << name;
    }
    return groups;
}

void addGroups(TZipEngine &engine, const std::vector<FolderGroup> &groups)
{
    CancelWatch watch(engine);
    int32_t added = 0;
    for (const FolderGroup &group : groups) {
        engine.AddBaseDir = QFile::encodeName(group.folder).toStdString();
        engine.FileSpecs.clear();
        for (const QString &name : group.names)
            engine.FileSpecs.push_back(QFile::encodeName(name).toStdString());
        engine.Add();
        added += std::max<int32_t>(engine.LastResult, 0);
        if (watch.cancelled())
            break;
    }
    // The count box counts every folder's members.
    if (groups.size() > 1)
        engine.LastResult = added;
}

QString dialogFolder(const QString &fileName)
{
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : fileName.left(slash + 1);
}

OperationTexts operationTexts(const QString &archive)
{
    return {QStringLiteral("Adding file(s)"), QStringLiteral("Beginning Add to ") + archive,
            QStringLiteral("Error in Extract; Fatal DLL Exception"), QStringLiteral(" files were added")};
}

void run(ArchiveSession &session, QWidget *parent, TAddForm &dialog)
{
    TZipEngine &engine = session.engine;
    if (!session.hasArchive()) {
        platform::warningBox(parent, QStringLiteral("You must create a new zipfile or open a zipfile first!"));
        return;
    }
    const QString folder = dialogFolder(session.openDialogFileName);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    const AddFormResult result = dialog.ask();
    if (result.DialogCancelled)
        return;
    if (result.entries.isEmpty()) {
        platform::warningBox(parent, QStringLiteral("No files selected!"));
        return;
    }

    engine.AddOptions = ::addOptionsFor(result.choices);
    engine.AddCompLevel = result.choices.level;
    const auto groups = folderGroups(result.entries, result.choices.fullPaths);
    {
        const AddPasswordScope password(engine, result.password.toStdString());
        session.operationFrame().run(operationTexts(session.archivePath()), [&] { addGroups(engine, groups); });
    }
    // A refused or failed add keeps the list, so that the user can try again.
    if (engine.LastResult > 0)
        dialog.clearList();
}

}  // namespace AddCommand
