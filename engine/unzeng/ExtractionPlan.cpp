#include "engine/unzeng/ExtractionPlan.h"

#include "engine/common/MessageCode.h"
#include "engine/common/SystemCalls.h"
#include "engine/unzeng/Decoders.h"
#include "engine/zipformat/MemberName.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fnmatch.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace unzeng {

namespace {

constexpr uint16_t FlagPatched = 0x0020;
constexpr uint64_t LinkTargetLimit = 4095;

std::string describe(int err)
{
    return std::strerror(err);
}

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

ExtractionPlan::ExtractionPlan(const UnzipCallRecord &record, Reporter &reporter, ExtractionWindow &window)
    : reporter_(reporter), window_(window), passwords_(record.Password, record.Instance)
{
    settings_.dirNames = record.DirNamesFlag != 0;
    settings_.overwrite = record.OverwriteFlag != 0;
    settings_.update = record.UpdateFlag != 0;
    settings_.freshen = record.FreshenFlag != 0 && !settings_.update;
    settings_.trace = record.TraceFlag != 0;
    settings_.verbose = record.VerboseFlag != 0 || settings_.trace;
    settings_.test = record.TestFlag != 0;
    settings_.privateModes = record.PrivateFlag != 0;
    if (settings_.test)
        settings_.update = settings_.freshen = false;  // they decide about files on disk, of which a test makes none
    else if (settings_.dirNames && record.BaseFolder && *record.BaseFolder)
        settings_.baseFolder = common::baseFolderName(record.BaseFolder, zipformat::MemberNameRules);
    specCount_ = record.FileSpecCount;
    allMembers_ = specCount_ == 0;
    if (specCount_ > 0 && specCount_ <= MaxFileSpecs)
        for (int32_t i = 0; i < specCount_; ++i)
            specs_.emplace_back(record.FileSpecs[i] ? record.FileSpecs[i] : "");
}

bool ExtractionPlan::checkRequest()
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
    if (settings_.baseFolder.refused()) {
        say(CodeBadRequest, settings_.baseFolder.refusal + "; nothing was extracted");
        return false;
    }
    if (settings_.freshen && !settings_.overwrite) {
        say(CodeBadRequest, "freshen only replaces existing files, which needs overwriting allowed; "
                            "nothing was extracted");
        return false;
    }
    return true;
}

