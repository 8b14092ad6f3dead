#pragma once
// The one place that knows which formats there are: the backend for an
// archive, chosen by its content.

#include "engine/ArchiveBackend.h"

#include <functional>
#include <memory>
#include <string>

namespace orvex {

struct ZipLibraries;

// The backend for `archive` (an absolute path). A part of a split ZIP set
// (name.zip.002, name.z02, or a last part whose end record names others) is
// ZIP whatever it begins with, since a part after the first starts wherever
// the cut fell, in data that may well look like a gzip or tar stream; then
// a file that begins with a ZIP record is ZIP; then whatever libarchive
// takes for an archive of its own goes to it; anything else, a missing file
// included (the first add makes it), is ZIP, whose reader says what is
// wrong with it. Looking at another format's content runs a reader process
// that `stopAsked` (asked on this thread) stops; with `listingFollows`, the
// backend's list(), called next, reads on with that same reader.
std::unique_ptr<ArchiveBackend> chooseBackend(const std::string &archive, ZipLibraries &libraries,
                                              const std::function<bool()> &stopAsked = {}, bool listingFollows = false);

}  // namespace orvex
