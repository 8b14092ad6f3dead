#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdlib>

namespace platform {

namespace {

// "de_DE.UTF-8@euro" -> "de_DE"
QString withoutCodesetAndModifier(QString name)
{
    const qsizetype cut = name.indexOf(QLatin1Char('.'));
    if (cut >= 0)
        name.truncate(cut);
    const qsizetype at = name.indexOf(QLatin1Char('@'));
    if (at >= 0)
        name.truncate(at);
    return name;
}

bool isCLocale(const QString &name)
{
    return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX")
           || name.startsWith(QLatin1String("C."));
}

void appendWithFallback(QStringList &candidates, const QString &name)
{
    const QString plain = withoutCodesetAndModifier(name);
    if (plain.isEmpty() || isCLocale(plain))
        return;
    if (!candidates.contains(plain))
        candidates.append(plain);
    const qsizetype underscore = plain.indexOf(QLatin1Char('_'));
    if (underscore > 0 && !candidates.contains(plain.left(underscore)))
        candidates.append(plain.left(underscore));
}

}  // namespace

QStringList uiLanguageCandidates(const std::function<QString(const char *)> &variable)
{
    QString locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = variable(name);
        if (!locale.isEmpty())
            break;
    }
    if (isCLocale(locale))
        return {};
    QStringList candidates;
    for (const QString &language : variable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        appendWithFallback(candidates, language);
    appendWithFallback(candidates, locale);
    // English is the code's own text: a list that reaches it stops there.
    const qsizetype english = candidates.indexOf(QLatin1String("en"));
    if (english >= 0)
        candidates = candidates.mid(0, english);
    for (qsizetype i = candidates.size() - 1; i >= 0; --i)
        if (candidates[i].startsWith(QLatin1String("en_")))
            candidates = candidates.mid(0, i);
    return candidates;
}

QString translationsDirectory()
{
    // The program's own folder, known before any application object is made.
    const QString programDirectory = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).path();
    const QString besideProgram = programDirectory + QStringLiteral("/translations");
    if (QFileInfo(besideProgram).isDir())
        return besideProgram;
    return QDir::cleanPath(programDirectory + QStringLiteral("/../share/orvex97/translations"));
}

QString chooseCatalogue(const QStringList &candidates, const QString &directory)
{
    for (const QString &candidate : candidates)
        if (QFileInfo::exists(directory + QStringLiteral("/orvex97_") + candidate + QStringLiteral(".qm")))
            return candidate;
    return {};
}

QString userLanguage()
{
    const QStringList candidates =
        uiLanguageCandidates([](const char *name) { return QString::fromLocal8Bit(qgetenv(name)); });
    return chooseCatalogue(candidates, translationsDirectory());
}

QLocale installTranslations(QCoreApplication &application)
{
    const QString language = userLanguage();
    if (language.isEmpty())
        return QLocale::c();
    auto *ours = new QTranslator(&application);
    if (!ours->load(QStringLiteral("orvex97_") + language, translationsDirectory())) {
        delete ours;
        return QLocale::c();
    }
    QCoreApplication::installTranslator(ours);
    // Qt's own buttons and dialogs: qtbase_pt_BR, else qtbase_pt.
    auto *qts = new QTranslator(&application);
    const QString qtDirectory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (qts->load(QStringLiteral("qtbase_") + language, qtDirectory)
        || qts->load(QStringLiteral("qtbase_") + language.section(QLatin1Char('_'), 0, 0), qtDirectory))
        QCoreApplication::installTranslator(qts);
    else
        delete qts;
    return QLocale(language);
}

bool installCatalogue(QCoreApplication &application, const QString &qmFile)
{
    auto *translator = new QTranslator(&application);
    if (!translator->load(qmFile)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace platform
