#include "app/RecentArchives.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "QStringPrinter.h"

namespace {

// Opens then forgets paths given as letters: "abca-b" opens a, b, c, a and forgets b.
QStringList afterSteps(QSettings &settings, const char *steps)
{
    RecentArchives recent(settings);
    for (bool forgetting = false; *steps; ++steps) {
        if (*steps == '-') {
            forgetting = true;
            continue;
        }
        const QString path = QStringLiteral("/z/%1.zip").arg(QLatin1Char(*steps));
        forgetting ? recent.forget(path) : recent.opened(path);
        forgetting = false;
    }
    return recent.paths();
}

}  // namespace

TEST(RecentArchives, NewestFirstOnceEachAtMostEight)
{
    const struct {
        const char *steps;
        const char *expected;  // letters, newest first
    } cases[] = {
        {"", ""}, {"abc", "cba"}, {"abca", "acb"}, {"abcdefghij", "jihgfedc"}, {"abc-b", "ca"}, {"ab-x", "ba"},
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        QSettings settings(dir.filePath(QStringLiteral("%1.ini").arg(c.steps)), QSettings::IniFormat);
        QStringList expected;
        for (const char *p = c.expected; *p; ++p)
            expected << QStringLiteral("/z/%1.zip").arg(QLatin1Char(*p));
        EXPECT_EQ(afterSteps(settings, c.steps), expected) << c.steps;
    }
}

TEST(RecentArchives, SettingsEditedByHandAreCleanedUp)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("recentArchives"),
                      QStringList{"/a.zip", "", "/a.zip", "/b.zip", "1", "2", "3", "4", "5", "6", "7"});
    EXPECT_EQ(RecentArchives(settings).paths(), QStringList({"/a.zip", "/b.zip", "1", "2", "3", "4", "5", "6"}));
}
