// libFuzzer target: finding the end record and walking the central directory
// over bytes in memory, and the record parsers under them.

#include "engine/zipformat/ByteSource.h"
#include "engine/zipformat/CentralDirectory.h"
#include "engine/zipformat/ZipRecords.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace zipformat;

namespace {

[[noreturn]] void fault(const char *what)
{
    std::fprintf(stderr, "fuzz_central_directory: %s\n", what);
    std::abort();
}

bool within(Bytes inner, Bytes outer)
{
    return inner.empty()
           || (inner.data() >= outer.data() && inner.data() + inner.size() <= outer.data() + outer.size());
}

// Touches every byte so that ASan sees a span that points outside its record.
unsigned sum(Bytes bytes)
{
    unsigned s = 0;
    for (uint8_t b : bytes)
        s += b;
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Bytes input(data, size);
    volatile unsigned sink = 0;

    // The parsers on the raw bytes, as a record at the start of a buffer.
    if (const auto h = parseCentralHeader(input)) {
        if (h->recordSize > size || !within(h->name, input) || !within(h->extra, input) || !within(h->comment, input))
            fault("a parsed record points outside its bytes");
        sink = sink + sum(h->name) + sum(h->extra) + sum(h->comment);
    }
    ExtraFieldIterator blocks(input);
    while (const auto block = blocks.next()) {
        if (!within(block->data, input))
            fault("an extra block points outside the field");
        sink = sink + sum(block->data);
        if (const auto stamp = parseExtendedTimestamp(block->data))
            sink = sink + unsigned(stamp->modified.value_or(0));
        const Zip64Values v = parseZip64Block(block->data, {true, true, true, true});
        sink = sink + unsigned(v.unpackedSize.value_or(0) + v.packedSize.value_or(0));
        const Zip64Values local = parseLocalZip64Block(block->data, true, true);
        sink = sink + unsigned(local.unpackedSize.value_or(0));
    }

    const MemorySource source(input);
    const auto location = locateCentralDirectory(source);
    if (!location)
        return 0;
    // What was found lies inside the file: the end record, and the directory
    // before it.
    if (location->endRecordOffset > size || size - location->endRecordOffset < EndRecordSize)
        fault("the end record lies outside the file");
    const uint64_t directoryEnd = location->zip64EndRecordOffset.value_or(location->endRecordOffset);
    if (location->zip64EndRecordOffset
        && (*location->zip64EndRecordOffset > location->endRecordOffset
            || location->endRecordOffset - *location->zip64EndRecordOffset < Zip64EndRecordSize))
        fault("the ZIP64 end record does not fit before the end record");
    if (location->fileOffset() < location->archiveStart || location->fileOffset() > directoryEnd)
        fault("the central directory lies outside the file");

    CentralDirectoryReader reader(source, *location);
    uint64_t walked = 0;
    while (const auto h = reader.next()) {
        walked += h->recordSize;
        if (walked > directoryEnd - location->fileOffset())
            fault("the walk went past the end record");
        sink = sink + sum(h->name) + sum(h->extra) + sum(h->comment);
    }
    (void)sink;
    return 0;
}
