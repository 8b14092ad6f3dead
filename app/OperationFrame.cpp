#include "app/OperationFrame.h"

#include "dialogs/MsgForm.h"
#include "dialogs/StatusForm.h"
#include "platform/Prompts.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {

// The hourglass for the whole application, restored on every way out.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { restore(); }
    void restore()
    {
        if (active_)
            QApplication::restoreOverrideCursor();
        active_ = false;
    }

private:
    bool active_ = true;
};

void showCentred(QWidget &window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    window.raise();
}

}  // namespace

OperationFrame::OperationFrame(QWidget *owner, TZipEngine &engine, TMsgform &messageWindow,
                               TF_status &statusWindow, std::function<bool()> showMessages)
    : owner_(owner), engine_(engine), messageWindow_(messageWindow), statusWindow_(statusWindow),
      showMessages_(std::move(showMessages))
{
}

void OperationFrame::run(const OperationTexts &texts, const std::function<void()> &operation)
{
    Running running(*this);
    startLine_ = texts.startLine;
    const bool showMessages = showMessages_();
    if (showMessages) {
        messageWindow_.clearLog();
        showCentred(messageWindow_);
    } else {
        statusWindow_.setWindowTitle(texts.statusCaption);
        showCentred(statusWindow_);
    }
    message(0, texts.startLine);

    WaitCursor cursor;
    engine_.Verbose = true;
    engine_.Trace = false;
    // An operation the component refuses before calling its library counts 0,
    // not what the previous operation handled.
    engine_.LastResult = 0;
    try {
        operation();
    } catch (const std::exception &) {
        cursor.restore();
        platform::warningBox(owner_, texts.failureText);
    }
    // A window being closed goes without the closing boxes.
    if (!closeRequested_)
        platform::informationBox(owner_, QString::number(engine_.LastResult) + texts.countSuffix);
    cursor.restore();
    if (!showMessages)
        statusWindow_.hide();
    reportLoggedErrors();
}

OperationFrame::Running::Running(OperationFrame &frame) : frame_(frame)
{
    if (frame_.running_++ > 0)
        return;
    frame_.errors_ = 0;
    frame_.firstError_.clear();
    frame_.startLine_.clear();
    frame_.closeRequested_ = false;
    if (frame_.OnRunningChanged)
        frame_.OnRunningChanged(true);
}

OperationFrame::Running::~Running()
{
    if (--frame_.running_ > 0 || !frame_.OnRunningChanged)
        return;
    try {
        frame_.OnRunningChanged(false);
    } catch (...) {
        // Re-enabling the commands must not end the program on the way out.
    }
}

void OperationFrame::requestClose()
{
    closeRequested_ = true;
    engine_.Cancel = true;
}

void OperationFrame::message(int errCode, const QString &text)
{
    if (showMessages_())
        messageWindow_.appendLine(text);
    if (errCode <= 0)
        return;
    const QString boxText = QStringLiteral("Error message from DLL: ") + text;
    if (!isRunning()) {
        platform::warningBox(owner_, boxText);
        return;
    }
    // One box per operation: a box per member would keep Cancel out of reach.
    if (++errors_ == 1) {
        firstError_ = text;
        const int answer = platform::showMessage(owner_, QStringLiteral("Warning"), boxText, platform::IconKind::Warning,
                                                 {QStringLiteral("OK"), QStringLiteral("Cancel the operation")});
        if (answer == 1)
            engine_.Cancel = true;
        return;
    }
    if (!showMessages_())
        logError(text);
}

void OperationFrame::logError(const QString &text)
{
    // With the log off the message window holds this operation's errors alone,
    // the one shown in the box first.
    if (errors_ == 2) {
        messageWindow_.clearLog();
        if (!startLine_.isEmpty())
            messageWindow_.appendLine(startLine_);
        messageWindow_.appendLine(firstError_);
    }
    messageWindow_.appendLine(text);
}

void OperationFrame::reportLoggedErrors()
{
    const int more = errors_ - 1;
    if (more <= 0 || closeRequested_)
        return;
    if (!messageWindow_.isVisible())
        showCentred(messageWindow_);
    platform::informationBox(owner_, more == 1 ? QStringLiteral("1 more error was logged in the message window")
                                               : QString::number(more)
                                                     + QStringLiteral(" more errors were logged in the message window"));
    // Reported once, also when a command reports after its own frame.
    errors_ = 1;
}

ProgressDisplay &OperationFrame::currentDisplay()
{
    return showMessages_() ? messageWindow_.progress() : statusWindow_.progress();
}

void OperationFrame::progress(ProgressType type, const QString &fileName, int32_t fileSize)
{
    ProgressDisplay &display = currentDisplay();
    switch (type) {
    case FileBegin:
        display.setFileText(QStringLiteral("File: ") + fileName);
        display.model().beginFile(fileSize);
        display.update();
        break;
    case FileStep:
        display.model().fileStep();
        display.update();
        break;
    case BatchEnd:
        display.setFileText(QStringLiteral("File: "));
        display.model().reset();
        display.update();
        break;
    }
    QApplication::processEvents();
}

bool OperationFrame::requestCancel()
{
    // An extraction is stopped too: a Cancel that hides the window while the
    // extraction runs on would silently not cancel.
    if (!engine_.ZipRunning && !engine_.UnzipRunning)
        return false;
    engine_.Cancel = true;
    return true;
}
