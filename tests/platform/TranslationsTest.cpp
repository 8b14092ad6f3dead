#include "platform/Translations.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

QStringList candidatesFor(const std::map<std::string, const char *> &environment)
{
    return platform::uiLanguageCandidates([&](const char *name) {
        const auto found = environment.find(name);
        return found == environment.end() ? QString() : QString::fromUtf8(found->second);
    });
}

}  // namespace

// The languages are tried in gettext's order, each with its region first and
// then without; English, the code's own texts, ends the list.
TEST(Translations, LanguagesAreChosenAsGettextChoosesThem)
{
    const struct {
        std::map<std::string, const char *> environment;
        const char *candidates;
    } cases[] = {
        {{{"LANG", "de_DE.UTF-8"}}, "de_DE de"},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "pt_BR:fr"}}, "pt_BR pt fr de_DE de"},
        {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "ja"}}, ""},
        {{{"LANG", "de_DE"}, {"LC_ALL", "ar_EG.UTF-8"}}, "ar_EG ar"},
        {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "ru_RU.UTF-8"}}, "ru_RU ru"},
        {{{"LANG", "en_US.UTF-8"}}, ""},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en:de"}}, ""},
        {{{"LANG", "zh_CN.UTF-8"}, {"LANGUAGE", "en_GB"}}, ""},
        {{{"LANG", "sr_RS.UTF-8@latin"}}, "sr_RS sr"},
        {{{"LANG", "POSIX"}}, ""},
        {{}, ""},
    };
    for (const auto &c : cases) {
        const QStringList expected = QString::fromUtf8(c.candidates).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        EXPECT_EQ(candidatesFor(c.environment), expected) << c.candidates;
    }
}

TEST(Translations, TheFirstLanguageWithACatalogueIsLoaded)
{
    QTemporaryDir directory;
    for (const char *name : {"orvex97_pt_BR.qm", "orvex97_fr.qm"}) {
        QFile file(directory.path() + QLatin1Char('/') + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const struct {
        QStringList candidates;
        const char *chosen;
    } cases[] = {
        {{"pt_PT", "pt", "fr"}, "fr"},
        {{"pt_BR", "pt"}, "pt_BR"},
        {{"xx"}, ""},
        {{}, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(platform::chooseCatalogue(c.candidates, directory.path()), QString::fromLatin1(c.chosen)) << c.chosen;
}
