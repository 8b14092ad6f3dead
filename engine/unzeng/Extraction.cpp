// Longer than 600 lines: the planning, in-order window and workers of one extraction share its state and are read
// together.
#include "engine/unzeng/Extraction.h"

#include "engine/common/Directory.h"
#include "engine/common/MessageCode.h"
#include "engine/common/SystemCalls.h"
#include "engine/common/Umask.h"
#include "engine/unzeng/Decoders.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

namespace unzeng {

namespace {

constexpr uint64_t StepSize = 32 * 1024;
// Items (files in flight, messages) held between planning and reporting.
constexpr size_t WindowLimit = 64;
// Each worker may hold two buffers of up to WholeMemberLimit.
constexpr size_t MaxWorkers = 4;
constexpr uint16_t FlagPatched = 0x0020;
constexpr uint64_t LinkTargetLimit = 4095;

std::string describe(int err)
{
    return std::strerror(err);
}

const char *verbFor(uint16_t method)
{
    return method == MethodDeflated ? "  inflating: " : " extracting: ";
}

}  // namespace

Extraction::Extraction(const UnzipCallRecord &record, Reporter &reporter)
    : reporter_(reporter), passwords_(record.Password, record.Instance)
{
    archiveName_ = record.ArchiveName ? record.ArchiveName : "";
    target_ = record.BaseDirectory ? record.BaseDirectory : ".";
    nameCharset_ = record.NameCharset ? record.NameCharset : "";
    dirNames_ = record.DirNamesFlag != 0;
    overwrite_ = record.OverwriteFlag != 0;
    update_ = record.UpdateFlag != 0;
    freshen_ = record.FreshenFlag != 0 && !update_;
    trace_ = record.TraceFlag != 0;
    verbose_ = record.VerboseFlag != 0 || trace_;
    test_ = record.TestFlag != 0;
    private_ = record.PrivateFlag != 0;
    if (test_)
        update_ = freshen_ = false;  // they decide about files on disk, of which a test makes none
    if (test_ && record.MemberData)
        outlet_ = std::make_unique<MemberOutlet>(record.MemberData, record.Instance);
    specCount_ = record.FileSpecCount;
    allMembers_ = specCount_ == 0;
    if (specCount_ > 0 && specCount_ <= MaxFileSpecs)
        for (int32_t i = 0; i < specCount_; ++i)
            specs_.emplace_back(record.FileSpecs[i] ? record.FileSpecs[i] : "");
}

Extraction::~Extraction()
{
    cancel_ = true;
    stopWorkers();
    cleanUp();
}

bool Extraction::checkRequest()
{
    if (specCount_ < 0 || specCount_ > MaxFileSpecs) {
        say(CodeBadRequest, "the request holds " + std::to_string(specCount_) + " file specifications; at most "
                                + std::to_string(MaxFileSpecs) + " are possible");
        return false;
    }
    std::vector<std::string> usable;
    for (const std::string &fileSpec : specs_) {
        if (fileSpec.empty())
            say(CodeBadRequest, "an empty file specification was ignored");
        else
            usable.push_back(fileSpec);
    }
    specs_ = std::move(usable);
    specMatched_.assign(specs_.size(), false);
    if (freshen_ && !overwrite_) {
        say(CodeBadRequest, "freshen only replaces existing files, which needs overwriting allowed; "
                            "nothing was extracted");
        return false;
    }
    if (archiveName_.empty()) {
        say(CodeNotAnArchive, "no archive name was given");
        return false;
    }
    return true;
}

void Extraction::selectMembers(std::vector<bool> &selected)
{
    selected.assign(index_.members.size(), allMembers_);
    if (allMembers_)
        return;
    std::unordered_map<std::string_view, std::vector<size_t>> exact;
    std::vector<size_t> patterns;
    for (size_t j = 0; j < specs_.size(); ++j)
        exact[specs_[j]].push_back(j);
    // A file spec that names a member exactly selects that member only:
    // a name chosen in the listing such as "a[1].txt" must not also pick "a1.txt".
    // Names are matched as the listing shows them (the Unicode path field's
    // name where it applies), so a chosen row extracts that row's file; a
    // name in a code page also by its stored bytes, which the window hands over.
    auto namesOf = [](const Member &m) {
        std::vector<const std::string *> names{&m.diskName};
        if (m.nameInCodePage && m.storedName != m.diskName)
            names.push_back(&m.storedName);
        return names;
    };
    std::vector<bool> namesAMember(specs_.size(), false);
    for (const auto &member : index_.members)
        for (const std::string *name : namesOf(member))
            if (auto hit = exact.find(*name); hit != exact.end())
                for (size_t j : hit->second)
                    namesAMember[j] = true;
    for (size_t j = 0; j < specs_.size(); ++j)
        if (!namesAMember[j] && specs_[j].find_first_of("*?[") != std::string::npos)
            patterns.push_back(j);
    for (size_t i = 0; i < index_.members.size(); ++i) {
        for (const std::string *name : namesOf(index_.members[i])) {
            if (auto hit = exact.find(*name); hit != exact.end()) {
                selected[i] = true;
                for (size_t j : hit->second)
                    specMatched_[j] = true;
            }
            for (size_t j : patterns) {
                if (::fnmatch(specs_[j].c_str(), name->c_str(), 0) == 0) {
                    selected[i] = true;
                    specMatched_[j] = true;
                }
            }
        }
    }
}

void Extraction::extractAll()
{
    if (!checkRequest())
        return;
    if (!file_.open(archiveName_)) {
        say(CodeNotAnArchive, file_.problem().empty() ? "cannot open " + archiveName_ + ": " + describe(file_.error())
                                                      : archiveName_ + ": " + file_.problem());
        return;
    }
    if (!file_.isRegularFile()) {
        say(CodeNotAnArchive, archiveName_ + " is not a regular file");
        return;
    }
    std::string error;
    // A walk of local headers decodes streamed members to find their ends;
    // the caller may stop it meanwhile.
    struct Stopped {};
    try {
        if (!readArchiveIndex(file_, index_, error, [this](uint64_t, uint64_t, uint64_t) {
                if (reporter_.working(std::chrono::milliseconds(100)))
                    throw Stopped{};
            })) {
            say(CodeNotAnArchive, archiveName_ + ": " + error);
            return;
        }
    } catch (const Stopped &) {
        return;
    }
    decodeMemberNames(index_, nameCharset_.c_str());
    if (!info("Archive:  " + archiveName_))
        return;
    if (index_.walked
        && !say(CodeWarning, "warning: " + archiveName_
                                 + " has no usable central directory; its members were found by their local headers"))
        return;
    for (const std::string &damage : index_.damage)
        if (!say(CodeArchiveError, archiveName_ + ": " + damage))
            return;
    if (trace_
        && !say(0, index_.walked ? std::to_string(index_.members.size()) + " members found by their local headers"
                                 : std::to_string(index_.members.size()) + " members, central directory at offset "
                                       + std::to_string(index_.directoryOffset)))
        return;

    std::vector<bool> selected;
    selectMembers(selected);

    // Everything is created relative to this descriptor; the process's
    // current directory is neither used nor changed when a target is named.
    // A test neither opens nor needs the target: its tree stays empty.
    const int root = test_ ? -1 : common::openSearchableDirectory(target_, O_RDONLY);
    if (root < 0 && !test_) {
        say(CodeWriteError, "cannot open the target directory " + target_ + ": " + describe(errno));
        return;
    }
    tree_ = std::make_unique<OutputTree>(root, private_ ? 0700 : 0777);
    umask_ = common::currentUmask();
    memory_ = std::make_unique<MemoryBudget>(MemoryBudget::defaultLimit());
    writerContext_ = std::make_unique<WriterContext>(WriterContext{file_, *tree_, umask_, cancel_, namespaceLock_,
                                                                   [this](const FileJob &job) {
                                                                       std::lock_guard lock(mutex_);
                                                                       if (awaited_ == &job)
                                                                           workDone_.notify_one();
                                                                   },
                                                                   memory_.get(), test_, nullptr});
    if (outlet_)
        writerContext_->deliver = [this](const uint8_t *data, size_t n) { return outlet_->piece(data, n); };
    size_t files = 0;
    for (size_t i = 0; i < selected.size(); ++i)
        if (selected[i] && !index_.members[i].storedName.ends_with('/'))
            ++files;
    // Members handed to the caller are decoded here, in order.
    if (files > 0 && !outlet_)
        startWorkers(std::min<size_t>(files, std::clamp<size_t>(std::thread::hardware_concurrency(), 1, MaxWorkers)));

    for (size_t i = 0; i < index_.members.size() && !reporter_.cancelled(); ++i) {
        if (!selected[i])
            continue;
        plan(index_.members[i]);
        while (!reporter_.cancelled() && headReady())
            processHead();
        while (!reporter_.cancelled() && window_.size() >= WindowLimit)
            processHead();
    }
    drain();
    walked_ = !reporter_.cancelled();
}

int32_t Extraction::run()
{
    // Whatever stops the extraction, the clean-up and the end report below
    // still happen.
    try {
        extractAll();
    } catch (const std::exception &e) {
        cancel_ = true;
        say(CodeArchiveError, std::string("extraction stopped: ") + e.what());
    }

    cancel_ = cancel_ || reporter_.cancelled();
    stopWorkers();
    cleanUp();
    applyDirectoryAttributes();
    if (reporter_.cancelled())
        say(0, test_ ? "test cancelled; " + std::to_string(placed_) + " members passed"
                     : "extraction cancelled; " + std::to_string(placed_) + " files were extracted");
    if (walked_) {
        for (size_t j = 0; j < specs_.size(); ++j)
            if (!specMatched_[j])
                say(CodeNotMatched, "caution: filename not matched:  " + specs_[j]);
    }
    reporter_.batchEnd();
    return placed_;
}

mode_t Extraction::fileMode(const Member &m) const
{
    if (private_)
        return 0600;
    return m.unixHost() ? mode_t(m.unixMode() & 0777) : mode_t(0644 & ~umask_);
}

namespace {

// FNV-1a, extended a piece at a time: the hash of each directory on a
// member's way follows from the one before.
constexpr uint64_t PathHashStart = 0xCBF29CE484222325ull;

uint64_t extendPathHash(uint64_t hash, std::string_view bytes)
{
    for (const unsigned char c : bytes)
        hash = (hash ^ c) * 0x100000001B3ull;
    return hash;
}

}  // namespace

bool Extraction::pathPending(const SafeName &name, size_t directoryCount, const std::string &path) const
{
    if (pendingPaths_.empty())
        return false;
    for (auto [hit, end] = pendingPaths_.equal_range(extendPathHash(PathHashStart, path)); hit != end; ++hit)
        if (hit->second == path)
            return true;
    uint64_t hash = PathHashStart;
    size_t length = 0;
    for (size_t i = 0; i < directoryCount; ++i) {
        if (i) {
            hash = extendPathHash(hash, "/");
            ++length;
        }
        hash = extendPathHash(hash, name.components[i]);
        length += name.components[i].size();
        for (auto [hit, end] = pendingPaths_.equal_range(hash); hit != end; ++hit)
            if (hit->second.size() == length && hit->second == name.joined(i + 1))
                return true;
    }
    return false;
}

void Extraction::plan(const Member &m)
{
    auto item = std::make_unique<Item>();
    item->member = &m;
    const std::string &shown = m.shownName();
    auto refuse = [&](int32_t code, const std::string &why) {
        item->messages.emplace_back(code, "skipping " + shown + ": " + why);
        push(std::move(item));
    };
    if (!m.problem.empty())
        return refuse(CodeMemberError, m.problem);
    const SafeName name = test_ ? SafeName{} : common::safeName(m.diskName, zipformat::MemberNameRules);
    if (name.refused())
        return refuse(CodeMemberError, name.refusal);
    if (m.encrypted() && !decryptable(m))
        return refuse(CodeUnsupported, m.method == crypto::AesMethod
                                           ? "it is encrypted with AES but has no valid 0x9901 field"
                                           : "it is encrypted with strong encryption, which is not supported");
    if (m.flags & FlagPatched)
        return refuse(CodeUnsupported, "it holds patch data, which is not supported");
    if (!methodSupported(m.method))
        return refuse(CodeUnsupported, "unsupported compression method " + std::to_string(m.method));
    if (!name.warning.empty())
        item->messages.emplace_back(CodeWarning, "warning: " + name.warning);
    if (trace_) {
        char details[160];
        std::snprintf(details, sizeof details,
                      ": %s, %" PRIu64 " bytes packed, %" PRIu64 " unpacked, CRC %08" PRIx32
                      ", local header at %" PRIu64,
                      methodName(m.method), m.packedSize, m.unpackedSize, m.crc, m.headerOffset);
        item->messages.emplace_back(0, shown + details);
    }

    if (test_)
        return planTest(m, std::move(item));
    if (m.isSymlink())
        return extractLink(m, name, std::move(item->messages));
    if (name.directory) {
        planDirectory(m, name, *item);
        return push(std::move(item));
    }
    planFile(m, name, std::move(item));
}

void Extraction::planDirectory(const Member &m, const SafeName &name, Item &item)
{
    if (!dirNames_ || name.components.empty())
        return;
    const std::string path = name.joined();
    if (pathPending(name, name.components.size(), path))
        drain();
    if (reporter_.cancelled())
        return;
    std::string error;
    OutputTree::Node *node = nullptr;
    if (!tree_->open(name.components, name.components.size(), true, error, &node)) {
        item.messages.emplace_back(CodeMemberError, "skipping " + m.shownName() + ": " + error);
        return;
    }
    if (OutputTree::created(node)) {
        // At least owner rwx: a directory the owner cannot enter is of no use,
        // and a file's mode (a file member renamed to a directory name) has
        // no x bits.
        const mode_t mode = private_ ? mode_t(0700)
                                     : (m.unixHost() ? mode_t(m.unixMode() & 0777) : mode_t(0755 & ~umask_)) | S_IRWXU;
        deferred_.push_back({node, mode, {m.accessed, m.modified}});
    }
    if (verbose_)
        item.messages.emplace_back(0, "   creating: " + m.shownName());
}

void Extraction::planFile(const Member &m, const SafeName &name, std::unique_ptr<Item> item)
{
    const size_t directoryCount = dirNames_ ? name.components.size() - 1 : 0;
    const std::string &leaf = name.components.back();
    const std::string path = dirNames_ ? name.joined() : leaf;
    // Two members meeting at one name (or a file where a later member needs
    // a directory) are settled in archive order, as if extracted one by one.
    if (pathPending(name, directoryCount, path))
        drain();
    if (reporter_.cancelled())
        return;
    if (const auto claimed = claimedPaths_.find(path); claimed != claimedPaths_.end()) {
        item->messages.emplace_back(CodeMemberError, "skipping " + m.shownName() + ": " + claimed->second
                                                         + " was extracted to the same file " + path);
        return push(std::move(item));
    }

    std::string error;
    DirectoryRef dir = tree_->open(name.components, directoryCount, true, error);
    if (!dir) {
        item->messages.emplace_back(CodeMemberError, "skipping " + m.shownName() + ": " + error);
        return push(std::move(item));
    }
    bool replace = false;
    std::pair<int32_t, std::string> note;
    const Verdict verdict = decide(m, dir->fd(), leaf, m.shownName(), replace, note);
    if (verdict != Verdict::Extract) {
        if (!note.second.empty() && (note.first != 0 || verbose_))
            item->messages.push_back(std::move(note));
        return push(std::move(item));
    }

    auto job = std::make_unique<FileJob>();
    if (!unlock(m, job->decryption, item->messages))
        return push(std::move(item));
    job->member = &m;
    job->dir = std::move(dir);
    job->leaf = leaf;
    job->mode = fileMode(m);
    item->job = std::move(job);
    item->path = path;
    item->replace = replace;
    pendingPaths_.emplace(extendPathHash(PathHashStart, path), path);
    claimedPaths_.emplace(path, m.shownName());
    dispatch(std::move(item));
}

// Nothing reaches the disk, so names need no making safe and there is no
// file to meet: a member passes when its data decodes to its size and CRC,
// a link's target like a file's contents. A directory entry has no data.
void Extraction::planTest(const Member &m, std::unique_ptr<Item> item)
{
    if (!m.diskName.empty() && (m.diskName.back() == '/' || m.diskName.back() == '\\')) {
        item->passed = true;
        if (outlet_)
            deliverFolder(m);
        if (verbose_)
            item->messages.emplace_back(0, "    testing: " + m.shownName() + "  OK");
        return push(std::move(item));
    }
    auto job = std::make_unique<FileJob>();
    if (!unlock(m, job->decryption, item->messages))
        return push(std::move(item));
    job->member = &m;
    item->job = std::move(job);
    dispatch(std::move(item));
}

void Extraction::dispatch(std::unique_ptr<Item> item)
{
    Item *raw = item.get();
    push(std::move(item));
    if (outlet_)
        return deliver(*raw);
    if (workers_.empty()) {
        MemberWriter(*writerContext_).write(*raw->job);
        raw->finished = true;
        return;
    }
    std::lock_guard lock(mutex_);
    queue_.push_back(raw);
    if (idleWorkers_ > 0)
        workAvailable_.notify_one();
}

Extraction::Verdict Extraction::decide(const Member &m, int dir, const std::string &leaf, const std::string &shown,
                                       bool &replace, std::pair<int32_t, std::string> &note)
{
    struct stat st {};
    if (::fstatat(dir, leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT) {
            note = {CodeWriteError, "skipping " + shown + ": cannot look at the file on disk: " + describe(errno)};
            return Verdict::Fail;
        }
        if (freshen_) {
            note = {0, "skipping " + shown + ": not on disk, and freshening creates no files"};
            return Verdict::Skip;
        }
        replace = false;
        return Verdict::Extract;
    }
    if (S_ISDIR(st.st_mode)) {
        note = {CodeMemberError, "skipping " + shown + ": a directory of that name is in the way"};
        return Verdict::Fail;
    }
    if (update_ || freshen_) {
        time_t onDisk = st.st_mtim.tv_sec;
        if (m.dosTime)
            onDisk += onDisk & 1;  // DOS times count in 2-second steps
        if (m.modified.tv_sec <= onDisk) {
            note = {0, "skipping " + shown + ": the file on disk is not older"};
            return Verdict::Skip;
        }
    }
    if (!overwrite_) {
        note = {0, "skipping " + shown + ": it " + KeptExistingText};
        return Verdict::Skip;
    }
    replace = true;
    return Verdict::Extract;
}

void Extraction::extractLink(const Member &m, const SafeName &name,
                             std::vector<std::pair<int32_t, std::string>> messages)
{
    // Links are made in strict order with everything before them.
    drain();
    if (reporter_.cancelled())
        return;
    for (const auto &[code, text] : messages)
        if (!say(code, text))
            return;
    const std::string &shown = m.shownName();
    auto refuse = [&](int32_t code, const std::string &why) { say(code, "skipping " + shown + ": " + why); };
    if (name.directory || name.components.empty())
        return refuse(CodeMemberError, "a link cannot be a directory");
    if (m.unpackedSize > LinkTargetLimit || m.packedSize > WholeMemberLimit)
        return refuse(CodeMemberError, "its link target is too long");
    std::unique_ptr<MemberDecryption> decryption;
    std::vector<std::pair<int32_t, std::string>> lockMessages;
    if (!unlock(m, decryption, lockMessages)) {
        for (const auto &[code, text] : lockMessages)
            if (!say(code, text))
                return;
        return;
    }
    std::string target, error;
    if (!readSmallMember(file_, m, target, error, decryption.get()))
        return refuse(CodeMemberError, error);
    const size_t directoryCount = dirNames_ ? name.components.size() - 1 : 0;
    if (!common::linkStaysInside(target, directoryCount))
        return refuse(CodeMemberError, "its link target \"" + target + "\" leads outside the target directory");
    DirectoryRef dir = tree_->open(name.components, directoryCount, true, error);
    if (!dir)
        return refuse(CodeMemberError, error);
    const std::string &leaf = name.components.back();
    bool replace = false;
    std::pair<int32_t, std::string> note;
    if (decide(m, dir->fd(), leaf, shown, replace, note) != Verdict::Extract) {
        if (!note.second.empty() && (note.first != 0 || verbose_))
            say(note.first, note.second);
        return;
    }

    if (reporter_.fileBegin(shown, m.unpackedSize) || !info("    linking: " + shown + " -> " + target))
        return;
    const std::string temporary = tree_->temporaryName();
    if (common::sys::symlinkat(target.c_str(), dir->fd(), temporary.c_str()) != 0)
        return refuse(CodeWriteError, "cannot create the link: " + describe(errno));
    if (!renameInto(dir->fd(), temporary, leaf, replace)) {
        const int err = errno;
        ::unlinkat(dir->fd(), temporary.c_str(), 0);
        if (err == EEXIST && !replace)
            return (void)info("skipping " + shown + ": it " + KeptExistingText);
        return refuse(CodeWriteError, "cannot put the link in place: " + describe(err));
    }
    const timespec times[2] = {m.accessed, m.modified};
    ::utimensat(dir->fd(), leaf.c_str(), times, AT_SYMLINK_NOFOLLOW);
    ++placed_;
}

bool Extraction::unlock(const Member &m, std::unique_ptr<MemberDecryption> &decryption,
                        std::vector<std::pair<int32_t, std::string>> &messages)
{
    if (!m.encrypted())
        return true;
    std::string error;
    // What was planned before is put in place first: a cancel at the
    // question keeps it, and the question comes after its reports.
    auto finishEarlier = [this] {
        drain();
        return !reporter_.cancelled();
    };
    switch (passwords_.unlock(file_, m, decryption, error, finishEarlier)) {
    case PasswordKeeper::Outcome::Unlocked: return true;
    case PasswordKeeper::Outcome::WrongPassword:
        messages.emplace_back(CodeMemberError, m.shownName() + ": wrong password");
        break;
    case PasswordKeeper::Outcome::NoPassword:
        messages.emplace_back(CodeMemberError, m.shownName() + ": encrypted, no password given");
        break;
    case PasswordKeeper::Outcome::Damaged: messages.emplace_back(CodeMemberError, m.shownName() + ": " + error); break;
    case PasswordKeeper::Outcome::Cancelled: reporter_.cancel(); break;
    }
    return false;
}

void Extraction::push(std::unique_ptr<Item> item)
{
    window_.push_back(std::move(item));
}

bool Extraction::headReady()
{
    if (window_.empty())
        return false;
    const Item &head = *window_.front();
    if (!head.job)
        return true;
    std::lock_guard lock(mutex_);
    return head.finished;
}

void Extraction::processHead()
{
    Item &item = *window_.front();
    for (const auto &[code, text] : item.messages)
        if (!say(code, text))
            return;
    item.messages.clear();  // a cancel keeps the item; its messages are out
    if (item.passed)
        ++placed_;
    if (item.job) {
        FileJob &job = *item.job;
        const Member &m = *item.member;
        if (reporter_.fileBegin(m.shownName(), m.unpackedSize) || (!test_ && !info(verbFor(m.method) + m.shownName())))
            return;
        // The steps follow what the worker has written, as it writes.
        uint64_t steps = 0;
        for (;;) {
            bool finished;
            {
                std::unique_lock lock(mutex_);
                awaited_ = &job;
                workDone_.wait(lock, [&] { return item.finished || job.produced.load() / StepSize > steps; });
                awaited_ = nullptr;
                finished = item.finished;
            }
            const uint64_t target = job.produced.load() / StepSize;
            for (; steps < target; ++steps)
                if (reporter_.step())
                    return;
            if (finished)
                break;
        }
        if (!job.note.empty() && !info(m.shownName() + ": " + job.note))
            return;
        bool inPlace = false;
        if (!job.ok) {
            if (!job.cancelled && !say(job.errorCode, m.shownName() + ": " + job.error))
                return;
        } else if (test_) {
            ++placed_;
            if (!info("    testing: " + m.shownName() + "  OK"))
                return;
        } else {
            int err = 0;
            {
                std::lock_guard names(namespaceLock_);
                if (!renameInto(job.dir->fd(), job.temporaryName, job.leaf, item.replace)) {
                    err = errno;
                    ::unlinkat(job.dir->fd(), job.temporaryName.c_str(), 0);
                }
            }
            job.temporaryName.clear();
            inPlace = err == 0;
            if (inPlace)
                ++placed_;
            else if (err == EEXIST && !item.replace)
                info("skipping " + m.shownName() + ": it " + KeptExistingText);
            else
                say(CodeWriteError, m.shownName() + ": cannot put it in place: " + describe(err));
        }
        // Only a file that was written keeps its name from later members:
        // one that failed leaves the path to the next member meeting it.
        if (!inPlace)
            claimedPaths_.erase(item.path);
        for (auto [hit, end] = pendingPaths_.equal_range(extendPathHash(PathHashStart, item.path)); hit != end; ++hit)
            if (hit->second == item.path) {
                pendingPaths_.erase(hit);
                break;
            }
    }
    window_.pop_front();
}

void Extraction::drain()
{
    while (!window_.empty() && !reporter_.cancelled())
        processHead();
}

void Extraction::startWorkers(size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        try {
            workers_.emplace_back([this] { workerLoop(); });
        } catch (const std::system_error &) {
            break;  // fewer threads, or none: planFile then writes on this thread
        }
    }
}

