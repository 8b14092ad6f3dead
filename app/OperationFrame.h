#pragma once
// What every archive operation of the main window shares: the status or
// message window around it, the start line, the hourglass, the count box, and
// the handlers that feed the windows from the component's events.

#include "app/EngineWorker.h"
#include "app/UpdatePacer.h"
#include "engine/ZipEngine.h"

#include <QCoreApplication>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;
class TF_status;
class TMsgform;
class ProgressDisplay;

// Where a window of `size` goes to stand centred over `over`, kept inside
// `screenArea` (ignored when empty).
QPoint centredPlace(const QSize &size, const QRect &over, const QRect &screenArea);

struct OperationTexts {
    QString statusCaption;  // "Adding file(s)"
    QString startLine;      // "Beginning Add to archive.zip"
    QString failureText;    // shown when an error escapes the operation
    // The count box's text: one holding "%n" is the untranslated text,
    // marked QT_TRANSLATE_N_NOOP("OperationTexts", "%n files were added"), that
    // countText translates with the count; any other follows the number
    // (" files were added").
    QString countSuffix;
};

// The count box's text of `texts.countSuffix` for `count`, translated.
QString countText(const QString &countSuffix, int count);

class OperationFrame {
    Q_DECLARE_TR_FUNCTIONS(OperationFrame)

public:
    OperationFrame(QWidget *owner, TZipEngine &engine, TMsgform &messageWindow, TF_status &statusWindow,
                   std::function<bool()> showMessages);

    // A call of the component, handed the events it is to raise: they reach
    // the component's handlers (or the events the caller gave) on the
    // window's thread.
    using EngineCall = std::function<void(orvex::ComponentEvents &events)>;

    // Runs `operation` inside the frame on a worker thread and ends with the
    // count box. `resultText`, when given, makes the box's text instead, once
    // the operation has ended; an empty text shows no box. `answering`, when
    // given, takes the operation's events instead of the component's
    // handlers (a password question passing the rest on).
    void run(const OperationTexts &texts, const EngineCall &operation, const std::function<QString()> &resultText = {},
             orvex::ComponentEvents *answering = nullptr);

    // Runs `engineCall` on a worker thread while the window stays live,
    // within an operation the caller has begun (Running). Throws what the
    // call threw.
    void call(const EngineCall &engineCall, orvex::ComponentEvents *answering = nullptr);

    // Reads the member list with `read` (a component call that reads it) on
    // a worker thread. A read that takes longer than readProgressDelay shows
    // the status window ("Reading N members…"), whose Cancel stops it; the
    // component then throws EReadCancelled and keeps the list it had. A
    // password the reading needs (a 7z's encrypted names) is asked in a box.
    void readListing(const EngineCall &read);
    // In milliseconds; short reads show nothing, so that the window does not flash.
    int readProgressDelay = 400;

    // Marks an operation as running for its lifetime, whichever way it ends:
    // the window turns the commands that would start another one off.
    class Running {
    public:
        explicit Running(OperationFrame &frame);
        ~Running();
        Running(const Running &) = delete;
        Running &operator=(const Running &) = delete;

    private:
        OperationFrame &frame_;
    };
    bool isRunning() const { return running_ > 0; }
    // The last operation run ended with an error, a refusal or a failed test.
    bool lastFailed() const { return lastFailed_; }
    // Told when the first operation starts (true) and when it has ended (false).
    std::function<void(bool running)> OnRunningChanged;

    // Told when an operation changed the archive but the user stopped the
    // listing's re-read: the rows shown are out of date.
    std::function<void()> OnListingOutOfDate;

    // Closing the window while an operation runs: the operation is cancelled,
    // it ends without its closing boxes, and the window closes afterwards.
    void requestClose();
    bool closeRequested() const { return closeRequested_; }

    // The component's OnMessage: logged while messages are shown. The first
    // error of an operation comes in a box that can cancel the operation;
    // later ones go to the message window's log only.
    void message(int errCode, const QString &text);
    // After an operation: the message window and a count of the errors that
    // only its log holds, if there were any.
    void reportLoggedErrors();
    // The component's OnProgress: label and bar, then pending events, so that
    // the windows repaint and Cancel is heard while the library works. During
    // an operation the windows catch up about 30 times a second and at its
    // end, not after every report.
    void progress(ProgressType type, const QString &fileName, int32_t fileSize);
    // The component's OnReadProgress: the reading line and the bar.
    void readProgress(int64_t members, int64_t done, int64_t total);
    static QString readingText(int64_t members);
    UpdatePacer &pacer() { return pacer_; }

    // A Cancel button: asks a running operation to stop. False when none runs.
    bool requestCancel();

private:
    ProgressDisplay &currentDisplay();
    void logError(const QString &text);
    // Shows what came since the windows last caught up; with `force` or
    // outside an operation at once, else when the pacer says so.
    void catchUp(bool force);
    void showPending();

    QWidget *owner_;
    TZipEngine &engine_;
    EngineWorker worker_;
    // Where the events go when the caller gave none.
    orvex::ComponentEvents &handlers() { return engine_.events(); }
    bool readingAlone_ = false;  // a read outside any other operation runs
    TMsgform &messageWindow_;
    TF_status &statusWindow_;
    std::function<bool()> showMessages_;
    int running_ = 0;
    bool closeRequested_ = false;
    bool showingMessages_ = false;  // the operation's choice, read at its start
    QString startLine_;
    QString firstError_;
    int errors_ = 0;  // errors of the current operation
    bool lastFailed_ = false;
    UpdatePacer pacer_;
    QStringList pendingLog_;  // log lines not yet in the message window
    QString pendingFileText_;
    bool fileTextChanged_ = false;
    bool logRaised_ = false;  // the message window came up for this operation
};
