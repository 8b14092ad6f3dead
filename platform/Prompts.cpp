#include "platform/Prompts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QUrl>

#include "platform/SearchDialogWindow.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

namespace platform {

namespace {

QMessageBox::Icon toQtIcon(IconKind icon)
{
    switch (icon) {
    case IconKind::Warning: return QMessageBox::Warning;
    case IconKind::Question: return QMessageBox::Question;
    case IconKind::Information: return QMessageBox::Information;
    case IconKind::Stop: return QMessageBox::Critical;
    case IconKind::None: break;
    }
    return QMessageBox::NoIcon;
}

// Runs a box of the parent's; false when the parent went while it was open
// and took the box with it.
template <typename Box>
bool execOwned(std::unique_ptr<Box> &box)
{
    const QPointer<Box> alive(box.get());
    box->exec();
    if (alive)
        return true;
    (void)box.release();
    return false;
}

bool runInputBox(std::unique_ptr<QInputDialog> box, QString &value)
{
    if (!execOwned(box) || box->result() != QDialog::Accepted)
        return false;
    value = box->textValue();
    return true;
}

// The widest a run of text without a space may be in a box: a name or path
// wider than this is shown with its middle elided, so that the box and its
// buttons stay on the screen.
int widestUnbrokenRun(const QWidget *parent)
{
    const QScreen *screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->availableGeometry().width() : 1024;
    return std::max(240, screenWidth * 2 / 5);
}

// The buttons that Escape presses are known by their words, in English or as
// translated: callers hand over texts, not roles.
QString withoutAccessKey(const QString &text)
{
    return QString(text).remove(QLatin1Char('&'));
}
QString translatedNo()
{
    //: A message box button; Escape presses a button with exactly this word, so use the same word as on the "No"
    //: buttons elsewhere
    return QCoreApplication::translate("platform", "&No");
}
QString translatedCancel()
{
    //: A message box button; Escape presses a button with exactly this word, so use the same word as on the "Cancel"
    //: buttons elsewhere
    return QCoreApplication::translate("platform", "&Cancel");
}

// The property that numbers a message box's buttons in the order given.
const char *const ButtonIndex = "orvexButtonIndex";

ApplicationChooser &chooser()
{
    static ApplicationChooser window;
    return window;
}

class DesktopPrompts : public PromptHandler {
public:
    int messageBox(QWidget *parent, const QString &caption, const QString &text, IconKind icon,
                   const QStringList &buttons, int defaultButton) override
    {
        std::unique_ptr<QMessageBox> box = makeMessageBox(parent, caption, text, icon, buttons, defaultButton);
        return execOwned(box) ? pressedButton(*box) : -1;
    }

