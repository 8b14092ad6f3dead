#pragma once
// Stored names and times: how a path on disk becomes a member name, the DOS
// 8.3 form of a name, and the DOS date and time fields of the headers.

#include <cstdint>
#include <string>
#include <string_view>

namespace zipeng {

// A path as a relative member name: components joined by '/', with empty
// components and "." dropped and ".." resolved lexically. A ".." that would
// climb above the start is dropped, so the name can never lead out of the
// directory it is extracted into. "/a/b", "./a//b" and "../a/b" all give "a/b";
// ".", "/" and ".." give "".
std::string relativeName(std::string_view path);

// The last component of a relative name ("a/b" -> "b").
std::string_view lastComponent(std::string_view name);

// Each component of a relative name fitted to the DOS 8.3 form: characters
// DOS refuses dropped, leading dots dropped, the part before the first dot cut
// to 8 characters, the part after it (up to a second dot) to 3, upper case.
// Characters outside ASCII become '_', so that no UTF-8 sequence is cut in
// half; a component left empty becomes "_".
std::string dosName(std::string_view name);

// Text made safe to show on one line: ASCII control characters, C1
// controls (U+0080-U+009F, and the raw bytes 0x80-0x9F where they are not
// part of a UTF-8 sequence), the line and paragraph separators U+2028/2029
// and the bidirectional controls U+202A-202E and U+2066-2069 each become '?'.
// Everything else, other bytes that are not UTF-8 included, is kept.
std::string printableText(std::string_view text);

// Why a member's stored name must not be read as a path on disk, or empty
// when it may: the rules of extraction (a NUL byte; an absolute name, drive
// prefixes included; a ".." component, '\' counting as a separator).
std::string unsafeSourceName(std::string_view name);

// True when every byte is below 0x80.
bool isAscii(std::string_view text);
// True when the bytes form well-formed UTF-8 (no overlong forms, no surrogates).
bool isUtf8(std::string_view text);

struct DosDateTime {
    uint16_t time = 0;
    uint16_t date = 0;
    // One number that orders like the moment it stands for.
    uint32_t packed() const { return (uint32_t(date) << 16) | time; }
};

// Local time in DOS form: 2-second resolution (odd seconds round up), clamped
// to the years 1980 to 2107 the fields can hold.
DosDateTime toDosDateTime(int64_t unixTime);
// The Unix time of a DOS date and time taken as local time.
int64_t fromDosDateTime(DosDateTime dos);

}  // namespace zipeng
