#include "UnzengTestSupport.h"

#include <lzma.h>
#include <zlib.h>
#include <zstd.h>

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
#include <unistd.h>

namespace unzengtest {

namespace {

void put16(std::string &out, uint16_t v)
{
    out += char(v & 0xFF);
    out += char(v >> 8);
}

void put32(std::string &out, uint32_t v)
{
    put16(out, uint16_t(v));
    put16(out, uint16_t(v >> 16));
}

// Makes everything below `path` removable, without following links.
void unlockTree(const std::string &path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return;
    ::chmod(path.c_str(), 0700);
    if (DIR *dir = ::opendir(path.c_str())) {
        while (dirent *e = ::readdir(dir)) {
            const std::string name = e->d_name;
            if (name != "." && name != "..")
                unlockTree(path + "/" + name);
        }
        ::closedir(dir);
    }
}

void walk(const std::string &root, const std::string &relative, std::vector<std::string> &out)
{
    DIR *dir = ::opendir((root + (relative.empty() ? "" : "/" + relative)).c_str());
    if (!dir)
        return;
    std::vector<std::string> names;
    while (dirent *e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(dir);
    for (const std::string &name : names) {
        const std::string rel = relative.empty() ? name : relative + "/" + name;
        const std::string full = root + "/" + rel;
        struct stat st {};
        ::lstat(full.c_str(), &st);
        if (S_ISDIR(st.st_mode)) {
            out.push_back(rel + "/");
            walk(root, rel, out);
        } else if (S_ISLNK(st.st_mode)) {
            char target[4096];
            const ssize_t n = ::readlink(full.c_str(), target, sizeof target);
            out.push_back(rel + " -> " + std::string(target, size_t(std::max<ssize_t>(n, 0))));
        } else {
            out.push_back(rel);
        }
    }
}

struct Recorder {
    Outcome *outcome;
    const Options *options;
};

int32_t recordCallback(CallbackRecord *record)
{
    auto *recorder = static_cast<Recorder *>(record->Instance);
    Event event{record->Action, record->ErrorCode, record->FileSize, record->Text, std::this_thread::get_id()};
    recorder->outcome->events.push_back(event);
    return recorder->options->cancelWhen && recorder->options->cancelWhen(event) ? 1 : 0;
}

}  // namespace

TempDir::TempDir()
{
    const char *base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/unzeng-test-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir()
{
    unlockTree(path_);
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);   // does not follow links
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

void makeDirs(const std::string &path)
{
    for (size_t at = 1; at <= path.size(); ++at)
        if (at == path.size() || path[at] == '/')
            ::mkdir(path.substr(0, at).c_str(), 0755);
}

bool exists(const std::string &path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

std::string randomBytes(size_t n, uint32_t seed)
{
    std::mt19937 rng(seed);
    std::string out(n, '\0');
    for (char &c : out)
        c = char(rng() & 0xFF);
    return out;
}

std::string textBytes(size_t n, uint32_t seed)
{
    static const char *words[] = {"archive ", "member ", "deflate ", "zip ", "orvex ", "header\n", "data ", "97 "};
    std::mt19937 rng(seed);
    std::string out;
    out.reserve(n + 16);
    while (out.size() < n)
        out += words[rng() % 8];
    out.resize(n);
    return out;
}

std::vector<std::string> listTree(const std::string &root)
{
    std::vector<std::string> out;
    walk(root, "", out);
    std::sort(out.begin(), out.end());
    return out;
}

std::map<std::string, std::string> treeContents(const std::string &root)
{
    std::map<std::string, std::string> out;
    for (const std::string &entry : listTree(root)) {
        if (entry.ends_with('/'))
            continue;
        const size_t arrow = entry.find(" -> ");
        if (arrow != std::string::npos)
            out[entry.substr(0, arrow)] = "link:" + entry.substr(arrow + 4);
        else
            out[entry] = readFile(root + "/" + entry);
    }
    return out;
}

int sh(const std::string &command, const std::string &directory)
{
    const std::string full = directory.empty() ? command : "cd '" + directory + "' && " + command;
    const int status = std::system(full.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool haveProgram(const std::string &name)
{
    return sh("command -v " + name + " >/dev/null 2>&1") == 0;
}

std::vector<std::string> Outcome::begun() const
{
    std::vector<std::string> names;
    for (const Event &e : events)
        if (e.action == ZipActionFileBegin)
            names.push_back(e.text);
    return names;
}

std::vector<const Event *> Outcome::messages() const
{
    std::vector<const Event *> out;
    for (const Event &e : events)
        if (e.action == ZipActionMessage)
            out.push_back(&e);
    return out;
}

std::vector<const Event *> Outcome::errors() const
{
    std::vector<const Event *> out;
    for (const Event *e : messages())
        if (e->code > 0)
            out.push_back(e);
    return out;
}

bool Outcome::hasError(const std::string &fragment, int32_t code) const
{
    for (const Event *e : errors())
        if (e->text.find(fragment) != std::string::npos && (code < 0 || e->code == code))
            return true;
    return false;
}

std::string Outcome::dump() const
{
    std::string out = "result " + std::to_string(result) + "\n";
    for (const Event &e : events)
        out += "  action " + std::to_string(e.action) + " code " + std::to_string(e.code) + " size "
               + std::to_string(e.size) + " [" + e.text + "]\n";
    return out;
}

Outcome extract(const std::string &archive, const std::string &target, const Options &options)
{
    Outcome outcome;
    Recorder recorder{&outcome, &options};
    auto record = std::make_unique<UnzipCallRecord>();
    std::memset(record.get(), 0, sizeof *record);
    record->Instance = &recorder;
    record->Version = EngineInterfaceVersion;
    record->Callback = &recordCallback;
    record->TraceFlag = options.trace;
    record->Constant40 = 1;
    record->VerboseFlag = options.verbose || options.trace;
    record->UpdateFlag = options.update;
    record->FreshenFlag = options.freshen && !options.update;
    record->DirNamesFlag = options.dirNames;
    record->OverwriteFlag = options.overwrite;
    record->FileSpecCount = int32_t(options.specs.size());
    record->ArchiveName = archive.c_str();
    record->Constant72 = 7;
    for (size_t i = 0; i < options.specs.size(); ++i)
        record->FileSpecs[i] = options.specs[i].c_str();
    if (options.targetAsBase) {
        record->BaseDirectory = target.c_str();
        outcome.result = orvex_unzeng_call(record.get());
        return outcome;
    }

    const int previous = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (::chdir(target.c_str()) != 0)
        throw std::runtime_error("cannot enter " + target);
    struct Restore {
        int fd;
        ~Restore()
        {
            if (::fchdir(fd) != 0) {
            }
            ::close(fd);
        }
    } restore{previous};
    outcome.result = orvex_unzeng_call(record.get());
    return outcome;
}

// ---- Archives ------------------------------------------------------------

uint32_t crc32Of(const std::string &data)
{
    return uint32_t(::crc32(0, reinterpret_cast<const Bytef *>(data.data()), uInt(data.size())));
}

std::string rawDeflate(const std::string &data, int level)
{
    z_stream s{};
    deflateInit2(&s, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&s, uLong(data.size())), '\0');
    s.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    s.avail_in = uInt(data.size());
    s.next_out = reinterpret_cast<Bytef *>(out.data());
    s.avail_out = uInt(out.size());
    deflate(&s, Z_FINISH);
    out.resize(s.total_out);
    deflateEnd(&s);
    return out;
}

std::string zstdCompress(const std::string &data)
{
    std::string out(ZSTD_compressBound(data.size()), '\0');
    out.resize(ZSTD_compress(out.data(), out.size(), data.data(), data.size(), 3));
    return out;
}

std::string zipLzma(const std::string &data, bool endMarker)
{
    lzma_options_lzma options{};
    lzma_lzma_preset(&options, 6);
    options.ext_flags = endMarker ? LZMA_LZMA1EXT_ALLOW_EOPM : 0;
    lzma_filter filters[2] = {{LZMA_FILTER_LZMA1EXT, &options}, {LZMA_VLI_UNKNOWN, nullptr}};
    lzma_stream stream = LZMA_STREAM_INIT;
    if (lzma_raw_encoder(&stream, filters) != LZMA_OK)
        return {};
    std::string out(data.size() + data.size() / 2 + 1024, '\0');
    stream.next_in = reinterpret_cast<const uint8_t *>(data.data());
    stream.avail_in = data.size();
    stream.next_out = reinterpret_cast<uint8_t *>(out.data());
    stream.avail_out = out.size();
    const bool done = lzma_code(&stream, LZMA_FINISH) == LZMA_STREAM_END;
    out.resize(done ? stream.total_out : 0);
    lzma_end(&stream);
    // ZIP's LZMA header: encoder version, properties length, properties.
    std::string header = {char(9), char(20), char(5), char(0)};
    header += char((options.pb * 5 + options.lp) * 9 + options.lc);
    put32(header, options.dict_size);
    return header + out;
}

std::string xzCompress(const std::string &data)
{
    std::string out(lzma_stream_buffer_bound(data.size()), '\0');
    size_t used = 0;
    if (lzma_easy_buffer_encode(0, LZMA_CHECK_CRC32, nullptr, reinterpret_cast<const uint8_t *>(data.data()),
                                data.size(), reinterpret_cast<uint8_t *>(out.data()), &used, out.size())
        != LZMA_OK)
        return {};
    out.resize(used);
    return out;
}

std::string unicodePathField(const std::string &stored, const std::string &utf8)
{
    // version 1, the CRC-32 of the stored name it stands for, the UTF-8 name
    std::string data = "\x01";
    put32(data, crc32Of(stored));
    data += utf8;
    std::string block;
    put16(block, 0x7075);
    put16(block, uint16_t(data.size()));
    return block + data;
}

std::string extendedTimestamp(int64_t modified)
{
    std::string block;
    put16(block, 0x5455);
    put16(block, 5);
    block += char(1);
    put32(block, uint32_t(int32_t(modified)));
    return block;
}

Entry fileEntry(const std::string &name, const std::string &content, uint16_t method)
{
    Entry e;
    e.name = name;
    e.content = content;
    e.method = method;
    return e;
}

Entry dirEntry(const std::string &name)
{
    Entry e;
    e.name = name;
    e.externalAttributes = (040755u << 16) | 0x10;
    return e;
}

Entry linkEntry(const std::string &name, const std::string &target)
{
    Entry e;
    e.name = name;
    e.content = target;
    e.externalAttributes = 0120777u << 16;
    return e;
}

std::string buildZip(const std::vector<Entry> &entries)
{
    std::string out;
    std::vector<uint32_t> offsets(entries.size());
    std::vector<std::string> data(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const Entry &e = entries[i];
        if (e.packed)
            data[i] = *e.packed;
        else if (e.method == 8)
            data[i] = rawDeflate(e.content);
        else if (e.method == 93)
            data[i] = zstdCompress(e.content);
        else
            data[i] = e.content;
        if (e.shareHeaderOf) {
            offsets[i] = offsets[*e.shareHeaderOf] + e.offsetAdjust;
            continue;
        }
        offsets[i] = uint32_t(out.size());
        const std::string name = e.localName.value_or(e.name);
        put32(out, 0x04034B50);
        put16(out, 20);
        put16(out, e.flags);
        put16(out, e.localMethod.value_or(e.method));
        put16(out, e.dosTime);
        put16(out, e.dosDate);
        put32(out, e.crc.value_or(crc32Of(e.content)));
        put32(out, uint32_t(data[i].size()));
        put32(out, uint32_t(e.unpackedSize.value_or(e.content.size())));
        put16(out, uint16_t(name.size()));
        put16(out, uint16_t(e.localExtra.size()));
        out += name;
        out += e.localExtra;
        out += data[i];
    }
    const uint32_t directoryOffset = uint32_t(out.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const Entry &e = entries[i];
        put32(out, 0x02014B50);
        put16(out, e.madeBy);
        put16(out, 20);
        put16(out, e.flags);
        put16(out, e.method);
        put16(out, e.dosTime);
        put16(out, e.dosDate);
        put32(out, e.crc.value_or(crc32Of(e.content)));
        put32(out, uint32_t(e.packedSize.value_or(data[i].size())));
        put32(out, uint32_t(e.unpackedSize.value_or(e.content.size())));
        put16(out, uint16_t(e.name.size()));
        put16(out, uint16_t(e.centralExtra.size()));
        put16(out, 0);
        put16(out, 0);
        put16(out, 0);
        put32(out, e.externalAttributes);
        put32(out, offsets[i]);
        out += e.name;
        out += e.centralExtra;
    }
    const uint32_t directorySize = uint32_t(out.size()) - directoryOffset;
    put32(out, 0x06054B50);
    put16(out, 0);
    put16(out, 0);
    put16(out, uint16_t(entries.size()));
    put16(out, uint16_t(entries.size()));
    put32(out, directorySize);
    put32(out, directoryOffset);
    put16(out, 0);
    return out;
}

}  // namespace unzengtest
