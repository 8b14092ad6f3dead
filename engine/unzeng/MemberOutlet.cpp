#include "engine/unzeng/MemberOutlet.h"

namespace unzeng {

bool MemberOutlet::call(int32_t event, int64_t index, const void *bytes, uint64_t length)
{
    if (!stopped_ && callback_(instance_, event, index, bytes, length) != 0)
        stopped_ = true;
    return !stopped_;
}

bool MemberOutlet::begin(int64_t index, const std::string &name)
{
    current_ = index;
    return call(MemberDataBegin, index, name.data(), name.size());
}

bool MemberOutlet::piece(const uint8_t *data, size_t length)
{
    return length == 0 || call(MemberDataPiece, current_, data, length);
}

bool MemberOutlet::end(int64_t index, bool complete)
{
    current_ = -1;
    return call(MemberDataEnd, index, nullptr, complete ? 1 : 0);
}

}  // namespace unzeng
