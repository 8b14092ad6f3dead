#include "dialogs/ProgressDisplay.h"

#include <QLabel>
#include <QProgressBar>

ProgressDisplay::ProgressDisplay(QLabel *label, QProgressBar *bar) : label_(label), bar_(bar), blank_(label->text())
{
    bar_->setRange(model_.minimum, model_.maximum);
    bar_->setValue(model_.position);
}

void ProgressDisplay::setFileText(const QString &text)
{
    label_->setText(text);
}

QString ProgressDisplay::fileText() const
{
    return label_->text();
}

void ProgressDisplay::update()
{
    bar_->setRange(model_.minimum, model_.maximum);
    bar_->setValue(model_.position);
}

void ProgressDisplay::clear()
{
    label_->setText(blank_);
    model_.reset();
    update();
}
