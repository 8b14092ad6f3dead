#include "app/Application.h"

#include "app/Mainform.h"
#include "platform/Prompts.h"

#include <QIcon>

OrvexApplication::OrvexApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool OrvexApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        platform::applicationErrorBox(activeWindow(), QString::fromUtf8(error.what()));
    }
    return false;
}

void setUpApplication(QApplication &application)
{
    application.setApplicationName(QStringLiteral("orvex97"));
    application.setApplicationDisplayName(QStringLiteral("Tolvane Orvex '97"));
    application.setWindowIcon(QIcon(QStringLiteral(":/icons/orvex97.svg")));
}

std::unique_ptr<ApplicationWindows> ApplicationWindows::create(const QStringList &arguments)
{
    auto windows = std::make_unique<ApplicationWindows>();
    windows->Mainform = std::make_unique<TMainform>(arguments);
    return windows;
}

ApplicationWindows::~ApplicationWindows() = default;
