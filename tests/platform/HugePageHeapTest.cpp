#include "support/ArchiveBuilder.h"
#include "support/Files.h"
#include "support/Run.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <fstream>
#include <string>
#include <vector>

#include <elf.h>
#include <link.h>
#include <unistd.h>

#include <gtest/gtest.h>

#if !defined(ORVEX_HEAP_PROBE) || !defined(ORVEX_ORVEXZIP)
#error "the programs' paths are set by the build"
#endif

namespace {

bool hugePagesOnRequest()
{
    std::ifstream setting("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string line;
    return std::getline(setting, line) && line.find("[madvise]") != std::string::npos;
}

// "restarted or first|tunables it has then|marker left|process name" of the
// probe run with these tunables ("-": none).
std::string probe(const QString &tunables)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("GLIBC_TUNABLES"));
    environment.remove(QStringLiteral("ORVEX_TUNABLES_BEFORE"));
    if (tunables != QLatin1String("-"))
        environment.insert(QStringLiteral("GLIBC_TUNABLES"), tunables);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(ORVEX_HEAP_PROBE), QStringList{});
    process.waitForFinished(-1);
    return process.readAllStandardOutput().trimmed().toStdString();
}

// The loader the program names in its PT_INTERP segment; empty when none.
std::string interpreterOf(const std::string &program)
{
    std::ifstream file(program, std::ios::binary);
    ElfW(Ehdr) header{};
    if (!file.read(reinterpret_cast<char *>(&header), sizeof header))
        return {};
    for (unsigned i = 0; i < header.e_phnum; ++i) {
        ElfW(Phdr) segment{};
        file.seekg(std::streamoff(header.e_phoff + i * header.e_phentsize));
        if (!file.read(reinterpret_cast<char *>(&segment), sizeof segment))
            return {};
        if (segment.p_type != PT_INTERP)
            continue;
        std::string path(segment.p_filesz, '\0');
        file.seekg(std::streamoff(segment.p_offset));
        if (!file.read(path.data(), std::streamsize(path.size())))
            return {};
        return path.c_str();  // without the closing NUL
    }
    return {};
}

}  // namespace

// The programs run with the huge-page heap, and what they start later gets
// the user's environment back.
TEST(HugePageHeap, StartsAgainWithTheSwitchAndHandsOnTheUsersTunables)
{
    if (!hugePagesOnRequest())
        GTEST_SKIP() << "transparent huge pages are not offered on request here";
    const struct {
        const char *user;
        const char *result;
    } cases[] = {
        {"-", "restarted|-|-|orvex_heap_prob"},  // the kernel keeps 15 characters of the name
        {"glibc.malloc.arena_max=2", "restarted|glibc.malloc.arena_max=2|-|orvex_heap_prob"},
        {"glibc.malloc.hugetlb=0", "first|glibc.malloc.hugetlb=0|-|orvex_heap_prob"},  // the user's choice stands
    };
    for (const auto &c : cases)
        EXPECT_EQ(probe(QString::fromLatin1(c.user)), c.result) << c.user;
}

// Started through the loader by hand, the program must still run as itself
// and not hand its arguments to the loader. Where huge pages are not offered
// on request nothing is started again, and this only checks that it runs.
TEST(HugePageHeap, StartedThroughTheLoaderTheProgramRunsAsItself)
{
    const std::string program = ORVEX_ORVEXZIP;
    const std::string loader = interpreterOf(program);
    if (loader.empty() || ::access(loader.c_str(), X_OK) != 0)
        GTEST_SKIP() << "orvexzip names no loader that can be run";
    ziptest::TempDir dir;
    const std::string archive = dir / "a.zip";
    ziptest::writeFile(archive, ziptest::buildZip({ziptest::stored("hello.txt", "hello")}));
    for (const std::vector<std::string> &arguments : {std::vector<std::string>{"--version"}, {"list", archive}}) {
        std::vector<std::string> direct{program}, loaded{loader, program};
        direct.insert(direct.end(), arguments.begin(), arguments.end());
        loaded.insert(loaded.end(), arguments.begin(), arguments.end());
        const ziptest::RunResult expected = ziptest::run(direct), got = ziptest::run(loaded);
        EXPECT_EQ(expected.exitCode, 0) << arguments[0] << ": " << expected.err;
        EXPECT_EQ(got.exitCode, expected.exitCode) << arguments[0] << ": " << got.err;
        EXPECT_EQ(got.out, expected.out) << arguments[0];
    }
    EXPECT_NE(ziptest::run({program, "list", archive}).out.find("hello.txt"), std::string::npos);
}
