#pragma once
// Every modal question the program asks goes through here, so that tests can
// queue the answers and read back what would have been shown.

#include <QString>
#include <QStringList>
#include <deque>
#include <memory>
#include <vector>

#include "platform/DesktopApplications.h"
#include "platform/SearchDialog.h"

#include <functional>

class QFontMetrics;
class QInputDialog;
class QMessageBox;
class QPrinter;
class QWidget;

namespace platform {

enum class IconKind { None, Warning, Question, Information, Stop };

// What a prompt showed (or would have shown).
struct PromptRecord {
    enum class Kind {
        MessageBox,
        OpenFile,
        SaveFile,
        Directory,
        InputText,
        FindDialog,
        ReplaceDialog,
        Print,
        PrinterSetup,
        Password,
        ChooseApplication
    };
    Kind kind = Kind::MessageBox;
    QString caption;
    QString text;  // message text, or the input or password box's prompt
    IconKind icon = IconKind::None;
    QStringList buttons;    // message box buttons, in order
    int defaultButton = 0;  // message box: the button Enter presses
    QString directory;      // file dialogs: starting directory
    QString filter;         // file dialogs: name filter
    QString defaultValue;   // input box: initial text
};

struct FileDialogOptions {
    QString title;
    QString directory;
    QString fileName;              // preselected name
    QString filter;                // Qt name filter list, ";;" separated
    bool mustExist = true;         // open: the file must exist
    bool confirmOverwrite = true;  // save: ask before replacing
};

// The real desktop or a script.
class PromptHandler {
public:
    virtual ~PromptHandler() = default;
    // Returns the index of the pressed button in `buttons`, or -1 when closed.
    // `defaultButton` is the index of the button that Enter presses.
    virtual int messageBox(QWidget *parent, const QString &caption, const QString &text, IconKind icon,
                           const QStringList &buttons, int defaultButton) = 0;
    // Empty result: cancelled.
    virtual QString openFileName(QWidget *parent, const FileDialogOptions &options) = 0;
    virtual QString saveFileName(QWidget *parent, const FileDialogOptions &options) = 0;
    virtual QString existingDirectory(QWidget *parent, const QString &title, const QString &directory) = 0;
    // Returns false when cancelled; `value` holds the text on OK.
    virtual bool inputText(QWidget *parent, const QString &caption, const QString &prompt, QString &value) = 0;
    // A masked input box; false when cancelled, `value` holds the text on OK.
    virtual bool inputPassword(QWidget *parent, const QString &caption, const QString &prompt, QString &value) = 0;
    // Modeless find or replace dialog for `dialog` (which outlives it): shows
    // it and returns at once; its buttons call the state's callbacks.
    virtual void showSearchDialog(QWidget *parent, SearchDialog &dialog) = 0;
    virtual void closeSearchDialog(SearchDialog &dialog) = 0;
    // Print and printer set-up dialogs on `printer`; false when cancelled.
    virtual bool printDialog(QWidget *parent, QPrinter &printer) = 0;
    virtual bool printerSetupDialog(QWidget *parent, QPrinter &printer) = 0;
    // Hands a local file to the desktop's application for its type; false
    // when the desktop found none.
    virtual bool openWithDefaultApplication(const QString &path) = 0;
    // Open with…: offers `applications` (the default first) for the member
    // `memberName` and a field for a command of the user's own. Returns the
    // chosen one's Exec line, or the command typed (read as an Exec line);
    // empty when cancelled.
    virtual QString chooseApplication(QWidget *parent, const QString &memberName,
                                      const std::vector<DesktopApplication> &applications) = 0;
    // Starts `command` (the program, then its arguments) in `directory`
    // without waiting for it; false when it cannot be started.
    virtual bool startApplication(const QStringList &command, const QString &directory) = 0;
};

// The window the desktop's prompts show for chooseApplication (the dialogs
// layer has it); until one is set, the question is answered as cancelled.
using ApplicationChooser = std::function<QString(QWidget *parent, const QString &memberName,
                                                 const std::vector<DesktopApplication> &applications)>;
void setApplicationChooser(ApplicationChooser chooser);

// Installs `handler` for all prompts (nullptr restores the desktop's dialogs).
void setPromptHandler(std::shared_ptr<PromptHandler> handler);
PromptHandler &prompts();

// Button sets of the program's message boxes.
int showMessage(QWidget *parent, const QString &caption, const QString &text, IconKind icon, const QStringList &buttons,
                int defaultButton = 0);
// Warning: caption "Warning", exclamation icon, "OK".
void warningBox(QWidget *parent, const QString &text);
// Confirmation: caption "Confirm", question icon, "&Yes" and "&No"; true only for yes.
// A question whose yes destroys something makes no the default answer.
enum class DefaultAnswer { Yes, No };
bool confirmBox(QWidget *parent, const QString &text, DefaultAnswer defaultAnswer = DefaultAnswer::Yes);
// Information: caption "Information", "OK".
void informationBox(QWidget *parent, const QString &text);
// The application's title, the caption of the boxes below. Set once at start-up;
// it is not Qt's display name, which Qt would append to every window title.
void setApplicationTitle(const QString &title);
QString applicationTitle();
// The plain box of non-visual components: application title as caption, no icon, "OK".
void plainBox(QWidget *parent, const QString &text);
// The box that ends an uncaught error: stop icon, application title, text and a full stop.
void applicationErrorBox(QWidget *parent, const QString &message);

// The desktop's message and input boxes, made but not shown: the desktop
// prompts show them, tests look at them. Their texts are plain text, never
// markup or shortcuts, since they name members and archives: a name holding
// "<h1>", "<!--" or "&" is shown as written.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget *parent, const QString &caption, const QString &text, IconKind icon,
                                            const QStringList &buttons, int defaultButton);
