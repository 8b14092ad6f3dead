#include "dialogs/ProgressWindow.h"

#include <QKeyEvent>
#include <QPushButton>

// A dialog window, not a plain one: given the main window as parent, the
// window manager keeps it above that one instead of leaving it behind, where
// its messages would go unseen. It is never modal.
ProgressWindow::ProgressWindow(QWidget *parent) : QWidget(parent, Qt::Dialog) {}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::attachProgress()
{
    progress_ = std::make_unique<ProgressDisplay>(fileLabel, progressBar);
    connect(cancelButton, &QPushButton::clicked, this, &ProgressWindow::cancelClicked);
}

void ProgressWindow::cancelClicked()
{
    if (OnCancelRequest && OnCancelRequest())
        return;
    hide();
}

void ProgressWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cancelClicked();
        return;
    }
    QWidget::keyPressEvent(event);
}
