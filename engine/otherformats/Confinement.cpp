#include "engine/otherformats/Confinement.h"

#include "engine/otherformats/ConfinedProcess.h"

#include <seccomp.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <linux/close_range.h>
#include <sched.h>
#include <string>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace otherformats {

namespace {

void closeOtherDescriptors()
{
    // 0 and 1 are the pipes, 2 the parent's error output, 3 the archive.
    if (::syscall(SYS_close_range, 4u, ~0u, 0u) != 0)
        for (int fd = 4; fd < 1024; ++fd)
            ::close(fd);
}

// A folder made and removed again: relative names lead nowhere, and nothing
// can be made in it.
void leaveForAnEmptyFolder()
{
    const char *base = std::getenv("TMPDIR");
    std::string folder = std::string(base && *base ? base : "/tmp") + "/orvex97-reader.XXXXXX";
    if (::mkdtemp(folder.data()) && ::chdir(folder.c_str()) == 0) {
        ::rmdir(folder.c_str());
        return;
    }
    if (::chdir("/") != 0) {
        // Nowhere to go: the seccomp filter still refuses every write.
    }
}

void setLimit(int resource, rlim_t soft, rlim_t hard)
{
    const rlimit limit{soft, hard};
    ::setrlimit(resource, &limit);
}

// Under a sanitizer the address space cannot be limited: the process's
// resident memory is looked at instead, and past the limit it ends as the
// limit would have ended it.
void watchResidentMemory(uint64_t bytes)
{
    std::thread([bytes] {
        const long page = ::sysconf(_SC_PAGESIZE);
        for (;;) {
            if (FILE *statm = std::fopen("/proc/self/statm", "re")) {
                unsigned long long size = 0, resident = 0;
                const int read = std::fscanf(statm, "%llu %llu", &size, &resident);
                std::fclose(statm);
                if (read == 2 && resident * uint64_t(page) > bytes)
                    ::_exit(reader_exit::OutOfMemory);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }).detach();
}

bool loadFilter(bool becomesProgram)
{
    scmp_filter_ctx filter = seccomp_init(SCMP_ACT_ALLOW);
    if (!filter)
        return false;
    const auto refuse = [&](int call) { return seccomp_rule_add(filter, SCMP_ACT_ERRNO(EPERM), call, 0) == 0; };
    bool ok = true;
    for (int call : {SCMP_SYS(creat),
                     SCMP_SYS(unlink),
                     SCMP_SYS(unlinkat),
                     SCMP_SYS(rename),
                     SCMP_SYS(renameat),
                     SCMP_SYS(renameat2),
                     SCMP_SYS(mkdir),
                     SCMP_SYS(mkdirat),
                     SCMP_SYS(rmdir),
                     SCMP_SYS(link),
                     SCMP_SYS(linkat),
                     SCMP_SYS(symlink),
                     SCMP_SYS(symlinkat),
                     SCMP_SYS(chmod),
                     SCMP_SYS(fchmod),
                     SCMP_SYS(fchmodat),
                     SCMP_SYS(chown),
                     SCMP_SYS(fchown),
                     SCMP_SYS(fchownat),
                     SCMP_SYS(lchown),
                     SCMP_SYS(truncate),
                     SCMP_SYS(ftruncate),
                     SCMP_SYS(mknod),
                     SCMP_SYS(mknodat),
                     SCMP_SYS(utime),
                     SCMP_SYS(utimes),
                     SCMP_SYS(utimensat),
                     SCMP_SYS(futimesat),
                     SCMP_SYS(setxattr),
                     SCMP_SYS(lsetxattr),
                     SCMP_SYS(fsetxattr),
                     SCMP_SYS(removexattr),
                     SCMP_SYS(lremovexattr),
                     SCMP_SYS(fremovexattr),
                     SCMP_SYS(socket),
                     SCMP_SYS(socketpair),
                     SCMP_SYS(connect),
                     SCMP_SYS(bind),
                     SCMP_SYS(listen),
                     SCMP_SYS(accept),
                     SCMP_SYS(accept4),
                     SCMP_SYS(ptrace),
                     SCMP_SYS(process_vm_readv),
                     SCMP_SYS(process_vm_writev),
                     SCMP_SYS(kill),
                     SCMP_SYS(mount),
                     SCMP_SYS(umount2),
                     SCMP_SYS(chroot),
                     SCMP_SYS(pivot_root),
                     SCMP_SYS(io_uring_setup),
                     SCMP_SYS(bpf),
                     SCMP_SYS(execveat),
                     SCMP_SYS(openat2)})
        ok = refuse(call) && ok;
    if (!becomesProgram) {
        for (int call : {SCMP_SYS(execve), SCMP_SYS(fork), SCMP_SYS(vfork)})
            ok = refuse(call) && ok;
        // Threads, for the decoders, but no second process: clone only with
        // CLONE_THREAD. clone3 hides its flags in memory a filter cannot
        // read; refused as missing, it makes the C library fall back to clone.
        ok = seccomp_rule_add(filter, SCMP_ACT_ERRNO(EPERM), SCMP_SYS(clone), 1,
                              SCMP_A0(SCMP_CMP_MASKED_EQ, CLONE_THREAD, 0))
                 == 0
             && ok;
        ok = seccomp_rule_add(filter, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3), 0) == 0 && ok;
    }
    // Files are opened to read only: a write, a creation or a truncation is refused.
    for (const unsigned flag : {unsigned(O_WRONLY), unsigned(O_RDWR), unsigned(O_CREAT), unsigned(O_TRUNC)}) {
        ok = seccomp_rule_add(filter, SCMP_ACT_ERRNO(EPERM), SCMP_SYS(open), 1, SCMP_A1(SCMP_CMP_MASKED_EQ, flag, flag))
                 == 0
             && ok;
        ok = seccomp_rule_add(filter, SCMP_ACT_ERRNO(EPERM), SCMP_SYS(openat), 1,
                              SCMP_A2(SCMP_CMP_MASKED_EQ, flag, flag))
                 == 0
             && ok;
    }
    // Signals only to itself (abort() raises one).
    const auto self = scmp_datum_t(::getpid());
    ok = seccomp_rule_add(filter, SCMP_ACT_ERRNO(EPERM), SCMP_SYS(tgkill), 1, SCMP_A0(SCMP_CMP_NE, self)) == 0 && ok;
    ok = seccomp_rule_add(filter, SCMP_ACT_ERRNO(EPERM), SCMP_SYS(tkill), 0) == 0 && ok;
    ok = ok && seccomp_load(filter) == 0;
    seccomp_release(filter);
    return ok;
}

}  // namespace

bool sanitizerBuild()
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
    return true;
#else
    return false;
#endif
#else
    return false;
#endif
}

