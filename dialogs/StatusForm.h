#pragma once
// The small window that shows the current file and its progress while an
// archive operation runs, with a Cancel button.

#include "dialogs/ProgressWindow.h"

class TF_status : public ProgressWindow {
    Q_OBJECT
public:
    explicit TF_status(QWidget *parent = nullptr);
};
