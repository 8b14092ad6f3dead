// Archives that send the reader into a loop, through memory without end or
// through hours of inflating: each read, whichever way, ends at the reader's
// limits with a message naming the archive, and an extraction leaves nothing.
#include "OtherFormatsTesting.h"

#include "support/Files.h"
#include "support/HostileFormats.h"

#include <gtest/gtest.h>

using namespace otherformats;

namespace {

struct Hostile {
    const char *file;
    std::string bytes;
    // Entries to test and extract: the nested gzip's second, so that the
    // reader must pass over the first, rather than write a TiB of it.
    std::vector<uint64_t> selection;
};

// Whether one of `problems` is a reader's limit that names `file`, and
// `reason` when one is given.
bool stoppedReading(const std::vector<Problem> &problems, const std::string &file, const std::string &reason = {})
{
    for (const Problem &p : problems)
        if (p.kind == ProblemKind::Limit && p.text.starts_with("stopped reading " + file + ": " + reason))
            return true;
    return false;
}

std::string texts(const std::vector<Problem> &problems)
{
    std::string out;
    for (size_t i = 0; i < problems.size() && i < 10; ++i)
        out += problems[i].text + "\n";
    return out + std::to_string(problems.size()) + " problem(s)";
}

ReadOptions limited(uint64_t memoryBytes, std::chrono::milliseconds quiet)
{
    ReadOptions read;
    read.limits = {.memoryBytes = memoryBytes, .quiet = quiet, .cpuSeconds = 20};
    return read;
}

}  // namespace

TEST(OtherFormatsConfinement, HostileArchivesEndAtTheReadersLimitsWhicheverWayTheyAreRead)
{
    const Hostile archives[] = {
        {"continued.iso", ziptest::isoContinuingIntoItself(), {}},
        {"huge.tar.gz", ziptest::nestedGzipOfAHugeEntry(), {1}},
        {"linked.xar", ziptest::xarLinkedTwice(), {}},
    };
    const ReadOptions read = limited(256u << 20, std::chrono::milliseconds(300));
    for (const Hostile &h : archives) {
        SCOPED_TRACE(h.file);
        ziptest::TempDir dir;
        const std::string path = dir.write(h.file, h.bytes);

        const Listing listing = list(path, read);
        EXPECT_FALSE(listing.complete);
        EXPECT_TRUE(stoppedReading(listing.problems, h.file)) << texts(listing.problems);

        const TestResult tested = test(path, read, h.selection);
        EXPECT_TRUE(stoppedReading(tested.problems, h.file)) << texts(tested.problems);

        StreamCallbacks passOver;
        passOver.begin = [](const Entry &) { return false; };
        passOver.data = [](const void *, size_t) { return true; };
        passOver.end = [](bool) { return true; };
        const StreamResult streamed = stream(path, read, passOver);
        EXPECT_TRUE(stoppedReading(streamed.problems, h.file)) << texts(streamed.problems);

        ExtractOptions options;
        options.read = read;
        options.target = dir / "target";
        options.selection = h.selection;
        ziptest::makeDirs(options.target);
        const ExtractResult extracted = extract(path, options);
        EXPECT_TRUE(stoppedReading(extracted.problems, h.file)) << texts(extracted.problems);
        EXPECT_EQ(extracted.placed, 0u);
        EXPECT_TRUE(ziptest::listTree(options.target).empty());
    }
}

// libarchive gives up on an allocation by ending the process itself, with
// code 1, after saying so on its standard error; that is the memory limit
// met all the same, not a damaged archive.
TEST(OtherFormatsConfinement, AReaderThatRunsOutOfMemoryIsStoppedAtTheMemoryLimit)
{
    ziptest::TempDir dir;
    const std::string path = dir.write("continued.iso", ziptest::isoContinuingIntoItself());
    const Listing listing = list(path, limited(128u << 20, std::chrono::milliseconds(20000)));
    EXPECT_TRUE(stoppedReading(listing.problems, "continued.iso", "it used more than 128 MiB of memory"))
        << texts(listing.problems);
}

// A reader that fails on the same spot over and over, sending a nameless
// entry each time, must not fill this side with the same problem: millions
// of them (2.5 GiB) before any limit on processor time.
TEST(OtherFormatsConfinement, AReaderFailingOverAndOverOnTheSameSpotLeavesFewProblems)
{
    ziptest::TempDir dir;
    const std::string path = dir.write("solid.rar", ziptest::rar5SolidDirectoryWithData());
    ReadOptions read = limited(256u << 20, std::chrono::milliseconds(1000));
    read.limits.cpuSeconds = 3;
    const Listing listing = list(path, read);
    EXPECT_FALSE(listing.complete);
    EXPECT_LT(listing.problems.size(), 100u) << texts(listing.problems);
    const TestResult tested = test(path, read);
    EXPECT_LT(tested.problems.size(), 100u) << texts(tested.problems);
}
