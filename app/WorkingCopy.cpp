#include "app/WorkingCopy.h"

#include "platform/WorkingArea.h"

#include <QDirIterator>
#include <QFileInfo>
#include <utility>

WorkingCopy::WorkingCopy(QString folder) : folder_(std::move(folder))
{
    // One member was extracted, so one entry that is no folder is expected;
    // a second would mean the folder is not what this copy made.
    QDirIterator entries(folder_, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
    int found = 0;
    while (entries.hasNext()) {
        const QFileInfo entry(entries.next());
        if (entry.isDir() && !entry.isSymLink())
            continue;
        ++found;
        path_ = entry.filePath();
        isLink_ = entry.isSymLink();
    }
    if (found != 1) {
        path_.clear();
        isLink_ = false;
    }
}

WorkingCopy::~WorkingCopy()
{
    platform::WorkingArea::removeFolder(folder_);
}

WorkingCopy::WorkingCopy(WorkingCopy &&other) noexcept
    : folder_(std::exchange(other.folder_, QString())), path_(std::exchange(other.path_, QString())),
      isLink_(std::exchange(other.isLink_, false))
{
}

WorkingCopy &WorkingCopy::operator=(WorkingCopy &&other) noexcept
{
    if (this != &other) {
        platform::WorkingArea::removeFolder(folder_);
        folder_ = std::exchange(other.folder_, QString());
        path_ = std::exchange(other.path_, QString());
        isLink_ = std::exchange(other.isLink_, false);
    }
    return *this;
}
