#pragma once
// Member data compressed the way other writers do, for archives built in tests.

#include <string>

namespace ziptest {

std::string rawDeflate(const std::string &data, int level = 6);
std::string zstdCompress(const std::string &data);
std::string xzCompress(const std::string &data);  // method 95 data, a small dictionary
// Method 14 data: ZIP's LZMA header and a raw LZMA1 stream.
std::string zipLzma(const std::string &data, bool endMarker);

}  // namespace ziptest
