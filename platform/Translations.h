#pragma once
// The user's language: which catalogue of ours and of Qt's to load, chosen as
// gettext chooses (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG), with English,
// the texts in the code, when no catalogue matches.

#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;

namespace platform {

// The languages to try, best first, from the environment read through
// `variable`: "de_DE.UTF-8" gives "de_DE", then "de". LANGUAGE is a
// colon-separated list and counts only when the locale is not "C"/"POSIX",
// as in gettext. Empty for the C locale or an English one.
QStringList uiLanguageCandidates(const std::function<QString(const char *)> &variable);

// Where the catalogues (orvex97_xx.qm) are: `translations/` beside the program
// in a build tree, else share/orvex97/translations under its prefix.
QString translationsDirectory();

// The first of `candidates` for which `directory` has orvex97_<candidate>.qm,
// or empty.
QString chooseCatalogue(const QStringList &candidates, const QString &directory);

// The language of the user's that has a catalogue here, or empty: English.
QString userLanguage();

// Loads our catalogue for the user's language and Qt's own for the same
// language, and installs both on `application`. Returns the language loaded
// (its text direction is the layout's), or QLocale::c() for none.
QLocale installTranslations(QCoreApplication &application);

// Installs the catalogue `qmFile` (a test's pseudo-language) alone.
bool installCatalogue(QCoreApplication &application, const QString &qmFile);

}  // namespace platform
