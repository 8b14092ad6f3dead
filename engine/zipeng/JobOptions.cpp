#include "engine/zipeng/JobOptions.h"

namespace zipeng {

namespace tuning {
uint64_t wholeFileLimit = 256u << 20;
size_t streamChunk = 0;
size_t copyBlock = 4u << 20;
std::chrono::nanoseconds workingInterval = std::chrono::milliseconds(100);
std::atomic<uint64_t> piecesDeflated{0};
}  // namespace tuning

}  // namespace zipeng
