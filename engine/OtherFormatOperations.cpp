// The component's reading, Extract and Test of an archive in another format
// than ZIP: libarchive reads it (engine/otherformats), and the component
// turns what it reports into the same events a ZIP archive raises, so that
// the window and its commands need not know which reader ran.
#include "engine/OtherFormatMembers.h"
#include "engine/ZipEngine.h"
#include "engine/common/MessageCode.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <sys/stat.h>
#include <unordered_map>

namespace {

// What the status window shows of an entry: its name once, then a step per
// 32 KiB of its data, as the ZIP libraries report a member.
class ProgressSteps {
public:
    explicit ProgressSteps(TZipEngine &engine) : engine_(engine) {}
    void operator()(const otherformats::Progress &progress)
    {
        if (!engine_.OnProgress)
            return;
        if (progress.entryIndex != entry_ || !begun_) {
            begun_ = true;
            entry_ = progress.entryIndex;
            steps_ = 0;
            const int index = int(std::min<uint64_t>(progress.entryIndex, INT32_MAX));
            const uint64_t size = index < engine_.EntryCount() ? engine_.Entries(index).TrueUnpackedSize : 0;
            engine_.OnProgress(engine_, FileBegin, progress.entry, int32_t(std::min<uint64_t>(size, INT32_MAX)));
        }
        for (const uint64_t steps = progress.entryBytes / StepBytes; steps_ < steps; ++steps_)
            engine_.OnProgress(engine_, FileStep, " ", 0);
    }

private:
    static constexpr uint64_t StepBytes = 32768;
    TZipEngine &engine_;
    bool begun_ = false;
    uint64_t entry_ = 0;
    uint64_t steps_ = 0;
};

// The file's modification time in seconds, or none when it does not exist.
std::optional<int64_t> modifiedTime(const std::string &path)
{
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0)
        return std::nullopt;
    return int64_t(status.st_mtim.tv_sec);
}

// The seconds a member's DOS stamp stands for in local time.
int64_t secondsOf(const ArchiveEntry &member)
{
    struct tm local {};
    local.tm_year = (member.ModDate >> 9) + 80;
    local.tm_mon = ((member.ModDate >> 5) & 15) - 1;
    local.tm_mday = member.ModDate & 31;
    local.tm_hour = member.ModTime >> 11;
    local.tm_min = (member.ModTime >> 5) & 63;
    local.tm_sec = (member.ModTime & 31) * 2;
    local.tm_isdst = -1;
    return int64_t(::mktime(&local));
}

}  // namespace

bool TZipEngine::readOtherFormat(const std::string &name, std::vector<ArchiveEntry> &read, std::string &format)
{
    const otherformats::Detection detection = orvex::detectArchive(name);
    if (detection.verdict != otherformats::Verdict::Other)
        return false;
    std::atomic<bool> stop = false;
    otherformats::ReadOptions options;
    options.cancel = &stop;
    uint64_t seen = 0;
    options.progress = [&](const otherformats::Progress &progress) {
        if (cancelRequested())
            stop = true;
        if (++seen % 4096 == 0 && OnReadProgress)
            OnReadProgress(*this, 0, int64_t(progress.archiveBytesRead), int64_t(progress.archiveSize));
    };
    const otherformats::Listing listing = otherformats::list(name, options);
    if (listing.cancelled)
        throw EReadCancelled("Reading the archive was cancelled");
    format = listing.format.empty() ? detection.format : listing.format;
    if (detection.filter != "none" && !detection.filter.empty())
        format += " (" + detection.filter + ")";
    read.reserve(listing.entries.size());
    for (const otherformats::Entry &entry : listing.entries)
        read.push_back(orvex::memberOf(entry));
    // An entry passed over (a header that cannot be read, a name refused) is
    // said too, though the entries after it are listed.
    if (!listing.complete || !listing.problems.empty())
        throw EZipError(
            "Error reading " + format + " archive"
            + (listing.problems.empty() ? std::string() : ": " + orvex::problemText(listing.problems.front())));
    return true;
}