// `text` with every run without a space that is wider than `widest` pixels
// in `metrics` elided in its middle, so that a long name cannot push a box
// and its buttons off the screen.
QString elideLongRuns(const QString &text, const QFontMetrics &metrics, int widest);
// The index in `buttons` of the button that closed the box, or -1.
int pressedButton(const QMessageBox &box);
// `masked`: the password box, which starts empty.
std::unique_ptr<QInputDialog> makeInputBox(QWidget *parent, const QString &caption, const QString &prompt, bool masked,
                                           const QString &value);

// A script for tests: answers are taken from the queues in order; with a
// queue empty the prompt is answered as cancelled (-1 / empty / false).
// A box with a single button is answered with that button and takes no answer.
class ScriptedPrompts : public PromptHandler {
public:
    std::deque<int> buttonAnswers;
    std::deque<QString> fileAnswers;  // open, save and directory dialogs
    std::deque<std::pair<bool, QString>> inputAnswers;
    // Answers of password boxes; the record of one never holds the password.
    std::deque<std::pair<bool, QString>> passwordAnswers;
    std::vector<PromptRecord> shown;
    // The texts of the message boxes among them, in order.
    QStringList messageTexts() const;

    int messageBox(QWidget *, const QString &caption, const QString &text, IconKind icon, const QStringList &buttons,
                   int defaultButton) override;
    QString openFileName(QWidget *, const FileDialogOptions &options) override;
    QString saveFileName(QWidget *, const FileDialogOptions &options) override;
    QString existingDirectory(QWidget *, const QString &title, const QString &directory) override;
    bool inputText(QWidget *, const QString &caption, const QString &prompt, QString &value) override;
    bool inputPassword(QWidget *, const QString &caption, const QString &prompt, QString &value) override;

    // The search dialogs shown and not closed since; a test fills in their
    // state and presses their buttons (SearchDialog::press).
    std::vector<SearchDialog *> openSearchDialogs;
    SearchDialog *openSearchDialog(SearchDialog::Kind kind) const;
    // Print dialog: OK with output to this PDF file; none queued: cancelled.
    std::deque<QString> printAnswers;
    // Printer set-up: OK after the function has set up the printer; none: cancelled.
    std::deque<std::function<void(QPrinter &)>> printerSetupAnswers;

    void showSearchDialog(QWidget *, SearchDialog &dialog) override;
    void closeSearchDialog(SearchDialog &dialog) override;
    bool printDialog(QWidget *, QPrinter &printer) override;
    bool printerSetupDialog(QWidget *, QPrinter &printer) override;

    // The paths handed to the desktop, in order; each counts as opened
    // while the desktop has an application for it.
    std::vector<QString> openedWithDefaultApplication;
    bool desktopHasAnApplication = true;
    bool openWithDefaultApplication(const QString &path) override;

    // Answers of Open with…, in order (an Exec line; empty: cancelled); the
    // names of the applications last offered.
    std::deque<QString> applicationAnswers;
    QStringList offeredApplications;
    QString chooseApplication(QWidget *, const QString &memberName,
                              const std::vector<DesktopApplication> &applications) override;
    // The commands started, in order. With runStartedApplications each is
    // run to its end before the call returns, so that a test sees what it
    // did without waiting on the clock.
    std::vector<QStringList> startedApplications;
    bool runStartedApplications = false;
    bool startApplication(const QStringList &command, const QString &directory) override;

    // Installs a fresh script for the lifetime of the returned pointer's owner.
    static std::shared_ptr<ScriptedPrompts> install();
};

}  // namespace platform
