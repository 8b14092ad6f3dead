#pragma once
// Deflate64 (ZIP method 9): deflate with a 64 KiB window, length code 285
// carrying 16 extra bits and distance codes 30 and 31. No packaged library
// decodes it, so it is ours.

#include "engine/unzeng/StreamDecoder.h"

#include <cstdint>
#include <memory>

namespace unzeng {

std::unique_ptr<StreamDecoder> makeDeflate64Decoder();

}  // namespace unzeng
