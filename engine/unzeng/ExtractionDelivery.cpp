// The extraction's one step when a test hands the members' data to the
// caller: apart from the window and workers in Extraction.cpp, which it
// only joins at dispatch() and, for a folder, at folderTested().
#include "engine/unzeng/Extraction.h"

namespace unzeng {

void Extraction::deliver(Item &item)
{
    const Member &m = *item.planned.member;
    const int64_t index = &m - index_.members.data();
    bool goOn = outlet_->begin(index, m.diskName);
    if (goOn) {
        MemberWriter(*writerContext_).write(*item.planned.job);
        goOn = outlet_->end(index, item.planned.job->ok);
    }
    if (!goOn) {
        // The caller's stop ends the test as a cancel does.
        cancel_ = true;
        reporter_.cancel();
    }
    item.finished = true;
}

void Extraction::deliverFolder(const Member &m)
{
    const int64_t index = &m - index_.members.data();
    if (!outlet_->begin(index, m.diskName) || !outlet_->end(index, true)) {
        cancel_ = true;
        reporter_.cancel();
    }
}

}  // namespace unzeng
