// Writes that go on until done: short writes, interrupted calls and errors
// the kernel or the fault switch of the test build hands them.

#include "engine/common/FileIo.h"
#include "engine/common/SystemCalls.h"
#include "engine/common/UniqueFd.h"
#include "support/Files.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>

namespace {

using WriteCall = std::function<int(int fd, const std::string &data)>;

struct Writer {
    const char *name;
    WriteCall call;
    size_t offset;  // where the data lands
};

// The same data through each of the two, the positioned one at an offset.
const Writer Writers[] = {
    {"writeAll", [](int fd, const std::string &data) { return common::writeAll(fd, data.data(), data.size()); }, 0},
    {"pwriteAll", [](int fd, const std::string &data) { return common::pwriteAll(fd, data.data(), data.size(), 5); },
     5},
};

common::UniqueFd create(const std::string &path)
{
    return common::UniqueFd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
}

TEST(FileIo, AWriteCutShortByTheFileSizeLimitReportsItsErrorNotSuccess)
{
    ziptest::TempDir dir;
    const std::string data = ziptest::randomData(3000);
    constexpr rlim_t limit = 1000;
    for (const Writer &writer : Writers) {
        const std::string path = dir / writer.name;
        common::UniqueFd fd = create(path);
        ASSERT_TRUE(fd) << path;
        // The limit cuts the first call short; the next one is refused.
        rlimit previous{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = previous;
        lowered.rlim_cur = limit;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &lowered), 0);
        const int error = writer.call(fd.get(), data);
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, handler);

        EXPECT_EQ(error, EFBIG) << writer.name;
        const std::string written = ziptest::readFile(path);
        EXPECT_EQ(written.size(), limit) << writer.name;
        EXPECT_EQ(written.substr(writer.offset), data.substr(0, limit - writer.offset)) << writer.name;
    }
}

#if ORVEX_FAULT_INJECTION
TEST(FileIo, ShortAndInterruptedWritesGoOnAndFailuresAreReported)
{
    struct Case {
        const char *plan;
        int error;      // what the call reports
        bool complete;  // all of the data is in the file
    };
    const Case cases[] = {
        {"short-write:1", 0, true},
        {"write:1:EINTR", 0, true},
        {"write:1:ENOSPC", ENOSPC, false},
    };
    ziptest::TempDir dir;
    const std::string data = ziptest::randomData(4096);
    for (const Case &c : cases) {
        for (const Writer &writer : Writers) {
            const std::string path = dir / writer.name;
            common::UniqueFd fd = create(path);
            ASSERT_TRUE(fd) << path;
            ::setenv("ORVEX_FAULT", c.plan, 1);
            int error = 0;
            {
                common::sys::FaultScope scope;
                error = writer.call(fd.get(), data);
            }
            ::unsetenv("ORVEX_FAULT");
            EXPECT_EQ(error, c.error) << c.plan << ", " << writer.name;
            const std::string written = ziptest::readFile(path);
            EXPECT_EQ(written.size() == writer.offset + data.size() && written.substr(writer.offset) == data,
                      c.complete)
                << c.plan << ", " << writer.name << ": " << written.size() << " bytes";
        }
    }
}
#endif

}  // namespace