void Extraction::workerLoop()
{
    MemberWriter writer(*writerContext_);
    for (;;) {
        Item *item = nullptr;
        {
            std::unique_lock lock(mutex_);
            ++idleWorkers_;
            workAvailable_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
            --idleWorkers_;
            if (stopping_)
                return;
            item = queue_.front();
            queue_.pop_front();
        }
        writer.write(*item->job);
        std::lock_guard lock(mutex_);
        item->finished = true;
        // The calling thread only ever waits for the member at the head.
        if (awaited_ == item->job.get())
            workDone_.notify_one();
    }
}

void Extraction::stopWorkers()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    workAvailable_.notify_all();
    if (memory_)
        memory_->interrupt();  // a worker waiting for memory sees the cancel
    for (std::thread &worker : workers_)
        worker.join();
    workers_.clear();
}

// Called with the workers stopped: what is still in the window was never
// put in place.
void Extraction::cleanUp()
{
    for (const auto &item : window_)
        if (item->job && !item->job->temporaryName.empty()) {
            ::unlinkat(item->job->dir->fd(), item->job->temporaryName.c_str(), 0);
            item->job->temporaryName.clear();
        }
    window_.clear();
    pendingPaths_.clear();
}

void Extraction::applyDirectoryAttributes()
{
    if (!tree_)
        return;
    // Deepest first: a parent made read-only must not block its children.
    std::stable_sort(deferred_.begin(), deferred_.end(), [](const DeferredDirectory &a, const DeferredDirectory &b) {
        return OutputTree::depth(a.node) > OutputTree::depth(b.node);
    });
    for (const DeferredDirectory &d : deferred_) {
        std::string error;
        if (DirectoryRef dir = tree_->open(d.node, error)) {
            ::fchmod(dir->fd(), d.mode);
            ::futimens(dir->fd(), d.times);
        }
    }
    deferred_.clear();
}

}  // namespace unzeng
