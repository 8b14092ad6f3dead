#pragma once
// The PKZIP 1.x methods: Shrink (1), Reduce (2 to 5) and Implode (6). Their
// streams carry no end marker; each decoder stops at the member's size.

#include "engine/unzeng/StreamDecoder.h"

#include <cstdint>
#include <memory>

namespace unzeng {

std::unique_ptr<StreamDecoder> makeShrinkDecoder(uint64_t unpackedSize);
// `factor`: 1 to 4, the method minus 1.
std::unique_ptr<StreamDecoder> makeReduceDecoder(unsigned factor, uint64_t unpackedSize);
std::unique_ptr<StreamDecoder> makeImplodeDecoder(bool largeWindow, bool literalTree, uint64_t unpackedSize);

}  // namespace unzeng
