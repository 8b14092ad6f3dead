#pragma once
// What every archive operation of the main window shares: the status or
// message window around it, the start line, the hourglass, the count box, and
// the handlers that feed the windows from the component's events.

#include "engine/ZipEngine.h"

#include <QString>
#include <functional>

class QWidget;
class TF_status;
class TMsgform;
class ProgressDisplay;

struct OperationTexts {
    QString statusCaption;   // "Adding file(s)"
    QString startLine;       // "Beginning Add to archive.zip"
    QString failureText;     // shown when an error escapes the operation
    QString countSuffix;     // " files were added"
};

class OperationFrame {
public:
    OperationFrame(QWidget *owner, TZipEngine &engine, TMsgform &messageWindow, TF_status &statusWindow,
                   std::function<bool()> showMessages);

    // Runs `operation` (which sets the operation's own properties and calls
    // it) inside the frame and ends with the count box.
    void run(const OperationTexts &texts, const std::function<void()> &operation);

    // The component's OnMessage: logged while messages are shown, errors in a box.
    void message(int errCode, const QString &text);
    // The component's OnProgress: label and bar, then pending events, so that
    // the windows repaint and Cancel is heard while the library works.
    void progress(ProgressType type, const QString &fileName, int32_t fileSize);

    // A Cancel button: asks a running operation to stop. False when none runs.
    bool requestCancel();

private:
    ProgressDisplay &currentDisplay();

    QWidget *owner_;
    TZipEngine &engine_;
    TMsgform &messageWindow_;
    TF_status &statusWindow_;
    std::function<bool()> showMessages_;
};
