#include "app/OperationFrame.h"

#include "app/PasswordQuestion.h"
#include "app/PlainWords.h"
#include "dialogs/MsgForm.h"
#include "dialogs/StatusForm.h"
#include "platform/Prompts.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <climits>

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

// Over the main window that started the operation, each time: centred on
// the screen, the windows of two running programs would cover each other.
void showCentred(QWidget &window, const QWidget *owner)
{
    const QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    const QRect over = owner && owner->isVisible() ? owner->frameGeometry() : area;
    if (!over.isEmpty())
        window.move(centredPlace(window.frameGeometry().size(), over, area));
    window.show();
    window.raise();
}

}  // namespace

QPoint centredPlace(const QSize &size, const QRect &over, const QRect &screenArea)
{
    QPoint place = over.topLeft() + QPoint((over.width() - size.width()) / 2, (over.height() - size.height()) / 2);
    // Kept whole on the screen when the main window stands near its edge.
    if (!screenArea.isEmpty()) {
        place.setX(std::clamp(place.x(), screenArea.left(),
                              std::max(screenArea.left(), screenArea.right() - size.width() + 1)));
        place.setY(std::clamp(place.y(), screenArea.top(),
                              std::max(screenArea.top(), screenArea.bottom() - size.height() + 1)));
    }
    return place;
}

QString countText(const QString &countSuffix, int count)
{
    if (countSuffix.contains(QLatin1String("%n")))
        return QCoreApplication::translate("OperationTexts", countSuffix.toUtf8().constData(), nullptr, count);
    return QString::number(count) + countSuffix;
}

OperationFrame::OperationFrame(QWidget *owner, TZipEngine &engine, TMsgform &messageWindow, TF_status &statusWindow,
                               std::function<bool()> showMessages)
    : owner_(owner), engine_(engine), messageWindow_(messageWindow), statusWindow_(statusWindow),
      showMessages_(std::move(showMessages))
{
}

void OperationFrame::run(const OperationTexts &texts, const EngineCall &operation,
                         const std::function<QString()> &resultText, orvex::ComponentEvents *answering)
{
    Running running(*this);
    startLine_ = texts.startLine;
    const bool showMessages = showMessages_();
    statusWindow_.progress().clear();
    messageWindow_.progress().clear();
    if (showMessages) {
        messageWindow_.clearLog();
        showCentred(messageWindow_, owner_);
    } else {
        statusWindow_.setWindowTitle(texts.statusCaption);
        showCentred(statusWindow_, owner_);
    }
    // Shown with the first report: letting events through before the library
    // runs would take a Cancel meant for the operation.
    if (showMessages)
        pendingLog_ << texts.startLine;

    WaitCursor cursor;
    // The component's own refusals and errors come as notices, not as
    // messages with a code: they count as failures of this operation too.
    int notices = 0;
    struct NoticeCount {
        TZipEngine &engine;
        std::function<void(const std::string &)> before;
        ~NoticeCount() { engine.MessageSink = std::move(before); }
    } noticeCount{engine_, engine_.MessageSink};
    engine_.MessageSink = [&notices, &noticeCount](const std::string &text) {
        ++notices;
        if (noticeCount.before)
            noticeCount.before(text);
    };
    engine_.Verbose = true;
    engine_.Trace = false;
    // An operation the component refuses before calling its library counts 0,
    // not what the previous operation handled.
    engine_.LastResult = 0;
    engine_.LastTestFailures = 0;
    engine_.LastKeptFiles = 0;
    bool listingOutOfDate = false;
    bool threw = false;
    try {
        worker_.run(answering ? *answering : handlers(), operation);
    } catch (const EReadCancelled &) {
        // The change was made; only the listing's refresh was stopped.
        listingOutOfDate = true;
        if (OnListingOutOfDate)
            OnListingOutOfDate();
    } catch (const std::exception &) {
        threw = true;
        showPending();
        cursor.restore();
        platform::warningBox(owner_, texts.failureText);
    }
    showPending();
    lastFailed_ = threw || errors_ > 0 || notices > 0 || engine_.LastTestFailures > 0;
    // Ended: the box below must not stand over a file or a reading count
    // that is over, nor the next showing begin with them. The message
    // window, which stays, shows the last report until the next operation.
    statusWindow_.progress().clear();
    // A window being closed goes without the closing boxes.
    if (!closeRequested_) {
        QString result = resultText ? resultText() : countText(texts.countSuffix, engine_.LastResult);
        if (listingOutOfDate)
            result += QLatin1Char('\n')
                      + tr("The listing was not read again and is out of date: open the archive again to see its "
                           "members as they are now.");
        // A count after failures must not look like plain success.
        if (!result.isEmpty() && lastFailed_)
            platform::warningBox(owner_, result);
        else if (!result.isEmpty())
            platform::informationBox(owner_, result);
    }
    cursor.restore();
    if (!showMessages)
        statusWindow_.hide();
    reportLoggedErrors();
}

