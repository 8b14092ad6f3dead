#pragma once
// Runs a file manager's request (batch::Arguments) with the program's
// windows but without showing the main window: the status window shows
// each operation with its Cancel, questions and errors come as boxes, and
// a box at the end names whatever failed.

#include "app/BatchArguments.h"
#include "app/OperationFrame.h"
#include "engine/EngineOptions.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>

struct ApplicationWindows;
class ArchiveSession;
class QWidget;

class BatchRun {
    Q_DECLARE_TR_FUNCTIONS(BatchRun)

public:
    explicit BatchRun(ApplicationWindows &windows);

    // The exit status: 0 when everything asked was done, 1 otherwise.
    int run(const batch::Arguments &arguments);

    // The formats an archive can be made in, by suffix, ZIP first.
    static const QStringList &writtenSuffixes();
    // The name "Compress…" proposes for `files`: the one file's or folder's
    // name, or for several their folder's, with .zip, beside them.
    static QString proposedArchive(const QStringList &files);

private:
    // Each extracts or adds, says what went wrong in failures_, and is
    // false unless all went well.
    bool extractInto(const QString &archive, const QString &parent);
    bool extractAsked(const QStringList &archives);
    // Every member of the archive just opened into `target`; the status
    // window names `shownTarget` when one is given.
    bool extractAll(const QString &archive, const QString &target, const ExtractOptionChoices &options,
                    const QString &shownTarget = {});
    // False, with the failure said, when `folder` cannot be made.
    bool madeFolder(const QString &folder);
    bool compress(const QStringList &files);
    bool addTo(const QString &archive, const QStringList &files);
    // Makes `archive` anew from `files` beside it, then puts it in place;
    // an existing one is replaced only when the user says so.
    bool makeArchive(const QString &archive, const QStringList &files, int level, const QString &password);
    bool addFiles(const QStringList &files, const QString &password);
    bool open(const QString &archive);
    bool failed(const QString &why);
    // Runs `call` in the operation frame, without the count box: false when
    // it failed or was cancelled.
    using EngineCall = std::function<orvex::OperationResult(orvex::ComponentEvents &events)>;
    bool runOperation(const QString &archive, const OperationTexts &texts, const EngineCall &call,
                      orvex::ComponentEvents *answering = nullptr);

    ApplicationWindows &windows_;
    ArchiveSession &session_;
    QWidget *owner_;
    QStringList failures_;
    bool cancelled_ = false;
};
