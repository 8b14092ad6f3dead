#include "app/UpdatePacer.h"

UpdatePacer::UpdatePacer()
{
    elapsed_.start();
    clock_ = [this] { return int64_t(elapsed_.elapsed()); };
}

bool UpdatePacer::due()
{
    const int64_t now = clock_();
    if (started_ && now - last_ < IntervalMs)
        return false;
    started_ = true;
    last_ = now;
    return true;
}