void OperationFrame::call(const EngineCall &engineCall, orvex::ComponentEvents *answering)
{
    worker_.run(answering ? *answering : handlers(), engineCall);
}

void OperationFrame::readListing(const EngineCall &read)
{
    Running running(*this);
    // An archive whose names are encrypted (a 7z) asks for its password
    // while it is read.
    PasswordQuestion passwords(engine_, owner_);
    const bool alone = running_ == 1;
    if (!alone)
        return worker_.run(passwords, read);
    readingAlone_ = true;
    statusWindow_.progress().model().reset();
    statusWindow_.progress().setFileText(readingText(0));
    QTimer showLater;
    showLater.setSingleShot(true);
    QObject::connect(&showLater, &QTimer::timeout, [this] {
        statusWindow_.setWindowTitle(tr("Reading archive"));
        showPending();
        showCentred(statusWindow_, owner_);
    });
    showLater.start(readProgressDelay);
    struct Done {
        OperationFrame &frame;
        ~Done()
        {
            frame.readingAlone_ = false;
            frame.statusWindow_.hide();
            frame.statusWindow_.progress().clear();
        }
    } done{*this};
    worker_.run(passwords, read);
}

QString OperationFrame::readingText(int64_t members)
{
    if (members <= 0)
        return tr("Reading members…");
    const int count = members > INT_MAX ? INT_MAX : int(members);
    //: Status window while an archive is read; %Ln is the number of members read so far
    return members == 1 ? tr("Reading %Ln member…", nullptr, count) : tr("Reading %Ln members…", nullptr, count);
}

void OperationFrame::readProgress(int64_t members, int64_t done, int64_t total)
{
    pendingFileText_ = readingText(members);
    fileTextChanged_ = true;
    ProgressBarModel &bar = currentDisplay().model();
    bar.minimum = 0;
    bar.maximum = 100;
    bar.position = uint16_t(total > 0 ? std::clamp<int64_t>(done * 100 / total, 0, 100) : 0);
    catchUp(false);
}

OperationFrame::Running::Running(OperationFrame &frame) : frame_(frame)
{
    if (frame_.running_++ > 0)
        return;
    frame_.errors_ = 0;
    frame_.firstError_.clear();
    frame_.startLine_.clear();
    frame_.closeRequested_ = false;
    // Cleared here, before any worker starts, and not by the call itself:
    // a Cancel pressed as the operation begins must not be lost.
    frame_.engine_.Cancel = false;
    frame_.pendingLog_.clear();
    frame_.fileTextChanged_ = false;
    frame_.logRaised_ = false;
    frame_.pacer_.restart();  // the first report lets events through at once
    if (frame_.OnRunningChanged)
        frame_.OnRunningChanged(true);
}

