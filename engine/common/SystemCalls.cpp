// The fault switch of SystemCalls.h. Compiled only with ORVEX_FAULT_INJECTION.
#include "engine/common/SystemCalls.h"

#if ORVEX_FAULT_INJECTION

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace common::sys {

namespace {

enum Kind { Write, Rename, Mkdir, Symlink, Sync, KindCount };
constexpr const char *KindNames[KindCount] = {"write", "rename", "mkdir", "symlink", "sync"};

enum class Action { None, Fail, Shorten, Kill };

struct Plan {
    Action action = Action::None;
    int kind = -1;
    uint64_t at = 0;
    int error = EIO;
};

// Written only when a scope starts, before the library starts its threads.
Plan plan;
std::string tallyPath;
std::atomic<uint64_t> counts[KindCount];
std::atomic<uint64_t> anyCount{0};
std::atomic<uint64_t> firedCount{0};

struct ErrorName {
    const char *name;
    int value;
};
constexpr ErrorName ErrorNames[] = {
    {"EIO", EIO},     {"ENOSPC", ENOSPC}, {"EDQUOT", EDQUOT}, {"EFBIG", EFBIG}, {"EROFS", EROFS},   {"EACCES", EACCES},
    {"EPERM", EPERM}, {"EINTR", EINTR},   {"EEXIST", EEXIST}, {"EXDEV", EXDEV}, {"EINVAL", EINVAL}, {"ENOENT", ENOENT},
};

[[noreturn]] void badPlan(const char *text)
{
    std::fprintf(stderr, "ORVEX_FAULT=%s cannot be read; expected KIND:N[:ERRNO]\n", text);
    std::abort();
}

bool readNumber(std::string_view text, uint64_t &value)
{
    if (text.empty() || text.size() > 18)
        return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + uint64_t(c - '0');
    }
    return true;
}

Plan readPlan(const char *text)
{
    Plan p;
    if (!text || !*text)
        return p;
    const std::string_view all = text;
    const size_t first = all.find(':');
    if (first == std::string_view::npos)
        badPlan(text);
    const std::string_view kind = all.substr(0, first);
    std::string_view rest = all.substr(first + 1);
    std::string_view error;
    if (const size_t second = rest.find(':'); second != std::string_view::npos) {
        error = rest.substr(second + 1);
        rest = rest.substr(0, second);
    }
    if (!readNumber(rest, p.at) || p.at == 0)
        badPlan(text);
    if (kind == "short-write") {
        p.action = Action::Shorten;
        p.kind = Write;
    } else if (kind == "kill") {
        p.action = Action::Kill;
    } else {
        p.action = Action::Fail;
        for (int k = 0; k < KindCount; ++k)
            if (kind == KindNames[k])
                p.kind = k;
        if (p.kind < 0)
            badPlan(text);
    }
    if (!error.empty()) {
        uint64_t number = 0;
        if (readNumber(error, number) && number > 0 && number < 4096) {
            p.error = int(number);
        } else {
            p.error = 0;
            for (const ErrorName &e : ErrorNames)
                if (error == e.name)
                    p.error = e.value;
            if (p.error == 0)
                badPlan(text);
        }
    }
    return p;
}

enum class Verdict { Proceed, Fail, Shorten };

// Counts one call of `kind`; `shortenable` when the call can write less
// than asked. A kill does not return.
Verdict check(Kind kind, bool shortenable)
{
    const uint64_t n = counts[kind].fetch_add(1) + 1;
    const uint64_t any = anyCount.fetch_add(1) + 1;
    switch (plan.action) {
    case Action::None: break;
    case Action::Kill:
        if (any == plan.at) {
            firedCount.fetch_add(1);
            ::kill(::getpid(), SIGKILL);
        }
        break;
    case Action::Fail:
        if (plan.kind == kind && n == plan.at) {
            firedCount.fetch_add(1);
            return Verdict::Fail;
        }
        break;
    case Action::Shorten:
        if (plan.kind == kind && n == plan.at && shortenable) {
            firedCount.fetch_add(1);
            return Verdict::Shorten;
        }
        break;
    }
    return Verdict::Proceed;
}

int failWith()
{
    errno = plan.error;
    return -1;
}

void writeTally()
{
    if (tallyPath.empty())
        return;
    std::string text;
    for (int k = 0; k < KindCount; ++k)
        text += std::string(KindNames[k]) + " " + std::to_string(counts[k].load()) + "\n";
    text += "any " + std::to_string(anyCount.load()) + "\n";
    text += "fired " + std::to_string(firedCount.load()) + "\n";
    const int fd = ::open(tallyPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    [[maybe_unused]] const ssize_t ignored = ::write(fd, text.data(), text.size());
    ::close(fd);
}

}  // namespace

FaultScope::FaultScope()
{
    plan = readPlan(std::getenv("ORVEX_FAULT"));
    const char *tally = std::getenv("ORVEX_FAULT_TALLY");
    tallyPath = tally ? tally : "";
    for (auto &count : counts)
        count.store(0);
    anyCount.store(0);
    firedCount.store(0);
}

FaultScope::~FaultScope()
{
    writeTally();
}

ssize_t write(int fd, const void *data, size_t length)
{
    switch (check(Write, length >= 2)) {
    case Verdict::Fail: return failWith();
    case Verdict::Shorten: return ::write(fd, data, length / 2);
    case Verdict::Proceed: break;
    }
    return ::write(fd, data, length);
}

ssize_t pwrite(int fd, const void *data, size_t length, off_t at)
{
    switch (check(Write, length >= 2)) {
    case Verdict::Fail: return failWith();
    case Verdict::Shorten: return ::pwrite(fd, data, length / 2, at);
    case Verdict::Proceed: break;
    }
    return ::pwrite(fd, data, length, at);
}

ssize_t copyFileRange(int in, off_t *inOffset, int out, off_t *outOffset, size_t length, unsigned flags)
{
    switch (check(Write, length >= 2)) {
    case Verdict::Fail: return failWith();
    case Verdict::Shorten: return ::copy_file_range(in, inOffset, out, outOffset, length / 2, flags);
    case Verdict::Proceed: break;
    }
    return ::copy_file_range(in, inOffset, out, outOffset, length, flags);
}

int ftruncate(int fd, off_t length)
{
    return check(Write, false) == Verdict::Fail ? failWith() : ::ftruncate(fd, length);
}

int fsync(int fd)
{
    return check(Sync, false) == Verdict::Fail ? failWith() : ::fsync(fd);
}

int rename(const char *from, const char *to)
{
    return check(Rename, false) == Verdict::Fail ? failWith() : ::rename(from, to);
}

int renameat(int fromDir, const char *from, int toDir, const char *to)
{
    return check(Rename, false) == Verdict::Fail ? failWith() : ::renameat(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned flags)
{
    return check(Rename, false) == Verdict::Fail ? failWith() : ::renameat2(fromDir, from, toDir, to, flags);
}

int linkat(int fromDir, const char *from, int toDir, const char *to, int flags)
{
    return check(Rename, false) == Verdict::Fail ? failWith() : ::linkat(fromDir, from, toDir, to, flags);
}

int symlinkat(const char *target, int dir, const char *name)
{
    return check(Symlink, false) == Verdict::Fail ? failWith() : ::symlinkat(target, dir, name);
}

int mkdirat(int dir, const char *name, mode_t mode)
{
    return check(Mkdir, false) == Verdict::Fail ? failWith() : ::mkdirat(dir, name, mode);
}

}  // namespace common::sys

#endif
