#pragma once
// orvexzip's list, test and extract for archives that are not ZIP (tar, 7z,
// RAR, ISO, cpio, ...), read by engine/otherformats. Rows, counts, messages
// and exit statuses are those of the ZIP commands, so that a script reading
// orvexzip's output need not know which reader ran.

#include "engine/otherformats/OtherFormats.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace cli {

// True when `path` is an archive for engine/otherformats: anything else
// (ZIP, an unreadable or missing file) stays with the ZIP engine, whose
// messages already cover it.
bool isOtherFormat(const std::string &path);

// The password of --password-file FILE for libarchive, which takes it before
// reading; nothing without the option. False, said on stderr, when the file
// cannot be used.
bool otherFormatPassword(const std::map<std::string, std::string> &options, std::optional<std::string> &password);

// The read options every command gives: the stop signals as cancel, the
// progress line on a terminal.
otherformats::ReadOptions otherReadOptions(std::optional<std::string> password);

// Writes the problems to stderr as the ZIP engine's messages; true when any
// counts as an error (a kept existing file does not, as with ZIP).
bool reportProblems(const std::vector<otherformats::Problem> &problems);

int listOtherArchive(const std::string &archive);
int testOtherArchive(const std::string &archive, const std::map<std::string, std::string> &options,
                     const std::vector<std::string> &names);
int extractOtherArchive(const std::string &archive, const std::map<std::string, std::string> &options,
                        const std::vector<std::string> &names);

}  // namespace cli
