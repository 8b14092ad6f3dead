#pragma once
// Small archives of formats other than ZIP that send a reader into a loop
// or through more memory or processor time than any archive needs: what a
// reader confined under limits must stop, whatever it is given. Each is
// built byte by byte from its format's public description, so that no
// peer tool's version decides what a test reads.

#include <string>

namespace ziptest {

// An ISO 9660 image with Rock Ridge names whose one file continues its
// system use entries ("CE") in an area that continues into itself, each
// pass adding to the file's name: the reader goes round without end,
// taking memory as it goes.
std::string isoContinuingIntoItself();

// Gzip inside gzip, four deep, around a tar of two files: "huge", 1 TiB of
// zeros, and "after.txt". A few KiB that take an hour or more of inflating
// to pass over the first, with nothing to show meanwhile, and reach the second.
std::string nestedGzipOfAHugeEntry();

// A xar whose first file is twice a hard link to the second, the original:
// the reader walks the links round and round, sending nothing.
std::string xarLinkedTwice();

// A solid RAR5 whose one entry, a directory, holds compressed data: the
// reader refuses to decompress it and then comes back with the same
// failure, without a name, again and again.
std::string rar5SolidDirectoryWithData();

}  // namespace ziptest
