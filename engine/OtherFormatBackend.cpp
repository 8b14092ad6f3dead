#include "engine/OtherFormatBackend.h"

#include "engine/OtherEntryStream.h"
#include "engine/OtherFormatMembers.h"
#include "engine/ZipError.h"
#include "engine/common/MessageCode.h"

#include <algorithm>
#include <atomic>
#include <ctime>
#include <functional>
#include <optional>
#include <span>
#include <sys/stat.h>
#include <unordered_map>

namespace orvex {

namespace {

// As often as the ZIP reader reports its progress.
constexpr std::size_t MembersPerReport = 4096;

// What the status window shows of an entry: its name once, then a step per
// 32 KiB of its data, as the ZIP libraries report a member.
class ProgressSteps {
public:
    ProgressSteps(ArchiveEvents &events, const std::vector<ArchiveEntry> &listing) : events_(events), listing_(listing)
    {
    }
    void operator()(const otherformats::Progress &progress)
    {
        if (progress.entryIndex != entry_ || !begun_) {
            begun_ = true;
            entry_ = progress.entryIndex;
            steps_ = 0;
            const uint64_t size =
                progress.entryIndex < listing_.size() ? listing_[size_t(progress.entryIndex)].TrueUnpackedSize : 0;
            events_.progress(FileBegin, progress.entry, int64_t(std::min<uint64_t>(size, INT64_MAX)));
        }
        for (const uint64_t steps = progress.entryBytes / StepBytes; steps_ < steps; ++steps_)
            events_.progress(FileStep, " ", 0);
    }

private:
    static constexpr uint64_t StepBytes = 32768;
    ArchiveEvents &events_;
    const std::vector<ArchiveEntry> &listing_;
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

// Under update or freshen only an entry newer than the file it would
// replace replaces it, and freshen also leaves out what does not exist yet.
void keepNewerOnly(otherformats::ExtractOptions &extract, const std::vector<ArchiveEntry> &listing, bool freshen)
{
    std::vector<uint64_t> &selection = extract.selection;
    if (selection.empty())
        for (uint64_t i = 0; i < listing.size(); ++i)
            selection.push_back(i);
    std::unordered_map<std::string, int64_t> stamps;
    std::vector<uint64_t> kept;
    for (const uint64_t index : selection) {
        const ArchiveEntry &member = listing[size_t(index)];
        // The form the extraction asks about: "./a.txt" is asked as "a.txt".
        const std::string path = otherformats::outputPath(member.FileName, extract.keepFolders, extract.baseFolder);
        stamps[path] = secondsOf(member);
        // A refused name is left to the extraction, which says why.
        if (!freshen || path.empty() || modifiedTime(extract.target + "/" + path))
            kept.push_back(index);
    }
    selection = std::move(kept);
    extract.overwrite = otherformats::Overwrite::Ask;
    extract.askOverwrite = [stamps, target = extract.target](const std::string &path) {
        const auto stamp = stamps.find(path);
        const auto existing = modifiedTime(target + "/" + path);
        return stamp != stamps.end() && existing && stamp->second > *existing;
    };
}

// An encrypted entry no reader here can decrypt, said plainly: RAR's
// encryption has no free decoder, and 7z's needs 7-Zip's program.
otherformats::Problem saidPlainly(otherformats::Problem problem, const std::string &format, bool readBySevenZip)
{
    if (problem.kind != otherformats::ProblemKind::Encrypted)
        return problem;
    if (format.starts_with("RAR"))
        problem.text = "encrypted RAR data cannot be read: no free RAR decoder decrypts it";
    else if (format.starts_with("7-Zip") && !readBySevenZip)
        problem.text = "encrypted 7z data is read with 7-Zip, which is not installed (the 7zip package)";
    return problem;
}

std::string baseName(const std::string &path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The reader takes an archive's password before it reads: asked for the
// first encrypted entry selected, once, or, with `opens` to try it, again
// while it is refused. False when the caller cancelled.
bool askPassword(const std::vector<ArchiveEntry> &listing, const std::vector<uint64_t> &selection,
                 ArchiveEvents &events, otherformats::ReadOptions &read,
                 const std::function<bool(uint64_t index, const otherformats::ReadOptions &read)> &opens = {})
{
    const auto encrypted = [&](uint64_t index) { return listing[size_t(index)].Encrypted(); };
    std::optional<uint64_t> first;
    if (selection.empty()) {
        const auto found = std::find_if(listing.begin(), listing.end(), [](const auto &m) { return m.Encrypted(); });
        if (found != listing.end())
            first = uint64_t(found - listing.begin());
    } else if (const auto found = std::find_if(selection.begin(), selection.end(), encrypted);
               found != selection.end()) {
        first = *found;
    }
    if (!first)
        return true;
    for (int attempt = 1;; ++attempt) {
        std::string password;
        const PasswordAnswer answer = events.password(listing[size_t(*first)].FileName, attempt, password);
        Secret given(std::move(password));
        // None after a refused password reads with that one, so that each
        // entry says it is wrong.
        if (answer != PasswordAnswer::Given)
            return answer != PasswordAnswer::Cancel;
        if (read.password)
            std::fill(read.password->begin(), read.password->end(), '\0');
        read.password = given.bytes();
        if (!opens || opens(*first, read))
            return true;
    }
}

// 7-Zip's program tells a wrong password at the first encrypted data, which
// costs little to read before the whole reading.
std::function<bool(uint64_t, const otherformats::ReadOptions &)> passwordCheck(const std::string &archive)
{
    if (!otherformats::readBySevenZip(archive))
        return {};
    return [archive](uint64_t index, const otherformats::ReadOptions &read) {
        return otherformats::passwordOpens(archive, read, index);
    };
}

}  // namespace

OtherFormatBackend::OtherFormatBackend(std::string archive, otherformats::Sighting sighting,
                                       std::optional<otherformats::WriteFormat> format)
    : archive_(std::move(archive)), detection_(std::move(sighting.detection)),
      listingReader_(std::move(sighting.listing)), writeFormat_(format)
{
}

void OtherFormatBackend::list(const std::string &, ArchiveEvents &events, ArchiveListing &listing)
{
    // Taken whatever comes: it serves this listing or none.
    std::shared_ptr<otherformats::EntryCursor> reader = std::move(listingReader_);
    // The reader that looked at the archive met a limit: reading it again
    // would only meet the same one, after the same wait.
    if (detection_.stopped)
        throw EZipError("Error reading archive: " + detection_.error);
    std::atomic<bool> stop = false;
    otherformats::ReadOptions options;
    options.cancel = &stop;
    // Heard even while the reader process keeps us waiting.
    options.stopAsked = [&events] { return events.stopRequested(); };
    uint64_t seen = 0;
    options.progress = [&](const otherformats::Progress &progress) {
        if (events.stopRequested())
            stop = true;
        if (++seen % MembersPerReport == 0)
            events.readProgress(0, int64_t(progress.archiveBytesRead), int64_t(progress.archiveSize));
    };
    // Told as they come: a large compressed tar takes seconds to read to its
    // end, and its first members can be shown long before.
    std::vector<ArchiveEntry> members;
    std::size_t told = 0;
    options.listed = [&](const otherformats::Entry &entry) {
        members.push_back(memberOf(entry));
        if (members.size() - told == MembersPerReport) {
            events.membersRead(std::span<const ArchiveEntry>(members).subspan(told));
            told = members.size();
        }
    };
    otherformats::Listing read;
    // Names encrypted (a 7z made with -mhe=on): nothing is listed without
    // the password, asked again while it is refused, as a ZIP member's is.
    const bool takesPassword = otherformats::readBySevenZip(archive_);
    for (int attempt = 1;; ++attempt) {
        members.clear();
        told = 0;
        if (!password_.empty())
            options.password = password_.bytes();
        // The first reading without a password reads on with the reader
        // that detected the archive, when it kept one.
        read = options.password ? otherformats::list(archive_, options)
                                : otherformats::list(archive_, options, std::move(reader));
        reader.reset();
        if (options.password) {
            std::fill(options.password->begin(), options.password->end(), '\0');
            options.password.reset();
        }
        if (read.cancelled)
            throw EReadCancelled("Reading the archive was cancelled");
        const bool namesLocked = read.entries.empty() && !read.problems.empty()
                                 && read.problems.front().kind == otherformats::ProblemKind::Encrypted
                                 && read.problems.front().entry.empty();
        if (!namesLocked || !takesPassword)
            break;
        // Kept only once it has opened them.
        password_ = Secret();
        std::string given;
        const PasswordAnswer answer = events.password(baseName(archive_), attempt, given);
        Secret answered(std::move(given));
        if (answer == PasswordAnswer::Cancel)
            throw EReadCancelled("Reading the archive was cancelled");
        if (answer == PasswordAnswer::None)
            break;
        password_ = answered;
    }
    listing.format = read.format.empty() ? detection_.format : read.format;
    if (compressed())
        listing.format += " (" + detection_.filter + ")";
    encrypted_ = read.hasEncrypted || !password_.empty();
    listedWhole_ = read.complete && read.problems.empty();
    if (members.size() != read.entries.size()) {
        members.clear();
        members.reserve(read.entries.size());
        for (const otherformats::Entry &entry : read.entries)
            members.push_back(memberOf(entry));
    }
    listing.entries = std::move(members);
    // An entry passed over (a header that cannot be read, a name refused) is
    // said too, though the entries after it are listed.
    if (!read.complete || !read.problems.empty()) {
        std::vector<std::string> passedOver;
        for (const otherformats::Problem &problem : read.problems)
            passedOver.push_back(problemText(saidPlainly(problem, detection_.format, takesPassword)));
        const std::string message = "Error reading " + listing.format + " archive"
                                    + (passedOver.empty() ? std::string() : ": " + passedOver.front());
        throw EEntriesPassedOver(message, std::move(passedOver));
    }
}

bool OtherFormatBackend::compressed() const
{
    return detection_.filter != "none" && !detection_.filter.empty();
}

std::optional<std::string> OtherFormatBackend::formatWithoutListing() const
{
    // Uncompressed, a tar's listing seeks from header to header. Only
    // formats that encrypt nothing, since the listing is what tells whether
    // a password must be asked for.
    const std::string &format = detection_.format;
    const bool unencrypted = format.find("tar") != std::string::npos || format.find("pax") != std::string::npos
                             || format.find("cpio") != std::string::npos || format == "raw";
    if (!compressed() || !unencrypted)
        return std::nullopt;
    return format + " (" + detection_.filter + ")";
}

OperationResult OtherFormatBackend::extract(const ExtractRequest &request, const std::vector<ArchiveEntry> &listing,
                                            ArchiveEvents &events)
{
    OperationResult result;
    std::atomic<bool> stop = false;
    ProgressSteps steps(events, listing);
    otherformats::ReadOptions read;
    read.cancel = &stop;
    read.stopAsked = [&events] { return events.stopRequested(); };
    read.progress = [&](const otherformats::Progress &progress) {
        if (events.stopRequested())
            stop = true;
        steps(progress);
    };
    const bool bySevenZip = otherformats::readBySevenZip(archive_);
    read.problem = [&](const otherformats::Problem &said) {
        const otherformats::Problem problem = saidPlainly(said, detection_.format, bySevenZip);
        const int32_t code = problemCode(problem);
        const std::string text = problemText(problem);
        result.countMemberMessage(request, code, text);
        events.message(code, text);
        if (events.stopRequested())
            stop = true;
    };

    const bool keepFolders = request.options.contains(ExtrDirNames);
    if (const std::string problem = otherformats::baseFolderProblem(request.baseFolder);
        !request.test && keepFolders && !problem.empty()) {
        events.message(unzeng::CodeBadRequest, problem + "; nothing was extracted");
        events.progress(BatchEnd, " ", 0);
        return result;
    }
    std::vector<std::string> unmatched;
    std::vector<uint64_t> selection = selectMembers(listing, request.specs, unmatched);
    for (const std::string &pattern : unmatched)
        events.message(unzeng::CodeNotMatched, "caution: filename not matched:  " + pattern);
    // Patterns that match nothing select nothing, not everything.
    const bool any = request.specs.empty() || !selection.empty();
    if (!password_.empty())
        read.password = password_.bytes();
    if (any && !read.password && !askPassword(listing, selection, events, read, passwordCheck(archive_))) {
        result.cancelled = true;
    } else if (request.test && any) {
        const otherformats::TestResult tested = otherformats::test(archive_, read, selection);
        result.count = int32_t(std::min<uint64_t>(tested.passed, INT32_MAX));
        result.cancelled = tested.cancelled;
    } else if (any) {
        otherformats::ExtractOptions extract;
        extract.read = read;
        extract.target = request.target;
        extract.keepFolders = keepFolders;
        extract.baseFolder = request.baseFolder;
        extract.privateCopies = request.options.contains(ExtrPrivate);
        extract.overwrite = request.options.contains(ExtrOverWrite) ? otherformats::Overwrite::Always
                                                                    : otherformats::Overwrite::Never;
        extract.selection = std::move(selection);
        const bool update = request.options.contains(ExtrUpdate), freshen = request.options.contains(ExtrFreshen);
        if (update || freshen)
            keepNewerOnly(extract, listing, freshen);
        if (!(update || freshen) || !extract.selection.empty()) {
            const otherformats::ExtractResult extracted = otherformats::extract(archive_, extract);
            result.count = int32_t(std::min<uint64_t>(extracted.placed, INT32_MAX));
            result.cancelled = extracted.cancelled;
        }
    }
    events.progress(BatchEnd, " ", 0);
    return result;
}

StreamOutcome OtherFormatBackend::readEntries(const std::vector<ArchiveEntry> &listing, const std::string &,
                                              EntrySink &sink, ArchiveEvents &events)
{
    otherformats::ReadOptions read;
    if (!password_.empty())
        read.password = password_.bytes();
    else if (!askPassword(listing, {}, events, read, passwordCheck(archive_)))
        return {.stopped = true};
    return readOtherEntries(archive_, read.password, sink, events);
}

bool OtherFormatBackend::writable() const
{
    if (!writeFormat_ || encrypted_)
        return false;
    struct stat status {};
    return listedWhole_ || ::lstat(archive_.c_str(), &status) != 0;  // a new archive, made by the first add
}

WriteAbilities OtherFormatBackend::abilities() const
{
    WriteAbilities abilities;
    abilities.format = writeFormat_ ? otherformats::formatLabel(*writeFormat_) : detection_.format;
    abilities.encryption = false;
    abilities.dosNames = false;
    return abilities;
}

}  // namespace orvex
