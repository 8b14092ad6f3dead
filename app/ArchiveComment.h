#pragma once
// The archive comment as text: a ZIP keeps it as bytes with no word on
// their encoding, so it is read as UTF-8 when it is valid UTF-8 and
// otherwise in the code page the members' names are read in.

#include "engine/ArchiveEntry.h"

#include <QString>
#include <string>
#include <vector>

namespace archive_comment {

// `codePage` as the component's NameCharset ("" guesses it from the names).
QString decode(const std::string &bytes, const std::string &codePage, const std::vector<ArchiveEntry> &entries);

// The bytes to store for `text`: UTF-8, with control characters shown as
// their pictures put back, and DOS line ends where `original` had them.
std::string encode(const QString &text, const std::string &original);

}  // namespace archive_comment