std::vector<bool> ExtractionPlan::selectMembers(const ArchiveIndex &index)
{
    std::vector<bool> selected(index.members.size(), allMembers_);
    if (allMembers_)
        return selected;
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
    for (const auto &member : index.members)
        for (const std::string *name : namesOf(member))
            if (auto hit = exact.find(*name); hit != exact.end())
                for (size_t j : hit->second)
                    namesAMember[j] = true;
    for (size_t j = 0; j < specs_.size(); ++j)
        if (!namesAMember[j] && specs_[j].find_first_of("*?[") != std::string::npos)
            patterns.push_back(j);
    for (size_t i = 0; i < index.members.size(); ++i) {
        for (const std::string *name : namesOf(index.members[i])) {
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
    return selected;
}

void ExtractionPlan::setOutput(const zipformat::ArchiveFile &archive, OutputTree &tree, unsigned umask)
{
    archive_ = &archive;
    tree_ = &tree;
    umask_ = umask;
}

mode_t ExtractionPlan::fileMode(const Member &m) const
{
    if (settings_.privateModes)
        return 0600;
    return m.unixHost() ? mode_t(m.unixMode() & 0777) : mode_t(0644 & ~umask_);
}

bool ExtractionPlan::pathPending(const SafeName &name, size_t directoryCount, const std::string &path) const
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

void ExtractionPlan::plan(const Member &m)
{
    PlannedMember item;
    item.member = &m;
    const std::string &shown = m.shownName();
    auto refuse = [&](int32_t code, const std::string &why) {
        item.messages.emplace_back(code, "skipping " + shown + ": " + why);
        window_.add(std::move(item));
    };
    if (!m.problem.empty())
        return refuse(CodeMemberError, m.problem);
    SafeName name = settings_.test ? SafeName{} : common::safeName(m.diskName, zipformat::MemberNameRules);
    if (name.refused())
        return refuse(CodeMemberError, name.refusal);
    // Made relative only once made safe: whole components go, so nothing
    // refused above comes back, and a link's depth is its final place's.
    if (!settings_.test && settings_.dirNames && !common::placeUnder(name, settings_.baseFolder.components))
        return window_.add(std::move(item));  // the base folder's own entry
    if (m.encrypted() && !decryptable(m))
        return refuse(CodeUnsupported, m.method == crypto::AesMethod
                                           ? "it is encrypted with AES but has no valid 0x9901 field"
                                           : "it is encrypted with strong encryption, which is not supported");
    if (m.flags & FlagPatched)
        return refuse(CodeUnsupported, "it holds patch data, which is not supported");
    if (!methodSupported(m.method))
        return refuse(CodeUnsupported, "unsupported compression method " + std::to_string(m.method));
    if (!name.warning.empty())
        item.messages.emplace_back(CodeWarning, "warning: " + name.warning);
    if (settings_.trace) {
        char details[160];
        std::snprintf(details, sizeof details,
                      ": %s, %" PRIu64 " bytes packed, %" PRIu64 " unpacked, CRC %08" PRIx32
                      ", local header at %" PRIu64,
                      methodName(m.method), m.packedSize, m.unpackedSize, m.crc, m.headerOffset);
        item.messages.emplace_back(0, shown + details);
    }

    if (settings_.test)
        return planTest(m, std::move(item));
    if (m.isSymlink())
        return extractLink(m, name, std::move(item.messages));
    if (name.directory) {
        planDirectory(m, name, item);
        return window_.add(std::move(item));
    }
    planFile(m, name, std::move(item));
}

void ExtractionPlan::planDirectory(const Member &m, const SafeName &name, PlannedMember &item)
{
    if (!settings_.dirNames || name.components.empty())
        return;
    const std::string path = name.joined();
    if (pathPending(name, name.components.size(), path))
        window_.drain();
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
        const mode_t mode = settings_.privateModes
                                ? mode_t(0700)
                                : (m.unixHost() ? mode_t(m.unixMode() & 0777) : mode_t(0755 & ~umask_)) | S_IRWXU;
        window_.deferFolder(node, mode, m.accessed, m.modified);
    }
    if (settings_.verbose)
        item.messages.emplace_back(0, "   creating: " + m.shownName());
}

void ExtractionPlan::planFile(const Member &m, const SafeName &name, PlannedMember item)
{
    const size_t directoryCount = settings_.dirNames ? name.components.size() - 1 : 0;
    const std::string &leaf = name.components.back();
    const std::string path = settings_.dirNames ? name.joined() : leaf;
    // Two members meeting at one name (or a file where a later member needs
    // a directory) are settled in archive order, as if extracted one by one.
    if (pathPending(name, directoryCount, path))
        window_.drain();
    if (reporter_.cancelled())
        return;
    if (const auto claimed = claimedPaths_.find(path); claimed != claimedPaths_.end()) {
        item.messages.emplace_back(CodeMemberError, "skipping " + m.shownName() + ": " + claimed->second
                                                        + " was extracted to the same file " + path);
        return window_.add(std::move(item));
    }

    std::string error;
    DirectoryRef dir = tree_->open(name.components, directoryCount, true, error);
    if (!dir) {
        item.messages.emplace_back(CodeMemberError, "skipping " + m.shownName() + ": " + error);
        return window_.add(std::move(item));
    }
    bool replace = false;
    std::pair<int32_t, std::string> note;
    const Verdict verdict = decide(m, dir->fd(), leaf, m.shownName(), replace, note);
    if (verdict != Verdict::Extract) {
        if (!note.second.empty() && (note.first != 0 || settings_.verbose))
            item.messages.push_back(std::move(note));
        return window_.add(std::move(item));
    }

    auto job = std::make_unique<FileJob>();
    if (!unlock(m, job->decryption, item.messages))
        return window_.add(std::move(item));
    job->member = &m;
    job->dir = std::move(dir);
    job->leaf = leaf;
    job->mode = fileMode(m);
    item.job = std::move(job);
    item.path = path;
    item.replace = replace;
    pendingPaths_.emplace(extendPathHash(PathHashStart, path), path);
    claimedPaths_.emplace(path, m.shownName());
    window_.add(std::move(item));
}

// Nothing reaches the disk, so names need no making safe and there is no
// file to meet: a member passes when its data decodes to its size and CRC,
// a link's target like a file's contents. A directory entry has no data,
// and is no file the count counts.
void ExtractionPlan::planTest(const Member &m, PlannedMember item)
{
    if (!m.diskName.empty() && (m.diskName.back() == '/' || m.diskName.back() == '\\')) {
        window_.folderTested(m);
        if (settings_.verbose)
            item.messages.emplace_back(0, "    testing: " + m.shownName() + "  OK");
        return window_.add(std::move(item));
    }
    auto job = std::make_unique<FileJob>();
    if (!unlock(m, job->decryption, item.messages))
        return window_.add(std::move(item));
    job->member = &m;
    item.job = std::move(job);
    window_.add(std::move(item));
}

ExtractionPlan::Verdict ExtractionPlan::decide(const Member &m, int dir, const std::string &leaf,
                                               const std::string &shown, bool &replace,
                                               std::pair<int32_t, std::string> &note)
{
    struct stat st {};
    if (::fstatat(dir, leaf.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT) {
            note = {CodeWriteError, "skipping " + shown + ": cannot look at the file on disk: " + describe(errno)};
            return Verdict::Fail;
        }
        if (settings_.freshen) {
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
    if (settings_.update || settings_.freshen) {
        time_t onDisk = st.st_mtim.tv_sec;
        if (m.dosTime)
            onDisk += onDisk & 1;  // DOS times count in 2-second steps
        if (m.modified.tv_sec <= onDisk) {
            note = {0, "skipping " + shown + ": the file on disk is not older"};
            return Verdict::Skip;
        }
    }
    if (!settings_.overwrite) {
        note = {0, "skipping " + shown + ": it " + KeptExistingText};
        return Verdict::Skip;
    }
    replace = true;
    return Verdict::Extract;
}

void ExtractionPlan::extractLink(const Member &m, const SafeName &name, Messages messages)
{
    // Links are made in strict order with everything before them.
    window_.drain();
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
    Messages lockMessages;
    if (!unlock(m, decryption, lockMessages)) {
        for (const auto &[code, text] : lockMessages)
            if (!say(code, text))
                return;
        return;
    }
    std::string target, error;
    if (!readSmallMember(*archive_, m, target, error, decryption.get()))
        return refuse(CodeMemberError, error);
    const size_t directoryCount = settings_.dirNames ? name.components.size() - 1 : 0;
    if (!common::linkStaysInside(target, directoryCount))
        return refuse(CodeMemberError, "its link target \"" + target + "\" leads outside the target directory");
    DirectoryRef dir = tree_->open(name.components, directoryCount, true, error);
    if (!dir)
        return refuse(CodeMemberError, error);
    const std::string &leaf = name.components.back();
    bool replace = false;
    std::pair<int32_t, std::string> note;
    if (decide(m, dir->fd(), leaf, shown, replace, note) != Verdict::Extract) {
        if (!note.second.empty() && (note.first != 0 || settings_.verbose))
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
    ++linksPlaced_;
}

bool ExtractionPlan::unlock(const Member &m, std::unique_ptr<MemberDecryption> &decryption, Messages &messages)
{
    if (!m.encrypted())
        return true;
    std::string error;
    // What was planned before is put in place first: a cancel at the
    // question keeps it, and the question comes after its reports.
    auto finishEarlier = [this] {
        window_.drain();
        return !reporter_.cancelled();
    };
    switch (passwords_.unlock(*archive_, m, decryption, error, finishEarlier)) {
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

void ExtractionPlan::settled(const std::string &path, bool inPlace)
{
    // Only a file that was written keeps its name from later members:
    // one that failed leaves the path to the next member meeting it.
    if (!inPlace)
        claimedPaths_.erase(path);
    for (auto [hit, end] = pendingPaths_.equal_range(extendPathHash(PathHashStart, path)); hit != end; ++hit)
        if (hit->second == path) {
            pendingPaths_.erase(hit);
            break;
        }
}

void ExtractionPlan::reportUnmatched()
{
    for (size_t j = 0; j < specs_.size(); ++j)
        if (!specMatched_[j])
            say(CodeNotMatched, "caution: filename not matched:  " + specs_[j]);
}

}  // namespace unzeng
