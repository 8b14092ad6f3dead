#include "dialogs/ProgressWindow.h"

#include <QPushButton>

// A dialog window, not a plain one: given the main window as parent, the
// window manager keeps it above that one instead of leaving it behind, where
// its messages would go unseen. It is never modal.
TProgressWindow::TProgressWindow(QWidget *parent) : QWidget(parent, Qt::Dialog) {}

TProgressWindow::~TProgressWindow() = default;

void TProgressWindow::attachProgress()
{
    progress_ = std::make_unique<ProgressDisplay>(fileLabel, progressBar);
    connect(cancelButton, &QPushButton::clicked, this, &TProgressWindow::cancelClicked);
}

void TProgressWindow::cancelClicked()
{
    if (OnCancelRequest && OnCancelRequest())
        return;
    hide();
}
