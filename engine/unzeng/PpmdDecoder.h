#pragma once
// PPMd variant I revision 1 (ZIP method 98), as 7-Zip writes it: a 2-byte
// header (model order, memory size, restoration method), then the range
// coder's stream. The model's memory comes from the lease.

#include "engine/unzeng/StreamDecoder.h"

#include <cstdint>
#include <memory>

namespace unzeng {

std::unique_ptr<StreamDecoder> makePpmdDecoder(uint64_t unpackedSize, MemoryLease &lease);

}  // namespace unzeng
