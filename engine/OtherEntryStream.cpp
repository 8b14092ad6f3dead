#include "engine/OtherEntryStream.h"

#include "engine/OtherFormatMembers.h"
#include "engine/otherformats/OtherFormats.h"

#include <atomic>

namespace orvex {

StreamOutcome readOtherEntries(const std::string &path, const std::optional<std::string> &password, EntrySink &sink,
                               ArchiveEvents &events)
{
    StreamOutcome outcome;
    std::atomic<bool> stop = events.stopRequested();
    otherformats::ReadOptions options;
    options.password = password;
    options.cancel = &stop;
    options.stopAsked = [&events] { return events.stopRequested(); };
    options.progress = [&](const otherformats::Progress &) { stop = stop || events.stopRequested(); };
    options.problem = [&](const otherformats::Problem &problem) {
        events.message(problemCode(problem), problemText(problem));
    };
    uint64_t refused = 0;
    bool toldSink = false;
    otherformats::StreamCallbacks callbacks;
    callbacks.begin = [&](const otherformats::Entry &entry) {
        StreamEntry told;
        told.name = entry.name;
        told.modified = entry.modified;
        told.modifiedNanos = entry.modifiedNanos;
        told.mode = entry.mode & 07777;
        told.uid = entry.uid;
        told.gid = entry.gid;
        told.owner = entry.owner;
        told.group = entry.group;
        switch (entry.kind) {
        case otherformats::EntryKind::Directory:
            told.kind = StreamEntryKind::Directory;
            if (told.name.empty() || told.name.back() != '/')
                told.name += '/';
            break;
        case otherformats::EntryKind::Symlink:
            told.kind = StreamEntryKind::Symlink;
            told.linkTarget = entry.linkTarget;
            break;
        case otherformats::EntryKind::HardLink:
            // A cpio link carries its data: it is a file like any other.
            if (entry.size.value_or(0) == 0) {
                told.kind = StreamEntryKind::HardLink;
                told.linkTarget = entry.linkTarget;
            }
            break;
        case otherformats::EntryKind::Other: {
            ++refused;
            const otherformats::Problem problem{entry.name, otherformats::ProblemKind::Refused,
                                                "a device, FIFO or socket, which is not copied"};
            events.message(problemCode(problem), problemText(problem));
            toldSink = false;
            return false;
        }
        case otherformats::EntryKind::File: break;
        }
        told.size = entry.size;
        ++outcome.entries;
        toldSink = true;
        return sink.begin(told);
    };
    callbacks.data = [&](const void *bytes, size_t size) {
        if (events.stopRequested())
            return false;
        return sink.data(bytes, size);
    };
    // A refused entry was never told to the sink.
    callbacks.end = [&](bool complete) { return !toldSink || sink.end(complete); };
    const otherformats::StreamResult result = otherformats::stream(path, options, callbacks);
    outcome.failed = result.failed + refused;
    outcome.stopped = result.stopped || result.cancelled;
    return outcome;
}

}  // namespace orvex
