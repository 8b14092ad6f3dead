#pragma once
// What the status window and the message window share: the current file, its
// progress bar and a Cancel button that asks the running operation to stop.

#include "dialogs/ProgressDisplay.h"

#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    ~ProgressWindow() override;

    QLabel *fileLabel = nullptr;
    QProgressBar *progressBar = nullptr;
    QPushButton *cancelButton = nullptr;

    ProgressDisplay &progress() { return *progress_; }

    // Asked when Cancel is pressed: true when a running operation took the
    // request, and the window then stays; otherwise the window hides.
    std::function<bool()> OnCancelRequest;

public slots:
    void cancelClicked();

protected:
    explicit ProgressWindow(QWidget *parent);
    // Called once the window has made its label, bar and button.
    void attachProgress();
    // Escape presses Cancel.
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::unique_ptr<ProgressDisplay> progress_;
};
