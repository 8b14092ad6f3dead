#pragma once
// The small window that shows the current file and its progress while an
// archive operation runs, with a Cancel button.

#include "dialogs/ProgressDisplay.h"

#include <QWidget>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

class TF_status : public QWidget {
    Q_OBJECT
public:
    explicit TF_status(QWidget *parent = nullptr);

    QLabel *fileLabel = nullptr;
    QProgressBar *progressBar = nullptr;
    QPushButton *cancelButton = nullptr;
    ProgressDisplay &progress() { return progress_; }

    // Asked when Cancel is pressed: true when a running operation took the
    // request, and the window then stays; otherwise the window hides.
    std::function<bool()> OnCancelRequest;

public slots:
    void cancelClicked();

private:
    ProgressDisplay progress_;
};
