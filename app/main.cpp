#include "app/Application.h"
#include "app/BatchArguments.h"
#include "app/BatchRun.h"
#include "app/Mainform.h"
#include "platform/HugePageHeap.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <optional>
#include <string_view>

int main(int argc, char **argv)
{
    platform::startWithHugePageHeap(argv);
    // Answered before any window is made, so that they work without a display.
    if (argc == 2) {
        const std::string_view option = argv[1];
        if (option == "--version") {
            std::printf("Orvex 97 %s\n", ORVEX_VERSION);
            return 0;
        }
        if (option == "--help" || option == "-h") {
            // In the user's language; no display is needed for that.
            std::optional<QCoreApplication> translating;
            if (!platform::userLanguage().isEmpty()) {
                translating.emplace(argc, argv);
                platform::installTranslations(*translating);
            }
            //: orvex97 --help. ARCHIVE, MODE and FILE are placeholders the text explains; the
            //: program's name, the options and the format names stay as they are. %1 lists the modes.
            const QString help = QCoreApplication::translate(
                "main", "Usage: orvex97 [ARCHIVE]\n"
                        "   or: orvex97 MODE FILE...\n"
                        "Opens ARCHIVE in the Orvex 97 window (the window alone without one): a ZIP,\n"
                        "tar (plain, .gz, .bz2, .xz, .zst) or 7z archive, or one it only reads (RAR,\n"
                        "ISO, cpio, ar, cab, lha, xar, a lone .gz, .bz2, .xz or .zst file).\n"
                        "\n"
                        "Modes, for a file manager's menus:\n"
                        "%1"
                        "\n"
                        "Options:\n"
                        "  --new-archive  open the window and ask for a new archive's name\n"
                        "  -h, --help     show this help and exit\n"
                        "  --version      show the version and exit\n"
                        "Qt's own options (-platform, -style, ...) are accepted as well.\n");
            std::fputs(help.arg(batch::usageText()).toLocal8Bit().constData(), stdout);
            return 0;
        }
    }
    OrvexApplication application(argc, argv);
    // Arabic lays every window out from the right.
    application.setLayoutDirection(platform::installTranslations(application).textDirection());
    setUpApplication(application);
    QStringList arguments = application.arguments();
    arguments.removeFirst();
    const batch::Arguments request = batch::parse(arguments, QDir::currentPath());
    if (request.mode != batch::Mode::None) {
        if (!request.error.isEmpty()) {
            std::fprintf(stderr, "orvex97: %s\n%s\n", request.error.toLocal8Bit().constData(),
                         QCoreApplication::translate("main", "Try 'orvex97 --help'.").toLocal8Bit().constData());
            return 2;
        }
        auto windows = ApplicationWindows::create({});
        return BatchRun(*windows).run(request);
    }
    // The launcher's New archive: the window, with New's dialog open.
    const bool newArchive = arguments == QStringList{QStringLiteral("--new-archive")};
    auto windows = ApplicationWindows::create(newArchive ? QStringList() : arguments);
    windows->Mainform->show();
    if (newArchive)
        QMetaObject::invokeMethod(windows->Mainform.get(), &TMainform::newArchiveFromMenu, Qt::QueuedConnection);
    return application.exec();
}
