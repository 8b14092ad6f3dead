#pragma once
// One call of an engine library (libzipeng or libunzeng) as the archive
// component makes it, with every callback recorded.

#include "engine/common/CallRecords.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace ziptest {

struct Callback {
    int32_t action = 0;
    int32_t code = 0;
    int32_t size = 0;
    std::string text;
    std::thread::id thread;
};

struct CallResult {
    int32_t result = 0;
    std::vector<Callback> calls;

    std::vector<std::string> begun() const;  // texts of action 1, in order
    std::vector<Callback> messages() const;  // action 4
    std::vector<Callback> errors() const;    // action 4 with code > 0
    int count(int32_t action) const;
    bool hasError(const std::string &fragment, int32_t code = -1) const;
    std::string dump() const;  // for failure output
};

// Decides the callback's answer from the calls so far (the current one
// last): true cancels.
using CancelRule = std::function<bool(const std::vector<Callback> &)>;
// Cancels at the n-th callback of this action (1 for the first).
CancelRule cancelAt(int32_t action, int n);
// Cancels when `rule` holds for the current callback.
CancelRule cancelWhen(std::function<bool(const Callback &)> rule);

// Records the callbacks of one call: put `this` in the record's Instance and
// `callback` in its Callback.
class CallRecorder {
public:
    explicit CallRecorder(CancelRule cancel = {}) : cancel_(std::move(cancel)) {}
    static int32_t callback(CallbackRecord *record);
    std::vector<Callback> calls;

    // Fills the fields both libraries' records share.
    template <typename Record>
    void attach(Record &record, bool trace, bool verbose)
    {
        record.Instance = this;
        record.Version = EngineInterfaceVersion;
        record.Callback = &CallRecorder::callback;
        record.TraceFlag = trace;
        record.VerboseFlag = verbose || trace;
    }

private:
    CancelRule cancel_;
};

// ---- libzipeng ----------------------------------------------------------

struct Flags {
    int level = 6;
    bool dirNames = true;  // false sets DropDirNamesFlag
    bool recurse = false;
    bool forceDos = false;
    bool move = false;
    bool update = false;
    bool freshen = false;
    bool archiveTime = false;
    bool remove = false;
    bool verbose = false;
    bool trace = false;
    std::optional<std::string> base;      // BaseDirectory; none leaves it null
    std::optional<std::string> password;  // Password; none leaves it null
    std::optional<std::string> folder{};  // ArchiveFolder; none leaves it null
};

CallResult callEngine(const std::string &archive, const std::vector<std::string> &args, const Flags &flags = {},
                      CancelRule cancel = {});

// The least a caller must fill to add one file: no callback, no instance.
// The texts are only pointed to, so they must outlive the record.
std::unique_ptr<ZipCallRecord> bareAddRecord(const char *archive, const char *file);

// ---- libunzeng ----------------------------------------------------------

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
    bool test = false;           // TestFlag: decode and check, write nothing
    bool privateCopies = false;  // PrivateFlag
    CancelRule cancel;
    // NameCharset; none leaves it null (guessed).
    std::optional<std::string> nameCharset;
};

// Extracts `archive` into `target` (made the current directory for the call,
// unless it is passed as BaseDirectory).
CallResult extract(const std::string &archive, const std::string &target, const Options &options = {});

// Gives a setting of a library another value for one test and puts the old
// one back afterwards.
template <typename T>
class Override {
public:
    Override(T &setting, T value) : setting_(setting), saved_(setting) { setting_ = value; }
    ~Override() { setting_ = saved_; }
    Override(const Override &) = delete;
    Override &operator=(const Override &) = delete;

private:
    T &setting_;
    T saved_;
};

}  // namespace ziptest
