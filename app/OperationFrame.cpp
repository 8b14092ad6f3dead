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
    platform::informationBox(owner_, QString::number(engine_.LastResult) + texts.countSuffix);
    cursor.restore();
    if (!showMessages)
        statusWindow_.hide();
}

void OperationFrame::message(int errCode, const QString &text)
{
    if (showMessages_())
        messageWindow_.appendLine(text);
    if (errCode > 0)
        platform::warningBox(owner_, QStringLiteral("Error message from DLL: ") + text);
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
