#pragma once
// The file label and progress bar that the status and message windows share.

#include "dialogs/ProgressBarModel.h"

#include <QString>

class QLabel;
class QProgressBar;

class ProgressDisplay {
public:
    ProgressDisplay(QLabel *label, QProgressBar *bar);

    void setFileText(const QString &text);
    QString fileText() const;
    ProgressBarModel &model() { return model_; }
    const ProgressBarModel &model() const { return model_; }
    // Shows the model on the bar.
    void update();
    // Back to the label's first text and an empty bar: an operation that has
    // ended leaves nothing for the next showing.
    void clear();

private:
    QLabel *label_;
    QProgressBar *bar_;
    ProgressBarModel model_;
    QString blank_;  // the label's text as the window made it
};
