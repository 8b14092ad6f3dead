#pragma once
// Members dragged out of the grid: the selected members are extracted with
// their folders into a staging folder of their own in the working area, as
// private copies (the user's alone, never executable), and their top-level
// files and folders are handed to the drop target as file URLs. The staging
// folders go with the window.

#include <QStringList>
#include <memory>

class ArchiveSession;
class QMimeData;
class QWidget;

class DragOut {
public:
    // Boxes go over `parent`; drags start from `source` (the listing).
    DragOut(ArchiveSession &session, QWidget *parent, QWidget *source);
    ~DragOut();
    DragOut(const DragOut &) = delete;
    DragOut &operator=(const DragOut &) = delete;

    // Extracts the selected members into a new staging folder and returns
    // the URLs of what was written there at its top level; null when nothing
    // was, or the window is closing.
    std::unique_ptr<QMimeData> prepareMimeData();
    // Prepares and runs the drag; returns when it has been dropped or given up.
    void start();

    // The staging folders made so far, each ending in '/'.
    const QStringList &stagingFolders() const { return folders_; }

private:
    void remove(const QString &folder);

    ArchiveSession &session_;
    QWidget *parent_;
    QWidget *source_;
    QStringList folders_;
};