void limitAddressSpace(uint64_t bytes)
{
    setLimit(RLIMIT_AS, rlim_t(bytes), rlim_t(bytes));
}

bool confineThisProcess(const ConfinementRules &rules)
{
    closeOtherDescriptors();
    leaveForAnEmptyFolder();
    // Ends the child with its parent, should the parent die without killing it.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // A password may be in its memory: no core file, no other process of
    // the user reading it.
    setLimit(RLIMIT_CORE, 0, 0);
    ::prctl(PR_SET_DUMPABLE, 0);
    // No file may grow: the reader writes only to its pipe. A write to a
    // file fails rather than ends it, since its error output may be one (a
    // session's log), where libarchive says why it gives up.
    setLimit(RLIMIT_FSIZE, 0, 0);
    std::signal(SIGXFSZ, SIG_IGN);
    // The soft limit sends SIGXCPU, which ends it; the hard one kills.
    setLimit(RLIMIT_CPU, rlim_t(rules.cpuSeconds), rlim_t(rules.cpuSeconds + 5));
    if (rules.memoryBytes && sanitizerBuild() && !rules.becomesProgram)
        watchResidentMemory(rules.memoryBytes);
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 || !loadFilter(rules.becomesProgram))
        return false;
    if (rules.memoryBytes && !sanitizerBuild())
        limitAddressSpace(rules.memoryBytes);
    return true;
}

}  // namespace otherformats
