#include "app/Application.h"

#include "app/Mainform.h"
#include "controls/WindowFit.h"
#include "dialogs/AboutForm.h"
#include "dialogs/AddForm.h"
#include "dialogs/EditForm.h"
#include "dialogs/ExtractForm.h"
#include "dialogs/MsgForm.h"
#include "dialogs/OpenWithDialog.h"
#include "dialogs/StatusForm.h"
#include "platform/Prompts.h"
#include "platform/TimeZone.h"
#include "platform/WorkingArea.h"

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
    // Before the first operation's worker thread, which converts times.
    platform::readTimeZoneOnce();
    // Not Qt's display name: Qt would append it to every window title.
    application.setApplicationName(QStringLiteral("orvex97"));
    // Settings live in ~/.config/Tolvane/orvex97.conf.
    application.setOrganizationName(QStringLiteral("Tolvane"));
    platform::setApplicationTitle(QStringLiteral("Tolvane Orvex '97"));
    application.setWindowIcon(QIcon(QStringLiteral(":/icons/orvex97.svg")));
    // Translated texts are longer or shorter than the English the windows
    // were laid out for.
    window_fit::fitEveryWindow(application);
}

std::unique_ptr<ApplicationWindows> ApplicationWindows::create(const QStringList &arguments)
{
    // Copies of members that a run which did not end cleanly left behind
    // (the plaintext of encrypted ones among them) go before anything else.
    const QString notice = platform::WorkingArea::removeLeftovers();
    // Open with… shows its chooser through the prompts.
    platform::setApplicationChooser(&OpenWithDialog::choose);
    auto windows = std::make_unique<ApplicationWindows>();
    windows->Mainform = std::make_unique<TMainform>(arguments);
    windows->Mainform->setStartupNotice(notice);
    // The progress windows belong to the main window, so that the window
    // manager keeps them above it rather than behind.
    windows->Msgform = std::make_unique<TMsgform>(windows->Mainform.get());
    windows->Extract = std::make_unique<TExtract>();
    windows->Mainform->attachExtractDialog(windows->Extract.get());
    windows->AddForm = std::make_unique<TAddForm>();
    windows->Mainform->attachAddForm(windows->AddForm.get());
    windows->F_About = std::make_unique<TF_About>(windows->Mainform.get());
    windows->F_Editform = std::make_unique<TF_Editform>(windows->Mainform.get());
    windows->Mainform->attachEditor(windows->F_Editform.get());
    windows->F_status = std::make_unique<TF_status>(windows->Mainform.get());
    windows->Mainform->attachWindows(windows->Msgform.get(), windows->F_status.get(), windows->F_About.get());
    // Only the main window's closing ends the program; it closes the others.
    for (QWidget *window :
         std::initializer_list<QWidget *>{windows->Msgform.get(), windows->Extract.get(), windows->AddForm.get(),
                                          windows->F_About.get(), windows->F_Editform.get(), windows->F_status.get()})
        window->setAttribute(Qt::WA_QuitOnClose, false);
    return windows;
}

ApplicationWindows::~ApplicationWindows()
{
    // In the reverse order of creation: the main window goes last, since the
    // others hold on to it.
    F_status.reset();
    F_Editform.reset();
    F_About.reset();
    AddForm.reset();
    Extract.reset();
    Msgform.reset();
    Mainform.reset();
}
