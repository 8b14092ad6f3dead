#pragma once
// The desktop's find and replace dialog for a SearchDialog state.

#include "platform/SearchDialog.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QGroupBox;

namespace platform {

class SearchDialogWindow : public QDialog {
    Q_OBJECT
public:
    SearchDialogWindow(QWidget *parent, SearchDialog &state);
    ~SearchDialogWindow() override;

    // Puts the state into the controls.
    void load();

    QLineEdit *findEdit = nullptr;
    QLineEdit *replaceEdit = nullptr;  // replace dialog only
    QCheckBox *wholeWordBox = nullptr;
    QCheckBox *matchCaseBox = nullptr;
    QGroupBox *directionBox = nullptr;  // find dialog only
    QRadioButton *upButton = nullptr;
    QRadioButton *downButton = nullptr;
    QPushButton *findNextButton = nullptr;
    QPushButton *replaceButton = nullptr;
    QPushButton *replaceAllButton = nullptr;
    QPushButton *cancelButton = nullptr;

private:
    void store();
    void press(SearchDialog::Button button);
    void updateButtons();

    SearchDialog &state_;
    bool loading_ = false;
};

// Shows the window of `state`, making it on first use.
void showSearchDialogWindow(QWidget *parent, SearchDialog &state);

}  // namespace platform
