#pragma once
// Running libunzeng from tests: a scratch directory, a recorded callback,
// archives built byte by byte, and the reference tools.

#include "engine/common/CallRecords.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace unzengtest {

// A fresh directory, removed with everything in it (read-only parts too).
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    const std::string &path() const { return path_; }
    std::string operator/(const std::string &name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string readFile(const std::string &path);
void writeFile(const std::string &path, const std::string &bytes);
void makeDirs(const std::string &path);
bool exists(const std::string &path);   // without following a final link
std::string randomBytes(size_t n, uint32_t seed);
std::string textBytes(size_t n, uint32_t seed);   // compressible

// Every entry below `root`, relative, sorted; directories end in '/', links
// are "name -> target". Does not follow links.
std::vector<std::string> listTree(const std::string &root);
// Files and links only, with their contents (a link's content is its target).
std::map<std::string, std::string> treeContents(const std::string &root);

// Runs `command` with /bin/sh in `directory`; its exit status.
int sh(const std::string &command, const std::string &directory = {});
bool haveProgram(const std::string &name);

struct Event {
    int32_t action = 0;
    int32_t code = 0;
    int32_t size = 0;
    std::string text;
    std::thread::id thread;
};

struct Options {
    bool dirNames = true;
    bool overwrite = false;
    bool update = false;
    bool freshen = false;
    bool verbose = false;
    bool trace = false;
    std::vector<std::string> specs;
    // The target goes in as BaseDirectory and the current directory is left alone.
    bool targetAsBase = false;
    // Asked before every callback returns: true cancels.
    std::function<bool(const Event &)> cancelWhen;
};

struct Outcome {
    int32_t result = 0;
    std::vector<Event> events;

    std::vector<std::string> begun() const;    // action-1 names in order
    std::vector<const Event *> messages() const;
    std::vector<const Event *> errors() const; // action 4 with code > 0
    bool hasError(const std::string &fragment, int32_t code = -1) const;
    std::string dump() const;                  // for failure output
};

// Extracts `archive` into `target` (made the current directory for the call,
// unless it is passed as BaseDirectory).
Outcome extract(const std::string &archive, const std::string &target, const Options &options = {});

// ---- Archives built byte by byte ---------------------------------------

constexpr uint16_t DosTime = (12 << 11) | (34 << 5) | (56 / 2);   // 12:34:56
constexpr uint16_t DosDate = ((2021 - 1980) << 9) | (6 << 5) | 15; // 15 June 2021

struct Entry {
    std::string name;
    std::string content;                  // the uncompressed bytes
    uint16_t method = 0;                  // 0 and 8 and 93 are encoded here
    std::optional<std::string> packed;    // written as the data instead
    uint16_t flags = 0;
    uint16_t madeBy = 0x031E;             // Unix, 3.0
    uint32_t externalAttributes = 0100644u << 16;
    uint16_t dosTime = DosTime, dosDate = DosDate;
    std::string centralExtra, localExtra;
    std::optional<uint32_t> crc;          // written instead of the real one
    std::optional<uint64_t> unpackedSize;
    std::optional<uint64_t> packedSize;   // central directory only
    std::optional<std::string> localName;
    std::optional<uint16_t> localMethod;
    // Points the central entry at the local header of entry i; no local
    // header of its own is written.
    std::optional<size_t> shareHeaderOf;
    uint32_t offsetAdjust = 0;            // added to that entry's offset
};

Entry fileEntry(const std::string &name, const std::string &content, uint16_t method = 8);
Entry dirEntry(const std::string &name);
Entry linkEntry(const std::string &name, const std::string &target);
std::string rawDeflate(const std::string &data, int level = 6);
std::string zstdCompress(const std::string &data);
std::string xzCompress(const std::string &data);   // method 95 data, a small dictionary
// Method 14 data: ZIP's LZMA header and a raw LZMA1 stream.
std::string zipLzma(const std::string &data, bool endMarker);
uint32_t crc32Of(const std::string &data);
std::string extendedTimestamp(int64_t modified);
// The Info-ZIP Unicode path field naming `utf8` for the stored name `stored`.
std::string unicodePathField(const std::string &stored, const std::string &utf8);

std::string buildZip(const std::vector<Entry> &entries);

}  // namespace unzengtest