    QString openFileName(QWidget *parent, const FileDialogOptions &o) override
    {
        QFileDialog dialog(parent, o.title, o.directory, o.filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(o.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        if (!o.fileName.isEmpty())
            dialog.selectFile(o.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().first();
    }

    QString saveFileName(QWidget *parent, const FileDialogOptions &o) override
    {
        QFileDialog dialog(parent, o.title, o.directory, o.filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !o.confirmOverwrite);
        if (!o.fileName.isEmpty())
            dialog.selectFile(o.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().first();
    }

    QString existingDirectory(QWidget *parent, const QString &title, const QString &directory) override
    {
        return QFileDialog::getExistingDirectory(parent, title, directory);
    }

    bool inputText(QWidget *parent, const QString &caption, const QString &prompt, QString &value) override
    {
        return runInputBox(makeInputBox(parent, caption, prompt, false, value), value);
    }

    bool inputPassword(QWidget *parent, const QString &caption, const QString &prompt, QString &value) override
    {
        return runInputBox(makeInputBox(parent, caption, prompt, true, QString()), value);
    }

    void showSearchDialog(QWidget *parent, SearchDialog &dialog) override { showSearchDialogWindow(parent, dialog); }

    void closeSearchDialog(SearchDialog &dialog) override
    {
        if (dialog.window)
            dialog.window->hide();
    }

    bool printDialog(QWidget *parent, QPrinter &printer) override
    {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    bool printerSetupDialog(QWidget *parent, QPrinter &printer) override
    {
        QPageSetupDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    bool openWithDefaultApplication(const QString &path) override
    {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }

    QString chooseApplication(QWidget *parent, const QString &memberName,
                              const std::vector<DesktopApplication> &applications) override
    {
        return chooser() ? chooser()(parent, memberName, applications) : QString();
    }

    bool startApplication(const QStringList &command, const QString &directory) override
    {
        return !command.isEmpty() && QProcess::startDetached(command.front(), command.mid(1), directory);
    }
};

std::shared_ptr<PromptHandler> &current()
{
    static std::shared_ptr<PromptHandler> handler;
    return handler;
}

QString &storedApplicationTitle()
{
    static QString title;
    return title;
}

}  // namespace

void setApplicationTitle(const QString &title)
{
    storedApplicationTitle() = title;
}

QString applicationTitle()
{
    const QString &title = storedApplicationTitle();
    return title.isEmpty() ? QApplication::applicationName() : title;
}

void setApplicationChooser(ApplicationChooser window)
{
    chooser() = std::move(window);
}

void setPromptHandler(std::shared_ptr<PromptHandler> handler)
{
    current() = std::move(handler);
}

PromptHandler &prompts()
{
    if (!current())
        current() = std::make_shared<DesktopPrompts>();
    return *current();
}

int showMessage(QWidget *parent, const QString &caption, const QString &text, IconKind icon, const QStringList &buttons,
                int defaultButton)
{
    return prompts().messageBox(parent, caption, text, icon, buttons, defaultButton);
}

void warningBox(QWidget *parent, const QString &text)
{
    showMessage(parent, QCoreApplication::translate("platform", "Warning"), text, IconKind::Warning,
                {QCoreApplication::translate("platform", "OK")});
}

bool confirmBox(QWidget *parent, const QString &text, DefaultAnswer defaultAnswer)
{
    return showMessage(
               parent, QCoreApplication::translate("platform", "Confirm"), text, IconKind::Question,
               {QCoreApplication::translate("platform", "&Yes"), QCoreApplication::translate("platform", "&No")},
               defaultAnswer == DefaultAnswer::Yes ? 0 : 1)
           == 0;
}

void informationBox(QWidget *parent, const QString &text)
{
    showMessage(parent, QCoreApplication::translate("platform", "Information"), text, IconKind::Information,
                {QCoreApplication::translate("platform", "OK")});
}

void plainBox(QWidget *parent, const QString &text)
{
    showMessage(parent, applicationTitle(), text, IconKind::None, {QCoreApplication::translate("platform", "OK")});
}

void applicationErrorBox(QWidget *parent, const QString &message)
{
    //: An error box's text: %1 is the error message, which ends without a full stop
    showMessage(parent, applicationTitle(), QCoreApplication::translate("platform", "%1.").arg(message), IconKind::Stop,
                {QCoreApplication::translate("platform", "OK")});
}

QString elideLongRuns(const QString &text, const QFontMetrics &metrics, int widest)
{
    static const QRegularExpression unbroken(QStringLiteral("\\S+"));
    QString shown;
    qsizetype done = 0;
    for (auto runs = unbroken.globalMatch(text); runs.hasNext();) {
        const QRegularExpressionMatch run = runs.next();
        shown += text.mid(done, run.capturedStart() - done);
        const QString word = run.captured();
        shown += metrics.horizontalAdvance(word) > widest ? metrics.elidedText(word, Qt::ElideMiddle, widest) : word;
        done = run.capturedEnd();
    }
    return shown + text.mid(done);
}

std::unique_ptr<QMessageBox> makeMessageBox(QWidget *parent, const QString &caption, const QString &text, IconKind icon,
                                            const QStringList &buttons, int defaultButton)
{
    auto box = std::make_unique<QMessageBox>(toQtIcon(icon), caption, text, QMessageBox::NoButton, parent);
    box->setTextFormat(Qt::PlainText);
    // A long name is elided; the whole text stays a click away.
    const QString shown = elideLongRuns(text, box->fontMetrics(), widestUnbrokenRun(parent));
    if (shown != text) {
        box->setText(shown);
        box->setDetailedText(text);
    }
    QPushButton *no = nullptr, *cancel = nullptr;
    for (int i = 0; i < buttons.size(); ++i) {
        QPushButton *button = box->addButton(buttons[i], QMessageBox::AcceptRole);
        button->setProperty(ButtonIndex, i);
        if (i == defaultButton)
            box->setDefaultButton(button);
        const QString plain = withoutAccessKey(buttons[i]);
        if (plain == QLatin1String("No") || plain == withoutAccessKey(translatedNo()))
            no = button;
        else if (plain == QLatin1String("Cancel") || plain == withoutAccessKey(translatedCancel()))
            cancel = button;
    }
    // Escape is the desktop's "no": it cancels where there is a Cancel and
    // answers No otherwise; a box with one button is closed by it anyway.
    if (QPushButton *escape = cancel ? cancel : no)
        box->setEscapeButton(escape);
    return box;
}

int pressedButton(const QMessageBox &box)
{
    const QAbstractButton *pressed = box.clickedButton();
    const QVariant index = pressed ? pressed->property(ButtonIndex) : QVariant();
    return index.isValid() ? index.toInt() : -1;
}

std::unique_ptr<QInputDialog> makeInputBox(QWidget *parent, const QString &caption, const QString &prompt, bool masked,
                                           const QString &value)
{
    auto box = std::make_unique<QInputDialog>(parent);
    box->setWindowTitle(caption);
    box->setInputMode(QInputDialog::TextInput);
    box->setLabelText(prompt);
    box->setTextEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
    box->setTextValue(value);
    // The box lays itself out, and makes its label the line's buddy, on
    // first asking for its size; after that the label is left alone. Without
    // the buddy an '&' in a name is no shortcut and stays on screen.
    box->sizeHint();
    for (QLabel *label : box->findChildren<QLabel *>()) {
        label->setTextFormat(Qt::PlainText);
        label->setBuddy(nullptr);
        // A long name is elided; the whole prompt is the label's tooltip.
        const QString shown = elideLongRuns(prompt, label->fontMetrics(), widestUnbrokenRun(parent));
        if (shown != prompt) {
            label->setText(shown);
            label->setToolTip(prompt);
        }
    }
    return box;
}

int ScriptedPrompts::messageBox(QWidget *, const QString &caption, const QString &text, IconKind icon,
                                const QStringList &buttons, int defaultButton)
{
    PromptRecord r;
    r.kind = PromptRecord::Kind::MessageBox;
    r.caption = caption;
    r.text = text;
    r.icon = icon;
    r.buttons = buttons;
    r.defaultButton = defaultButton;
    shown.push_back(r);
    if (buttons.size() == 1)
        return 0;  // a lone OK is pressed without a script
    if (buttonAnswers.empty())
        return -1;
    int answer = buttonAnswers.front();
    buttonAnswers.pop_front();
    return answer;
}

static QString takeFile(std::deque<QString> &answers)
{
    if (answers.empty())
        return {};
    QString answer = answers.front();
    answers.pop_front();
    return answer;
}

static PromptRecord fileDialogRecord(PromptRecord::Kind kind, const FileDialogOptions &o)
{
    PromptRecord r;
    r.kind = kind;
    r.caption = o.title;
    r.directory = o.directory;
    r.filter = o.filter;
    return r;
}

QString ScriptedPrompts::openFileName(QWidget *, const FileDialogOptions &o)
{
    shown.push_back(fileDialogRecord(PromptRecord::Kind::OpenFile, o));
    return takeFile(fileAnswers);
}

QString ScriptedPrompts::saveFileName(QWidget *, const FileDialogOptions &o)
{
    shown.push_back(fileDialogRecord(PromptRecord::Kind::SaveFile, o));
    return takeFile(fileAnswers);
}

QString ScriptedPrompts::existingDirectory(QWidget *, const QString &title, const QString &directory)
{
    PromptRecord r;
    r.kind = PromptRecord::Kind::Directory;
    r.caption = title;
    r.directory = directory;
    shown.push_back(r);
    return takeFile(fileAnswers);
}

bool ScriptedPrompts::inputText(QWidget *, const QString &caption, const QString &prompt, QString &value)
{
    PromptRecord r;
    r.kind = PromptRecord::Kind::InputText;
    r.caption = caption;
    r.text = prompt;
    r.defaultValue = value;
    shown.push_back(r);
    if (inputAnswers.empty())
        return false;
    auto [ok, text] = inputAnswers.front();
    inputAnswers.pop_front();
    if (ok)
        value = text;
    return ok;
}

bool ScriptedPrompts::inputPassword(QWidget *, const QString &caption, const QString &prompt, QString &value)
{
    PromptRecord r;
    r.kind = PromptRecord::Kind::Password;
    r.caption = caption;
    r.text = prompt;
    shown.push_back(r);
    if (passwordAnswers.empty())
        return false;
    auto [ok, text] = passwordAnswers.front();
    passwordAnswers.pop_front();
    if (ok)
        value = text;
    return ok;
}

SearchDialog *ScriptedPrompts::openSearchDialog(SearchDialog::Kind kind) const
{
    for (SearchDialog *dialog : openSearchDialogs)
        if (dialog->kind == kind)
            return dialog;
    return nullptr;
}

void ScriptedPrompts::showSearchDialog(QWidget *, SearchDialog &dialog)
{
    PromptRecord r;
    r.kind = dialog.kind == SearchDialog::Kind::Find ? PromptRecord::Kind::FindDialog
                                                     : PromptRecord::Kind::ReplaceDialog;
    // The find and replace windows' own titles.
    r.caption = dialog.kind == SearchDialog::Kind::Find
                    ? QCoreApplication::translate("platform::SearchDialogWindow", "Find")
                    : QCoreApplication::translate("platform::SearchDialogWindow", "Replace");
    r.text = dialog.findText;
    shown.push_back(r);
    if (std::find(openSearchDialogs.begin(), openSearchDialogs.end(), &dialog) == openSearchDialogs.end())
        openSearchDialogs.push_back(&dialog);
}

void ScriptedPrompts::closeSearchDialog(SearchDialog &dialog)
{
    std::erase(openSearchDialogs, &dialog);
}

bool ScriptedPrompts::printDialog(QWidget *, QPrinter &printer)
{
    PromptRecord r;
    r.kind = PromptRecord::Kind::Print;
    r.caption = QStringLiteral("Print");
    shown.push_back(r);
    const QString file = takeFile(printAnswers);
    if (file.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    return true;
}

bool ScriptedPrompts::printerSetupDialog(QWidget *, QPrinter &printer)
{
    PromptRecord r;
    r.kind = PromptRecord::Kind::PrinterSetup;
    r.caption = QStringLiteral("Print Setup");
    shown.push_back(r);
    if (printerSetupAnswers.empty())
        return false;
    auto answer = std::move(printerSetupAnswers.front());
    printerSetupAnswers.pop_front();
    if (answer)
        answer(printer);
    return true;
}

QStringList ScriptedPrompts::messageTexts() const
{
    QStringList texts;
    for (const PromptRecord &record : shown)
        if (record.kind == PromptRecord::Kind::MessageBox)
            texts << record.text;
    return texts;
}

bool ScriptedPrompts::openWithDefaultApplication(const QString &path)
{
    openedWithDefaultApplication.push_back(path);
    return desktopHasAnApplication;
}

QString ScriptedPrompts::chooseApplication(QWidget *, const QString &memberName,
                                           const std::vector<DesktopApplication> &applications)
{
    PromptRecord r;
    r.kind = PromptRecord::Kind::ChooseApplication;
    r.caption = QStringLiteral("Open with");
    r.text = memberName;
    shown.push_back(r);
    offeredApplications.clear();
    for (const DesktopApplication &application : applications)
        offeredApplications << application.name;
    return takeFile(applicationAnswers);
}

bool ScriptedPrompts::startApplication(const QStringList &command, const QString &directory)
{
    startedApplications.push_back(command);
    if (!runStartedApplications || command.isEmpty())
        return true;
    QProcess process;
    process.setWorkingDirectory(directory);
    process.start(command.front(), command.mid(1));
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit;
}

std::shared_ptr<ScriptedPrompts> ScriptedPrompts::install()
{
    auto script = std::make_shared<ScriptedPrompts>();
    setPromptHandler(script);
    return script;
}

}  // namespace platform
