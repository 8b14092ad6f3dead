#include "app/DropAdd.h"

#include "app/AddCommand.h"
#include "app/OperationFrame.h"
#include "app/Session.h"
#include "dialogs/AddForm.h"
#include "platform/Prompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace drop_add {

namespace {

// Dropped items grouped by the folder they lie in, in the order dropped:
// each group is one add with that folder as its base.
std::vector<std::pair<QString, QStringList>> byFolder(const QStringList &paths)
{
    std::vector<std::pair<QString, QStringList>> groups;
    for (const QString &path : paths) {
        const QFileInfo info(QDir::cleanPath(path));
        const QString name = info.fileName();
        if (name.isEmpty())
            continue;  // the root folder has no name to store under
        const QString folder = info.absolutePath();
        auto group = std::find_if(groups.begin(), groups.end(), [&](const auto &g) { return g.first == folder; });
        if (group == groups.end())
            group = groups.insert(groups.end(), {folder, {}});
        if (!group->second.contains(name))
            group->second << name;
    }
    return groups;
}

// Restores the component's handlers and base folder however the add ends,
// and notes a cancel that the handlers let through, which the component
// forgets when its call returns.
class CancelWatch {
public:
    explicit CancelWatch(TZipEngine &engine)
        : engine_(engine), progress_(engine.OnProgress), message_(engine.OnMessage)
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

QStringList localPaths(const QMimeData &mime)
{
    QStringList paths;
    for (const QUrl &url : mime.urls()) {
        const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
        // A name ends at its first NUL for the system: "a%00b" would add "a".
        if (!path.isEmpty() && !path.contains(QChar(0)))
            paths << QFileInfo(path).absoluteFilePath();
    }
    return paths;
}

bool accepts(const ArchiveSession &session, const QObject *window, const QMimeData *mime, const QObject *source)
{
    if (!mime || session.operationRunning())
        return false;
    // Our own members dragged back in would be added from the staging folder.
    for (const QObject *o = source; o; o = o->parent())
        if (o == window)
            return false;
    return !localPaths(*mime).isEmpty();
}

AddOpts addOptionsFor(const AddFormChoices &choices)
{
    AddOpts options = AddCommand::addOptionsFor(choices);
    options.insert(AddDirNames).insert(AddRecurseDirs);
    // A drop copies; the user did not ask for the files to go.
    options.erase(AddMove);
    return options;
}

void addDropped(ArchiveSession &session, QWidget *parent, const TAddForm *addDialog, const QStringList &paths,
                const std::function<void()> &createArchive)
{
    const auto groups = byFolder(paths);
    if (groups.empty())
        return;
    TZipEngine &engine = session.engine;
    if (!session.hasArchive()) {
        if (!platform::confirmBox(parent,
                                  QStringLiteral("No archive is open. Create a new archive for the dropped files?")))
            return;
        createArchive();
        if (!session.hasArchive())
            return;
    }
    const AddFormChoices choices = addDialog ? addDialog->choices() : AddFormChoices{};
    session.operationFrame().run(AddCommand::operationTexts(session.archivePath()), [&] {
        CancelWatch watch(engine);
        int32_t added = 0;
        for (const auto &[folder, names] : groups) {
            engine.AddOptions = addOptionsFor(choices);
            engine.AddCompLevel = choices.level;
            engine.AddBaseDir = QFile::encodeName(folder).toStdString();
            engine.FileSpecs.clear();
            for (const QString &name : names)
                engine.FileSpecs.push_back(QFile::encodeName(name).toStdString());
            engine.Add();
            added += std::max<int32_t>(engine.LastResult, 0);
            if (watch.cancelled())
                break;
        }
        // The count box counts every folder's members.
        if (groups.size() > 1)
            engine.LastResult = added;
    });
}

}  // namespace drop_add
