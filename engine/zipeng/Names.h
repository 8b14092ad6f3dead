#pragma once
// Stored names: how a path on disk becomes a member name, the DOS 8.3 form
// of a name, and which stored names may be read as paths.

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

// Why a member's stored name must not be read as a path on disk, or empty
// when it may: the rules of extraction (a NUL byte; an absolute name, drive
// prefixes included; a ".." component, '\' counting as a separator).
std::string unsafeSourceName(std::string_view name);

// True when every byte is below 0x80.
bool isAscii(std::string_view text);
// Well-formedness of UTF-8 and the DOS date and time fields are
// zipformat's (Utf8.h, DosTime.h).

}  // namespace zipeng