OperationFrame::Running::~Running()
{
    if (--frame_.running_ > 0)
        return;
    try {
        frame_.showPending();  // nothing reported is lost, however the frame is left
    } catch (...) {
    }
    if (!frame_.OnRunningChanged)
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
        pendingLog_ << text;
    if (errCode <= 0) {
        if (isRunning())
            catchUp(false);
        else
            showPending();
        return;
    }
    //: Box over a library's error; %1 is its message, "DLL" the program's old word for its libraries
    QString boxText = tr("Error message from DLL: %1").arg(text);
    if (const QString plain = plain_words::messageLine(errCode, text); !plain.isEmpty())
        boxText += QLatin1Char('\n') + plain;
    if (!isRunning()) {
        showPending();
        platform::warningBox(owner_, boxText);
        return;
    }
    // One box per operation: a box per member would keep Cancel out of reach.
    if (++errors_ == 1) {
        firstError_ = text;
        showPending();
        const int answer = platform::showMessage(owner_, tr("Warning"), boxText, platform::IconKind::Warning,
                                                 {tr("OK"), tr("Cancel the operation")});
        if (answer == 1)
            engine_.Cancel = true;
        return;
    }
    if (!showMessages_())
        logError(text);
    catchUp(false);
}

void OperationFrame::logError(const QString &text)
{
    // With the log off the message window holds this operation's errors alone,
    // the one shown in the box first.
    if (errors_ == 2) {
        messageWindow_.clearLog();
        pendingLog_.clear();
        if (!startLine_.isEmpty())
            pendingLog_ << startLine_;
        pendingLog_ << firstError_;
    }
    pendingLog_ << text;
}

void OperationFrame::reportLoggedErrors()
{
    const int more = errors_ - 1;
    if (more <= 0 || closeRequested_)
        return;
    showPending();
    // The count points at the window: it must be in sight, not behind.
    if (!messageWindow_.isVisible())
        showCentred(messageWindow_, owner_);
    else
        messageWindow_.raise();
    platform::informationBox(owner_, more == 1 ? tr("%n more error was logged in the message window", nullptr, more)
                                               : tr("%n more errors were logged in the message window", nullptr, more));
    // Reported once, also when a command reports after its own frame.
    errors_ = 1;
}

ProgressDisplay &OperationFrame::currentDisplay()
{
    return !readingAlone_ && showMessages_() ? messageWindow_.progress() : statusWindow_.progress();
}

void OperationFrame::progress(ProgressType type, const QString &fileName, int32_t fileSize)
{
    ProgressBarModel &bar = currentDisplay().model();
    switch (type) {
    case FileBegin:
        //: Status window; %1 is the name of the member being worked on
        pendingFileText_ = tr("File: %1").arg(fileName);
        fileTextChanged_ = true;
        bar.beginFile(fileSize);
        break;
    case FileStep: bar.fileStep(); break;
    case BatchEnd:
        pendingFileText_ = tr("File: %1").arg(QString());
        fileTextChanged_ = true;
        bar.reset();
        break;
    case Working: break;
    }
    catchUp(type == BatchEnd);
}

void OperationFrame::catchUp(bool force)
{
    // The window's own thread repaints: the operation runs on a worker.
    if (!force && isRunning() && !pacer_.due())
        return;
    showPending();
}

void OperationFrame::showPending()
{
    if (!pendingLog_.isEmpty()) {
        messageWindow_.appendLines(pendingLog_);
        pendingLog_.clear();
        // Brought up once an operation writes to it, and only once, so that
        // a window the user puts over it during a long run stays there.
        if (isRunning() && !logRaised_ && messageWindow_.isVisible()) {
            messageWindow_.raise();
            logRaised_ = true;
        }
    }
    ProgressDisplay &display = currentDisplay();
    if (fileTextChanged_) {
        display.setFileText(pendingFileText_);
        fileTextChanged_ = false;
    }
    display.update();
}

bool OperationFrame::requestCancel()
{
    // An extraction is stopped too: a Cancel that hides the window while the
    // extraction runs on would silently not cancel.
    if (!worker_.busy())
        return false;
    engine_.Cancel = true;
    return true;
}
