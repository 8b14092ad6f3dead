#include "dialogs/ProgressWindow.h"

#include <QPushButton>

TProgressWindow::TProgressWindow(QWidget *parent) : QWidget(parent, Qt::Window) {}

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
