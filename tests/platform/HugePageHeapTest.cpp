#include <QProcess>
#include <QProcessEnvironment>

#include <fstream>
#include <string>

#include <gtest/gtest.h>

#ifndef ORVEX_HEAP_PROBE
#error "the probe's path is set by the build"
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
