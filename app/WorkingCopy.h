#pragma once
// A member's copy for editing, running or opening, in a folder of its own
// under the working area. The folder goes with this object, so no copy (the
// plaintext of an encrypted member, perhaps) outlives the command that
// needed it, unless the command hands it to another program and keeps it.

#include <QString>

class WorkingCopy {
public:
    WorkingCopy() = default;
    // Takes charge of `folder` (ending in '/'); what was extracted into it
    // is looked up at once.
    explicit WorkingCopy(QString folder);
    ~WorkingCopy();
    WorkingCopy(WorkingCopy &&other) noexcept;
    WorkingCopy &operator=(WorkingCopy &&other) noexcept;
    WorkingCopy(const WorkingCopy &) = delete;
    WorkingCopy &operator=(const WorkingCopy &) = delete;

    const QString &folder() const { return folder_; }
    // The one file or link extracted into the folder, at whatever depth and
    // under whatever name the extraction gave it; empty when there is none.
    const QString &path() const { return path_; }
    bool exists() const { return !path_.isEmpty(); }
    // The member was a symbolic link: its copy is a link, maybe dangling,
    // that must not be opened or run.
    bool isLink() const { return isLink_; }

    // Another program was handed the copy and may still read it: the folder
    // stays until the working area goes, when the program ends.
    void keepUntilExit() { folder_.clear(); }

private:
    QString folder_;
    QString path_;
    bool isLink_ = false;
};
