#include "EngineTestSupport.h"

#include "engine/zipformat/ByteSource.h"
#include "engine/zipformat/CentralDirectory.h"
#include "engine/zipformat/ZipRecords.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace enginetest {

ScratchDir::ScratchDir()
{
    char cwd[4096];
    previous_ = ::getcwd(cwd, sizeof cwd) ? cwd : "/";
    const char *base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/zipeng-test-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    if (::chdir(path_.c_str()) != 0)
        throw std::runtime_error("chdir failed");
}

ScratchDir::~ScratchDir()
{
    [[maybe_unused]] const int ignored = ::chdir(previous_.c_str());
    std::error_code error;
    // Read-only directories made by a test would stop the removal.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, error);
         it != std::filesystem::recursive_directory_iterator(); it.increment(error))
        if (it->is_directory(error))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(path_, error);
}

void writeFile(const std::string &path, const std::string &content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), std::streamsize(content.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void makeDirs(const std::string &path)
{
    std::filesystem::create_directories(path);
}

void setMtime(const std::string &path, int64_t seconds)
{
    const struct timespec times[2] = {{time_t(seconds), 0}, {time_t(seconds), 0}};
    if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0)
        throw std::runtime_error("utimensat failed on " + path);
}

int64_t mtimeOf(const std::string &path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? int64_t(st.st_mtime) : -1;
}

