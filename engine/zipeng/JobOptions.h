#pragma once
// What one call of the library asks for, read from its parameter record, and
// the sizes the jobs work in (tests lower them to reach rare paths).

#include "engine/zipeng/Encryption.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zipeng {

struct JobOptions {
    std::string archive;
    std::vector<std::string> args;
    std::optional<std::string> baseDirectory;  // relative arguments are under it; none: the current directory
    int level = 9;                             // 0 stores
    bool remove = false;                       // delete members instead of adding files
    bool dropDirNames = false;
    bool recurse = false;
    bool forceDos = false;
    bool move = false;
    bool update = false;
    bool freshen = false;
    bool archiveTime = false;
    Secret password;     // not empty: the files added are encrypted
    std::string folder;  // the archive's folder the files added are stored in; empty: its top
};

namespace tuning {
// Files up to this size are read whole by the workers and stored or deflated
// whole; larger ones, and any to be deflated that are larger than one piece,
// are read by the writer and deflated in pieces of `streamChunk` bytes (0:
// the size for the level, see pieceSize()) on the workers. Tests lower them
// to reach the piece path with small files.
extern uint64_t wholeFileLimit;
extern size_t streamChunk;
// Kept members are copied in blocks of this many bytes.
extern size_t copyBlock;
// How long the library may go without a callback before it sends Working.
extern std::chrono::nanoseconds workingInterval;
// Pieces deflated so far, by any call: tests see from it how soon a cancel
// stopped the workers.
extern std::atomic<uint64_t> piecesDeflated;
}  // namespace tuning

}  // namespace zipeng
