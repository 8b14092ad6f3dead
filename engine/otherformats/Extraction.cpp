// The extraction's rules, which are this library's, not libarchive's:
//   - Nothing is written outside the target. Absolute names, names with a
//     ".." component, empty names are refused; directories are opened one
//     component at a time without following links, so an entry named through
//     a link ("link/file") is refused.
//   - A symbolic link is made only when its target stays inside (common/SafeNames.h).
//   - A hard link is made only to a file this same run placed inside the
//     target; anything else (a file outside, one not extracted, one skipped)
//     is refused rather than copied, since its contents are not ours to read.
//     A link carrying data of its own (cpio) is written as a file whatever
//     it names, and a name of this run it links to is made one with it.
//   - Devices, FIFOs and sockets are refused. Files get their permission
//     bits only, less the umask: no set-uid, set-gid or sticky bit.
//   - Each file is written to a temporary name beside its place and renamed
//     there; a cancelled or failed entry leaves nothing behind.
//   - Files get their stored times; so do the folders this run made, once
//     everything in them is written.
//   - Two entries meeting at one output name: the first one placed keeps it,
//     later ones are skipped, as the ZIP extraction does; one that failed
//     leaves the name to the next.
//   - Free space is checked before a file of known size (for a sparse one,
//     the data it holds: its holes stay holes), and again while any file
//     grows; data past an entry's declared size, or past the caller's output
//     budget, stops it, and a spent budget ends the run. A file whose data
//     ends short of its declared size fails like any damaged one: its partial
//     file is removed, as the ZIP extraction removes a member failing its CRC.
#include "engine/otherformats/Extraction.h"

#include "engine/otherformats/EntryWalk.h"

#include "engine/common/Directory.h"
#include "engine/common/FileIo.h"
#include "engine/common/SystemCalls.h"
#include "engine/common/Umask.h"
#include "engine/otherformats/EntryData.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <sys/statvfs.h>

