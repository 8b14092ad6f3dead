// Adding to, deleting from and renaming in a tar or 7z archive: each writes
// a whole new archive beside the old one (OtherArchiveOutput), copying the
// entries kept through the confined reader, and puts it in place only when
// everything went in. Nothing is changed in place.
#include "engine/OtherArchiveOutput.h"
#include "engine/OtherEntryStream.h"
#include "engine/OtherFormatBackend.h"
#include "engine/common/ArchivePath.h"
#include "engine/common/SafeNames.h"
#include "engine/common/SystemCalls.h"
#include "engine/common/UniqueFd.h"

#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <unordered_set>

namespace orvex {

namespace {

// The add library's codes, which the callers of an add already read.
constexpr int InfoCode = 0;
constexpr int Interrupted = 9;
constexpr int NothingMatched = 12;
constexpr int MissingArchive = 13;
constexpr int BadParameters = 16;
constexpr int OpenError = 18;

int codeOf(otherformats::ScanNote note)
{
    switch (note) {
    case otherformats::ScanNote::NothingMatched: return NothingMatched;
    case otherformats::ScanNote::Skipped: return InfoCode;
    case otherformats::ScanNote::Twice:
    case otherformats::ScanNote::NoName: return BadParameters;
    case otherformats::ScanNote::Missing: break;
    }
    return OpenError;
}

std::optional<struct stat> statusOf(const std::string &path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return status;
}

bool matchesArgument(const std::string &arg, const std::string &name)
{
    const bool folder = name.size() > 1 && name.back() == '/';
    if (arg == name || (folder && arg == name.substr(0, name.size() - 1)))
        return true;
    if (arg.find_first_of("*?[") == std::string::npos)
        return false;
    return ::fnmatch(arg.c_str(), name.c_str(), 0) == 0
           || (folder && ::fnmatch(arg.c_str(), name.substr(0, name.size() - 1).c_str(), 0) == 0);
}

}  // namespace

bool OtherFormatBackend::refuseChange(ArchiveEvents &events) const
{
    if (!writeFormat_) {
        events.message(BadParameters, "Cannot change " + archive_ + ": its format is read, not written");
        return true;
    }
    // The writers encrypt nothing: a change would store the members in the clear.
    if (encrypted_) {
        events.message(BadParameters, "Cannot change " + archive_
                                          + ": it is encrypted, and archives other than ZIP are written without "
                                            "encryption here");
        return true;
    }
    return false;
}

template <typename Fill>
bool OtherFormatBackend::rewrite(int level, ArchiveEvents &events, OtherArchiveOutput::Placement placement,
                                 const Fill &fill)
{
    // Where a change writes, as the libraries' entry points are: the test
    // build's fault switch reaches every write, fsync and rename of it.
    const common::sys::FaultScope faults;
    const std::string target = common::resolveArchivePath(archive_);
    const std::optional<struct stat> old = statusOf(target);
    placement.replace = old.has_value();
    if (old) {
        placement.mode = old->st_mode;
        placement.owner = std::pair<uid_t, gid_t>{old->st_uid, old->st_gid};
    }
    OtherArchiveOutput output(target, {*writeFormat_, level, 0}, events);
    if (!output.open())
        return false;
    std::optional<std::string> password;
    if (!password_.empty())
        password = password_.bytes();
    auto copyOld = [&] {
        if (!old)
            return true;
        const StreamOutcome outcome = readOtherEntries(target, password, output, events);
        return !output.broken() && !events.stopRequested() && outcome.failed == 0;
    };
    if (!fill(output, copyOld) || output.broken() || events.stopRequested())
        return false;
    if (placement.modified)  // asked for: the archive gets its newest member's time
        placement.modified = output.newestTime();
    return output.commit(placement);
}

OperationResult OtherFormatBackend::add(const AddRequest &request, ArchiveEvents &events)
{
    OperationResult result;
    if (refuseChange(events))
        return result;
    // What the format cannot keep is refused, never dropped unsaid.
    const std::string format = otherformats::formatLabel(*writeFormat_);
    if (!request.password.empty() || request.options.contains(AddForceDOS)) {
        events.message(BadParameters, "Nothing was added: a " + format + " archive is written "
                                          + (request.password.empty() ? "with its names as they are, not in DOS form"
                                                                      : "without encryption"));
        return result;
    }
    if (const std::string problem = common::folderNameProblem(request.archiveFolder); !problem.empty()) {
        events.message(BadParameters, "Nothing was added: " + problem);
        return result;
    }
    const common::UniqueFd base(::open(request.baseDirectory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!base) {
        events.message(OpenError, "Cannot open the folder " + request.baseDirectory);
        return result;
    }
    otherformats::DiskScan scan;
    scan.base = base.get();
    scan.dirNames = request.options.contains(AddDirNames);
    scan.recurse = request.options.contains(AddRecurseDirs);
    scan.folder = request.archiveFolder;
    if (const std::optional<struct stat> old = statusOf(archive_))
        scan.archive = std::pair<dev_t, ino_t>{old->st_dev, old->st_ino};
    const std::vector<otherformats::DiskItem> items = scanDisk(
        request.specs, scan,
        [&](otherformats::ScanNote note, const std::string &text) { events.message(codeOf(note), text); },
        [&] { return events.stopRequested(); });
    if (events.stopRequested()) {
        result.cancelled = true;
        return result;
    }
    if (items.empty())
        return result;

    // An entry of the same name stays unless the file replaces it: always,
    // or under update and freshen only when the file is newer. Freshen adds
    // nothing new.
    const bool selective = request.options.contains(AddUpdate) || request.options.contains(AddFreshen);
    std::unordered_map<std::string, size_t> byName;
    for (size_t i = 0; i < items.size(); ++i)
        byName.emplace(items[i].name, i);
    std::vector<char> wanted(items.size(), request.options.contains(AddFreshen) ? 0 : 1);
    OtherArchiveOutput::Placement placement;
    if (request.options.contains(AddZipTime))
        placement.modified = 0;
    std::unordered_map<size_t, StreamEntry> replaced;  // by item: the member it replaces
    int32_t added = 0;
    const bool done = rewrite(request.level, events, placement, [&](OtherArchiveOutput &output, auto copyOld) {
        output.nameFor = [&](const StreamEntry &entry) -> std::optional<std::string> {
            const auto it = byName.find(entry.name);
            if (it == byName.end())
                return entry.name;
            const otherformats::DiskItem &item = items[it->second];
            const bool newer = !selective || item.status.st_mtim.tv_sec > entry.modified;
            wanted[it->second] = newer;
            if (newer && request.keepMemberModes)
                replaced.emplace(it->second, entry);
            return newer ? std::nullopt : std::optional<std::string>(entry.name);
        };
        if (!copyOld())
            return false;
        for (size_t i = 0; i < items.size(); ++i) {
            if (!wanted[i])
                continue;
            const auto like = replaced.find(i);
            const uint64_t before = output.written();
            if (!output.addFromDisk(base.get(), items[i], like == replaced.end() ? nullptr : &like->second))
                return false;
            if (output.written() == before) {  // passed over, said why
                wanted[i] = 0;                 // and so not removed by a move
                continue;
            }
            added += S_ISDIR(items[i].status.st_mode) ? 0 : 1;
            if (request.flags.verbose)
                events.message(InfoCode, "adding: " + items[i].name);
        }
        return true;
    });
    // A stop heard once the new archive is in place cancels nothing.
    result.cancelled = !done && events.stopRequested();
    if (result.cancelled)
        events.message(Interrupted, "Cancelled: " + archive_ + " was left as it was");
    if (!done)
        return result;
    result.count = added;
    events.progress(BatchEnd, " ", 0);
    if (request.options.contains(AddMove)) {
        // Files and links first, then the folders they leave empty, deepest first.
        for (auto it = items.rbegin(); it != items.rend(); ++it) {
            const size_t i = size_t(items.rend() - it - 1);
            if (!wanted[i])
                continue;
            const bool folder = S_ISDIR(it->status.st_mode);
            if (::unlinkat(base.get(), it->path.c_str(), folder ? AT_REMOVEDIR : 0) != 0 && !folder)
                events.message(OpenError, "Cannot delete " + it->path + " after adding it");
        }
    }
    return result;
}

OperationResult OtherFormatBackend::remove(const DeleteRequest &request, ArchiveEvents &events)
{
    OperationResult result;
    if (refuseChange(events))
        return result;
    if (!statusOf(archive_)) {
        events.message(MissingArchive, "Cannot delete from " + archive_ + ": it does not exist");
        return result;
    }
    std::vector<char> matched(request.specs.size(), 0);
    int32_t deleted = 0;
    uint64_t doomed = 0;
    const bool done =
        rewrite(otherformats::CompressorDefault, events, {}, [&](OtherArchiveOutput &output, auto copyOld) {
            output.nameFor = [&](const StreamEntry &entry) -> std::optional<std::string> {
                bool hit = false;
                for (size_t i = 0; i < request.specs.size(); ++i)
                    if (matchesArgument(request.specs[i], entry.name)) {
                        hit = true;
                        matched[i] = 1;
                    }
                if (!hit)
                    return entry.name;
                ++doomed;
                deleted += entry.kind == StreamEntryKind::Directory ? 0 : 1;
                events.progress(FileBegin, entry.name, int64_t(entry.size.value_or(0)));
                if (request.flags.verbose)
                    events.message(InfoCode, "deleting: " + entry.name);
                return std::nullopt;
            };
            if (!copyOld())
                return false;
            for (size_t i = 0; i < request.specs.size(); ++i)
                if (!matched[i])
                    events.message(NothingMatched, request.specs[i] + " is not in the archive");
            if (doomed == 0)
                events.message(InfoCode, "Nothing to do: " + archive_ + " was left unchanged");
            return doomed > 0;
        });
    result.cancelled = !done && events.stopRequested();
    if (done) {
        result.count = deleted;
        events.progress(BatchEnd, " ", 0);
    }
    return result;
}

OperationResult OtherFormatBackend::rename(const RenameRequest &request, ArchiveEvents &events)
{
    OperationResult result;
    if (refuseChange(events))
        return result;
    if (request.setComment) {
        events.message(BadParameters, "Cannot write a comment into " + archive_ + ": its format keeps none");
        return result;
    }
    const bool folder = !request.from.empty() && request.from.back() == '/';
    std::string to = request.to;
    if (folder && (to.empty() || to.back() != '/'))
        to += '/';
    if (to.empty() || otherformats::storedNameOf(to) + (folder ? "/" : "") != to) {
        events.message(BadParameters, "Cannot rename " + request.from + " to " + request.to
                                          + ": the new name is not a plain relative path");
        return result;
    }
    int32_t renamed = 0;
    std::unordered_set<std::string> taken;
    const bool done =
        rewrite(otherformats::CompressorDefault, events, {}, [&](OtherArchiveOutput &output, auto copyOld) {
            output.nameFor = [&](const StreamEntry &entry) -> std::optional<std::string> {
                std::string name = entry.name;
                if (entry.name == request.from || (folder && entry.name.rfind(request.from, 0) == 0)) {
                    ++renamed;
                    name = to + entry.name.substr(request.from.size());
                }
                // A new name that another member has, before or after it.
                if (!taken.insert(name).second && renamed > 0)
                    output.refuse(BadParameters, "Cannot rename " + request.from + " to " + to + ": " + name
                                                     + " is in the archive already; nothing was changed");
                return name;
            };
            if (!copyOld())
                return false;
            if (renamed == 0)
                events.message(NothingMatched, request.from + " is not in the archive");
            return renamed > 0;
        });
    if (done)
        result.count = renamed;
    result.cancelled = !done && events.stopRequested();
    return result;
}

}  // namespace orvex