bool exists(const std::string &path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

std::vector<std::string> listDir(const std::string &path)
{
    std::vector<std::string> names;
    if (DIR *dir = ::opendir(path.c_str())) {
        while (const dirent *e = ::readdir(dir))
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
                names.emplace_back(e->d_name);
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string textData(size_t size, unsigned seed)
{
    static const char *words[] = {"archive ", "member ", "deflate ", "header ", "central ", "directory ",
                                  "local ",   "zip ",    "record ",  "offset ", "size ",    "\n"};
    std::mt19937 random(seed);
    std::string text;
    text.reserve(size + 16);
    while (text.size() < size)
        text += words[random() % 12];
    text.resize(size);
    return text;
}

std::string randomData(size_t size, unsigned seed)
{
    std::mt19937_64 random(seed);
    std::string data(size, '\0');
    for (size_t i = 0; i < size; i += 8) {
        const uint64_t v = random();
        std::memcpy(&data[i], &v, std::min<size_t>(8, size - i));
    }
    return data;
}

// ---- Calls ------------------------------------------------------------------

std::vector<std::string> CallResult::begun() const
{
    std::vector<std::string> names;
    for (const Callback &c : calls)
        if (c.action == ZipActionFileBegin)
            names.push_back(c.text);
    return names;
}

std::vector<Callback> CallResult::messages() const
{
    std::vector<Callback> list;
    for (const Callback &c : calls)
        if (c.action == ZipActionMessage)
            list.push_back(c);
    return list;
}

std::vector<Callback> CallResult::errors() const
{
    std::vector<Callback> list;
    for (const Callback &c : calls)
        if (c.action == ZipActionMessage && c.code > 0)
            list.push_back(c);
    return list;
}

int CallResult::count(int32_t action) const
{
    return int(std::count_if(calls.begin(), calls.end(), [&](const Callback &c) { return c.action == action; }));
}

std::string CallResult::dump() const
{
    std::string text = "result " + std::to_string(result) + "\n";
    for (const Callback &c : calls) {
        if (c.action == ZipActionFileStep)
            continue;
        text += "  action " + std::to_string(c.action) + " code " + std::to_string(c.code) + " size "
                + std::to_string(c.size) + " " + c.text + "\n";
    }
    return text;
}

namespace {

struct Recorder {
    std::vector<Callback> calls;
    CancelRule cancel;
};

int32_t recordCallback(CallbackRecord *record)
{
    auto *recorder = static_cast<Recorder *>(record->Instance);
    recorder->calls.push_back(
        {record->Action, record->ErrorCode, record->FileSize, record->Text, std::this_thread::get_id()});
    return recorder->cancel && recorder->cancel(recorder->calls) ? 1 : 0;
}

}  // namespace

CancelRule cancelAt(int32_t action, int n)
{
    return [action, n](const std::vector<Callback> &calls) {
        return calls.back().action == action
               && std::count_if(calls.begin(), calls.end(), [&](const Callback &c) { return c.action == action; }) == n;
    };
}

CallResult callEngine(const std::string &archive, const std::vector<std::string> &args, const Flags &flags,
                      CancelRule cancel)
{
    Recorder recorder{{}, std::move(cancel)};
    auto record = std::make_unique<ZipCallRecord>();   // zero-filled
    record->Instance = &recorder;
    record->Version = EngineInterfaceVersion;
    record->Callback = &recordCallback;
    record->TraceFlag = flags.trace;
    record->Constant44 = 1;
    record->VerboseFlag = flags.verbose || flags.trace;
    record->Constant56 = 1;
    record->Level = flags.level;
    record->DropDirNamesFlag = flags.remove ? 0 : !flags.dirNames;
    record->RecurseFlag = flags.recurse;
    record->AddFlag = flags.remove ? 0 : 1;
    record->ForceDosFlag = flags.forceDos;
    record->MoveFlag = flags.move;
    record->DeleteFlag = flags.remove;
    record->UpdateFlag = flags.update;
    record->FreshenFlag = flags.freshen && !flags.update;
    record->ArchiveTimeFlag = flags.archiveTime;
    record->ArchiveName = archive.c_str();
    record->Constant128 = 7;
    record->BaseDirectory = flags.base ? flags.base->c_str() : nullptr;
    record->FileSpecCount = int32_t(args.size());
    for (size_t i = 0; i < args.size(); ++i)
        record->FileSpecs[i] = args[i].c_str();
    CallResult result;
    result.result = orvex_zipeng_call(record.get());
    result.calls = std::move(recorder.calls);
    return result;
}

// ---- Reading archives -----------------------------------------------------------

std::vector<std::string> ArchiveInfo::names() const
{
    std::vector<std::string> list;
    for (const Member &m : members)
        list.push_back(m.name);
    return list;
}

const Member *ArchiveInfo::find(const std::string &name) const
{
    for (const Member &m : members)
        if (m.name == name)
            return &m;
    return nullptr;
}

ArchiveInfo readArchive(const std::string &path)
{
    using namespace zipformat;
    ArchiveInfo info;
    PosixFile file;
    if (!file.open(path))
        return info;
    const auto location = locateCentralDirectory(file);
    if (!location)
        return info;
    info.zip64End = location->zip64EndRecordOffset.has_value();
    CentralDirectoryReader reader(file, *location);
    while (const auto h = reader.next()) {
        Member m;
        m.name.assign(reinterpret_cast<const char *>(h->name.data()), h->name.size());
        m.madeBy = h->versionMadeBy;
        m.versionNeeded = h->versionNeeded;
        m.flags = h->flags;
        m.method = h->method;
        m.dosTime = h->modTime;
        m.dosDate = h->modDate;
        m.crc = h->crc;
        m.packedSize = h->packedSize;
        m.unpackedSize = h->unpackedSize;
        m.externalAttributes = h->externalAttributes;
        m.offset = location->archiveStart + h->headerOffset;
        m.centralZip64 = h->hasZip64Extra;
        m.extra.assign(h->extra.begin(), h->extra.end());
        if (const auto block = findExtraBlock(h->extra, ExtendedTimestampId))
            if (const auto stamp = parseExtendedTimestamp(*block))
                m.unixTime = stamp->modified;
        info.members.push_back(std::move(m));
    }
    // Each member's bytes run to the next member's header, or to the directory.
    std::vector<uint64_t> starts;
    for (const Member &m : info.members)
        starts.push_back(m.offset);
    std::sort(starts.begin(), starts.end());
    if (info.members.size() < 20000) {
        for (Member &m : info.members) {
            const auto next = std::upper_bound(starts.begin(), starts.end(), m.offset);
            const uint64_t end = next == starts.end() ? location->fileOffset() : *next;
            m.record.resize(size_t(end - m.offset));
            file.readAt(m.offset, m.record.data(), m.record.size());
        }
    }
    info.ok = info.members.size() == location->entries;
    return info;
}

// ---- Tools --------------------------------------------------------------------------

ToolResult runTool(const std::vector<std::string> &argv)
{
    ToolResult result;
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return result;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipeFds[1], 1);
        ::dup2(pipeFds[1], 2);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        std::vector<char *> args;
        for (const std::string &a : argv)
            args.push_back(const_cast<char *>(a.c_str()));
        args.push_back(nullptr);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    char buffer[65536];
    ssize_t n;
    while ((n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0)
        result.output.append(buffer, size_t(n));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string checkWithTools(const std::string &archive, bool stub, bool extract)
{
    std::string problems;
    auto complain = [&](const std::string &tool, const ToolResult &r) {
        problems += tool + " (status " + std::to_string(r.status) + "):\n" + r.output + "\n";
    };
    if (const ToolResult r = runTool({"unzip", "-tq", archive}); r.status != 0 || r.output.find("warning") != std::string::npos)
        complain("unzip -t", r);
    if (const ToolResult r = runTool({"7zz", "t", "-bd", archive});
        r.status != 0 || r.output.find("Everything is Ok") == std::string::npos
        || (!stub && (r.output.find("WARNING") != std::string::npos || r.output.find("Warnings") != std::string::npos)))
        complain("7zz t", r);
    if (const ToolResult r = runTool({"bsdtar", "-tf", archive}); r.status != 0)
        complain("bsdtar -tf", r);
    if (extract) {
        if (const ToolResult r = runTool({"sh", "-c", "bsdtar -xOf \"$1\" > /dev/null", "sh", archive});
            r.status != 0 || !r.output.empty())
            complain("bsdtar -xOf", r);
    }
    const char *script = "import sys, zipfile\n"
                         "with zipfile.ZipFile(sys.argv[1]) as z:\n"
                         "    bad = z.testzip()\n"
                         "    sys.exit('bad member: %s' % bad if bad else 0)\n";
    if (const ToolResult r = runTool({"python3", "-W", "error", "-c", script, archive}); r.status != 0 || !r.output.empty())
        complain("python zipfile", r);
    return problems;
}

uint32_t crcOf(const std::string &data)
{
    return uint32_t(crc32(0, reinterpret_cast<const Bytef *>(data.data()), uInt(data.size())));
}

}  // namespace enginetest