void TZipEngine::runOther(bool test, const std::string &baseDirectory)
{
    UnzipRunning = true;
    LastTestFailures = 0;
    LastKeptFiles = 0;
    LastCancelled = false;
    LastResult = 0;
    testing_ = test;
    std::vector<std::string> patterns = std::move(FileSpecs);
    FileSpecs.clear();

    std::atomic<bool> stop = false;
    ProgressSteps steps(*this);
    otherformats::ReadOptions read;
    read.cancel = &stop;
    read.progress = [&](const otherformats::Progress &progress) {
        if (cancelRequested())
            stop = true;
        steps(progress);
    };
    read.problem = [&](const otherformats::Problem &problem) {
        memberMessage(orvex::problemCode(problem), orvex::problemText(problem));
        if (cancelRequested())
            stop = true;
    };

    try {
        std::vector<std::string> unmatched;
        std::vector<uint64_t> selection = orvex::selectMembers(entries_, patterns, unmatched);
        for (const std::string &pattern : unmatched)
            if (OnMessage)
                OnMessage(*this, unzeng::CodeNotMatched, "caution: filename not matched:  " + pattern);
        // Patterns that match nothing select nothing, not everything.
        const bool any = patterns.empty() || !selection.empty();
        if (test && any) {
            const otherformats::TestResult result = otherformats::test(zipFilename_, read, selection);
            LastResult = int32_t(std::min<uint64_t>(result.passed, INT32_MAX));
            LastCancelled = result.cancelled;
        } else if (any) {
            otherformats::ExtractOptions extract;
            extract.read = read;
            extract.target = baseDirectory;
            extract.keepFolders = ExtrOptions.contains(ExtrDirNames);
            extract.privateCopies = ExtrOptions.contains(ExtrPrivate);
            extract.overwrite = ExtrOptions.contains(ExtrOverWrite) ? otherformats::Overwrite::Always
                                                                    : otherformats::Overwrite::Never;
            const bool update = ExtrOptions.contains(ExtrUpdate), freshen = ExtrOptions.contains(ExtrFreshen);
            if (update || freshen) {
                // Only an entry newer than the file it would replace replaces
                // it; freshen also leaves out what does not exist yet.
                std::unordered_map<std::string, int64_t> stamps;
                if (selection.empty())
                    for (uint64_t i = 0; i < entries_.size(); ++i)
                        selection.push_back(i);
                std::vector<uint64_t> kept;
                for (const uint64_t index : selection) {
                    const ArchiveEntry &member = entries_[size_t(index)];
                    // The form the extraction asks about: "./a.txt" is asked as "a.txt".
                    const std::string path = otherformats::outputPath(member.FileName, extract.keepFolders);
                    stamps[path] = secondsOf(member);
                    // A refused name is left to the extraction, which says why.
                    if (!freshen || path.empty() || modifiedTime(baseDirectory + "/" + path))
                        kept.push_back(index);
                }
                selection = std::move(kept);
                extract.overwrite = otherformats::Overwrite::Ask;
                extract.askOverwrite = [stamps, baseDirectory](const std::string &path) {
                    const auto stamp = stamps.find(path);
                    const auto existing = modifiedTime(baseDirectory + "/" + path);
                    return stamp != stamps.end() && existing && stamp->second > *existing;
                };
            }
            extract.selection = std::move(selection);
            if (!(update || freshen) || !extract.selection.empty()) {
                const otherformats::ExtractResult result = otherformats::extract(zipFilename_, extract);
                LastResult = int32_t(std::min<uint64_t>(result.placed, INT32_MAX));
                LastCancelled = result.cancelled;
            }
        }
        if (OnProgress)
            OnProgress(*this, BatchEnd, " ", 0);
    } catch (...) {
        notify(FatalLibraryErrorText);
    }
    testing_ = false;
    Cancel = false;
    UnzipRunning = false;
}