namespace otherformats {

namespace {

// While a file grows, free space is looked at again after this much output.
constexpr uint64_t SpaceCheckInterval = 16ull << 20;

// Stricter than for ZIP: these formats have no habit of absolute names worth
// keeping, so such a name is refused, not stripped; '\' is part of a name,
// and only the entry's type makes it a directory.
constexpr common::NameRules EntryNameRules{};

bool roomFor(int dir, uint64_t bytes)
{
    struct statvfs vfs {};
    if (::fstatvfs(dir, &vfs) != 0)
        return true;  // a file system that does not say: the writes will tell
    return uint64_t(vfs.f_bavail) * uint64_t(vfs.f_frsize) >= bytes;
}

std::string describe(int err)
{
    return std::strerror(err);
}

// A file's name without its folders, when they are not kept: here and in
// outputPath(), so that the two cannot differ.
void dropFolders(common::SafeName &name)
{
    name.components.erase(name.components.begin(), name.components.end() - 1);
}

}  // namespace

Extraction::Extraction(EntryCursor &cursor, OutputTree &tree, const ExtractOptions &options, ExtractResult &result)
    : cursor_(cursor), tree_(tree), options_(options), result_(result),
      selection_(options.selection.begin(), options.selection.end()), umask_(common::currentUmask())
{
    if (options.keepFolders)
        base_ = common::baseFolderName(options.baseFolder, EntryNameRules).components;
}

void Extraction::report(const Entry &entry, ProblemKind kind, std::string text)
{
    if (kind != ProblemKind::Skipped)
        ++result_.failed;
    keepProblem(options_.read, result_.problems, {entry.name, kind, std::move(text)});
}

void Extraction::run()
{
    readEntries();
    restoreFolderTimes();
}

void Extraction::restoreFolderTimes()
{
    for (const auto &folder : folderTimes_) {
        const auto &[components, modified] = folder.second;
        std::string error;
        // Setting a folder's time leaves its parent's alone: any order will do.
        if (common::UniqueFd dir = tree_.open(components, components.size(), false, error)) {
            const timespec times[2] = {{0, UTIME_OMIT}, {time_t(modified), 0}};
            ::futimens(dir.get(), times);
        }
    }
}

void Extraction::readEntries()
{
    WalkRules rules;
    if (!selection_.empty())
        rules.chosen = [this](uint64_t index) { return selection_.count(index) != 0; };
    const WalkEnd end =
        walkEntries(cursor_, options_.read, rules, result_.problems, [this](uint64_t index, const Entry &entry) {
            return extractEntry(index, entry) == Place::Stop ? Visit::Stop : Visit::Next;
        });
    result_.failed += end.failed;
    result_.cancelled = result_.cancelled || end.cancelled;
}

Extraction::Place Extraction::extractEntry(uint64_t index, const Entry &entry)
{
    if (entry.kind == EntryKind::Other) {
        report(entry, ProblemKind::Refused, "a device, FIFO or socket is not extracted");
        return Place::Failed;
    }
    common::SafeName name = common::safeName(entry.name, EntryNameRules, entry.kind == EntryKind::Directory);
    if (name.refused()) {
        report(entry, ProblemKind::Refused, name.refusal);
        return Place::Failed;
    }
    // Hard links find the files they name by the name in the archive.
    const std::string archiveName = name.joined();
    // Made relative only once made safe: whole components go, so nothing
    // refused above comes back, and a link's depth is its final place's.
    if (!common::placeUnder(name, base_))
        return Place::Done;  // the base folder's own entry
    if (entry.kind == EntryKind::Directory)
        return extractDirectory(entry, name);
    if (!options_.keepFolders)
        dropFolders(name);
    const std::string path = name.joined();
    if (const auto claimed = claimed_.find(path); claimed != claimed_.end()) {
        report(entry, ProblemKind::Skipped, claimed->second + " was extracted to the same file " + path);
        return Place::Failed;
    }

    std::string error;
    common::UniqueFd dir = tree_.open(name.components, name.components.size() - 1, true, error);
    if (!dir) {
        report(entry, ProblemKind::Refused, error);
        return Place::Failed;
    }
    const std::string &leaf = name.components.back();
    bool replace = false;
    if (!existingAllows(entry, dir.get(), leaf, path, replace))
        return Place::Failed;

    // cpio keeps a hard-linked file's data on its last name, the earlier
    // ones coming as empty files: such a link is written as the file it is,
    // and the name it links to joined to it afterwards.
    const bool linkWithData = entry.kind == EntryKind::HardLink && entry.size.value_or(0) > 0;
    TemporaryName temporary(dir.get(), tree_.temporaryName());
    Place placed = Place::Failed;
    if (entry.kind == EntryKind::File || linkWithData)
        placed = writeFile(index, entry, dir.get(), temporary.name());
    else if (entry.kind == EntryKind::Symlink)
        placed = makeSymlink(entry, name, dir.get(), temporary.name());
    else
        placed = makeHardLink(entry, dir.get(), temporary.name());
    if (placed != Place::Done)
        return placed;

    if (!renameInto(dir.get(), temporary.name(), leaf, replace)) {
        const int err = errno;
        if (err == EEXIST)
            report(entry, ProblemKind::Skipped, path + " exists and is not overwritten");
        else
            report(entry, ProblemKind::Write, "cannot put " + path + " in place: " + describe(err));
        return Place::Failed;
    }
    temporary.keep();
    ++result_.placed;
    claimed_.emplace(path, entry.name);
    if (entry.kind != EntryKind::Symlink)
        placed_[archiveName] = name.components;
    if (linkWithData)
        joinLinkTarget(entry, dir.get(), name.components);
    return Place::Done;
}

void Extraction::joinLinkTarget(const Entry &entry, int dir, const std::vector<std::string> &components)
{
    const std::string &leaf = components.back();
    const common::SafeName target = common::safeName(entry.linkTarget, EntryNameRules);
    const auto found = target.refused() ? placed_.end() : placed_.find(target.joined());
    if (found == placed_.end() || found->second == components)
        return;  // nothing of this run to join: the data stands as a file of its own
    const std::vector<std::string> &where = found->second;
    std::string error;
    common::UniqueFd targetDir = tree_.open(where, where.size() - 1, false, error);
    if (targetDir) {
        TemporaryName link(targetDir.get(), tree_.temporaryName());
        if (common::sys::linkat(dir, leaf.c_str(), targetDir.get(), link.name().c_str(), 0) == 0
            && renameInto(targetDir.get(), link.name(), where.back(), true)) {
            link.keep();
            return;
        }
        error = describe(errno);
    }
    report(entry, ProblemKind::Write, "cannot link " + entry.linkTarget + " to it: " + error);
}

Extraction::Place Extraction::extractDirectory(const Entry &entry, const common::SafeName &name)
{
    if (!options_.keepFolders || name.components.empty())
        return Place::Done;
    std::string error;
    const common::UniqueFd dir = tree_.open(name.components, name.components.size(), true, error);
    if (!dir) {
        report(entry, ProblemKind::Refused, error);
        return Place::Failed;
    }
    // As the ZIP extraction does, only a folder this run made gets the time;
    // one that was there keeps its own.
    if (entry.modified && tree_.made(dir.get()))
        folderTimes_[name.joined()] = {name.components, entry.modified};
    return Place::Done;
}

bool Extraction::existingAllows(const Entry &entry, int dir, const std::string &leaf, const std::string &path,
                                bool &replace)
{
    struct stat st {};
    if (::fstatat(dir, leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return true;
    if (S_ISDIR(st.st_mode)) {
        report(entry, ProblemKind::Write, "a directory is in the way at " + path);
        return false;
    }
    switch (options_.overwrite) {
    case Overwrite::Always: replace = true; break;
    case Overwrite::Ask: replace = options_.askOverwrite && options_.askOverwrite(path); break;
    case Overwrite::Never: break;
    }
    if (!replace)
        report(entry, ProblemKind::Skipped, path + " exists and is not overwritten");
    return replace;
}

Extraction::Place Extraction::writeFile(uint64_t index, const Entry &entry, int dir, const std::string &temporary)
{
    if (entry.size) {
        const uint64_t needed = cursor_.layout().bytesHeld;
        if (!roomFor(dir, needed)) {
            report(entry, ProblemKind::Write, "not enough free space for " + std::to_string(needed) + " bytes");
            return Place::Failed;
        }
    }
    common::UniqueFd file(::openat(dir, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!file) {
        report(entry, ProblemKind::Write, "cannot create a file: " + describe(errno));
        return Place::Failed;
    }
    bool budgetSpent = false;
    uint64_t sinceSpaceCheck = 0;
    const DataSink sink = [&](const void *data, size_t size, uint64_t offset) -> std::optional<Problem> {
        if (options_.outputBudget && size > options_.outputBudget - written_) {
            budgetSpent = true;
            return Problem{entry.name, ProblemKind::Limit,
                           "the output limit of " + std::to_string(options_.outputBudget) + " bytes is reached"};
        }
        sinceSpaceCheck += size;
        if (sinceSpaceCheck >= SpaceCheckInterval) {
            sinceSpaceCheck = 0;
            if (!roomFor(dir, SpaceCheckInterval))
                return Problem{entry.name, ProblemKind::Write, "the disk is full"};
        }
        if (const int error = common::pwriteAll(file.get(), data, size, offset))
            return Problem{entry.name, ProblemKind::Write, "cannot write: " + describe(error)};
        written_ += size;
        return std::nullopt;
    };
    const DataResult data = readEntryData(cursor_, index, entry, options_.read, sink);

    bool ok = !data.cancelled && !data.problem;
    std::string failure;
    // Sparse data may end in a hole, which no block covers.
    if (ok && entry.size && data.end < *entry.size && cursor_.layout().sparse
        && common::sys::ftruncate(file.get(), off_t(*entry.size)) != 0)
        failure = "cannot write: " + describe(errno);
    if (ok && failure.empty()
        && ::fchmod(file.get(), options_.privateCopies ? mode_t(0600) : mode_t(entry.mode) & 0777 & ~umask_) != 0)
        failure = "cannot set its permissions: " + describe(errno);
    if (ok && failure.empty() && entry.modified) {
        const timespec times[2] = {{0, UTIME_OMIT}, {time_t(entry.modified), 0}};
        ::futimens(file.get(), times);
    }
    if (ok && failure.empty() && options_.sync && common::sys::fsync(file.get()) != 0)
        failure = "cannot write: " + describe(errno);
    if (ok && failure.empty() && ::close(file.release()) != 0)
        failure = "cannot write: " + describe(errno);
    ok = ok && failure.empty();
    if (ok)
        return Place::Done;

    if (data.cancelled) {
        result_.cancelled = true;
        return Place::Stop;
    }
    if (data.problem) {
        ++result_.failed;
        keepProblem(options_.read, result_.problems, *data.problem);
    } else {
        report(entry, ProblemKind::Write, failure);
    }
    return data.fatal || budgetSpent ? Place::Stop : Place::Failed;
}

Extraction::Place Extraction::makeSymlink(const Entry &entry, const common::SafeName &name, int dir,
                                          const std::string &temporary)
{
    if (!common::linkStaysInside(entry.linkTarget, name.components.size() - 1)) {
        report(entry, ProblemKind::Refused,
               "the link's target " + entry.linkTarget + " leads outside the target directory");
        return Place::Failed;
    }
    if (common::sys::symlinkat(entry.linkTarget.c_str(), dir, temporary.c_str()) != 0) {
        report(entry, ProblemKind::Write, "cannot make the link: " + describe(errno));
        return Place::Failed;
    }
    return Place::Done;
}

Extraction::Place Extraction::makeHardLink(const Entry &entry, int dir, const std::string &temporary)
{
    const common::SafeName target = common::safeName(entry.linkTarget, EntryNameRules);
    const auto found = target.refused() ? placed_.end() : placed_.find(target.joined());
    if (found == placed_.end()) {
        report(entry, ProblemKind::Refused, "the hard link's target " + entry.linkTarget + " was not extracted here");
        return Place::Failed;
    }
    const std::vector<std::string> &where = found->second;
    std::string error;
    common::UniqueFd from = tree_.open(where, where.size() - 1, false, error);
    if (!from) {
        report(entry, ProblemKind::Refused, error);
        return Place::Failed;
    }
    // Without AT_SYMLINK_FOLLOW: whatever now has that name is linked as it
    // is, and it is inside the target either way.
    if (common::sys::linkat(from.get(), where.back().c_str(), dir, temporary.c_str(), 0) != 0) {
        report(entry, ProblemKind::Write, "cannot make the hard link: " + describe(errno));
        return Place::Failed;
    }
    return Place::Done;
}

std::string outputPath(const std::string &name, bool keepFolders, const std::string &baseFolder)
{
    common::SafeName output = common::safeName(name, EntryNameRules);
    if (output.refused())
        return {};
    if (!keepFolders)
        dropFolders(output);
    else if (!common::placeUnder(output, common::baseFolderName(baseFolder, EntryNameRules).components))
        return {};
    return output.joined();
}

std::string baseFolderProblem(const std::string &baseFolder)
{
    return common::baseFolderName(baseFolder, EntryNameRules).refusal;
}

ExtractResult extract(const std::string &path, const ExtractOptions &options)
{
    ExtractResult result;
    try {
        if (const std::string problem = baseFolderProblem(options.baseFolder);
            options.keepFolders && !problem.empty()) {
            keepProblem(options.read, result.problems, {{}, ProblemKind::Refused, problem});
            return result;
        }
        common::UniqueFd root(common::openSearchableDirectory(options.target, O_RDONLY));
        if (!root) {
            keepProblem(options.read, result.problems,
                        {{},
                         ProblemKind::Write,
                         "cannot open the target directory " + options.target + ": " + describe(errno)});
            return result;
        }
        Problem problem;
        const std::unique_ptr<EntryCursor> cursor = openCursor(path, options.read, dataFor(options.selection), problem);
        if (!cursor) {
            result.cancelled = cancelAsked(options.read);
            if (!result.cancelled)
                keepProblem(options.read, result.problems, problem);
            return result;
        }
        OutputTree tree(std::move(root), options.privateCopies ? 0700 : 0777);
        Extraction(*cursor, tree, options, result).run();
    } catch (const std::bad_alloc &) {
        keepProblem(options.read, result.problems, {{}, ProblemKind::Damaged, "out of memory"});
    }
    return result;
}

}  // namespace otherformats
