#include "platform/SearchDialogWindow.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace platform {

SearchDialogWindow::SearchDialogWindow(QWidget *parent, SearchDialog &state) : QDialog(parent), state_(state)
{
    const bool replace = state.kind == SearchDialog::Kind::Replace;
    setObjectName(replace ? QStringLiteral("ReplaceDialog") : QStringLiteral("FindDialog"));
    setWindowTitle(replace ? tr("Replace") : tr("Find"));
    setModal(false);

    auto *fields = new QGridLayout;
    findEdit = new QLineEdit;
    auto *findLabel = new QLabel(tr("Fi&nd what:"));
    findLabel->setBuddy(findEdit);
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(findEdit, 0, 1);
    if (replace) {
        replaceEdit = new QLineEdit;
        auto *replaceLabel = new QLabel(tr("Re&place with:"));
        replaceLabel->setBuddy(replaceEdit);
        fields->addWidget(replaceLabel, 1, 0);
        fields->addWidget(replaceEdit, 1, 1);
    }

    wholeWordBox = new QCheckBox(tr("Match &whole word only"));
    matchCaseBox = new QCheckBox(tr("Match &case"));
    auto *boxes = new QVBoxLayout;
    boxes->addWidget(wholeWordBox);
    boxes->addWidget(matchCaseBox);
    auto *options = new QHBoxLayout;
    options->addLayout(boxes);
    if (!replace) {
        directionBox = new QGroupBox(tr("Direction"));
        upButton = new QRadioButton(tr("&Up"));
        downButton = new QRadioButton(tr("&Down"));
        auto *direction = new QHBoxLayout(directionBox);
        direction->addWidget(upButton);
        direction->addWidget(downButton);
        options->addWidget(directionBox);
    }

    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(options);
    left->addStretch();

    findNextButton = new QPushButton(tr("&Find Next"));
    findNextButton->setDefault(true);
    cancelButton = new QPushButton(tr("Cancel"));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(findNextButton);
    if (replace) {
        replaceButton = new QPushButton(tr("&Replace"));
        replaceAllButton = new QPushButton(tr("Replace &All"));
        buttons->addWidget(replaceButton);
        buttons->addWidget(replaceAllButton);
        connect(replaceButton, &QPushButton::clicked, this, [this] { press(SearchDialog::Button::Replace); });
        connect(replaceAllButton, &QPushButton::clicked, this, [this] { press(SearchDialog::Button::ReplaceAll); });
    }
    buttons->addWidget(cancelButton);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(findNextButton, &QPushButton::clicked, this, [this] { press(SearchDialog::Button::FindNext); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::hide);
    // The state follows the controls as they change, as the platform's dialogs
    // expose their fields while open.
    for (QLineEdit *edit : {findEdit, replaceEdit})
        if (edit)
            connect(edit, &QLineEdit::textChanged, this, [this] { store(); });
    for (QAbstractButton *button :
         std::initializer_list<QAbstractButton *>{wholeWordBox, matchCaseBox, upButton, downButton})
        if (button)
            connect(button, &QAbstractButton::toggled, this, [this] { store(); });

    state_.OnStateChanged = [this] { load(); };
    load();
}

SearchDialogWindow::~SearchDialogWindow()
{
    state_.OnStateChanged = nullptr;
}

void SearchDialogWindow::load()
{
    loading_ = true;
    findEdit->setText(state_.findText);
    if (replaceEdit)
        replaceEdit->setText(state_.replaceText);
    wholeWordBox->setChecked(state_.wholeWord);
    wholeWordBox->setVisible(!state_.wholeWordHidden);
    matchCaseBox->setChecked(state_.matchCase);
    if (downButton) {
        downButton->setChecked(state_.down);
        upButton->setChecked(!state_.down);
    }
    loading_ = false;
    updateButtons();
}

void SearchDialogWindow::store()
{
    if (loading_)
        return;
    state_.findText = findEdit->text();
    if (replaceEdit)
        state_.replaceText = replaceEdit->text();
    state_.wholeWord = wholeWordBox->isChecked();
    state_.matchCase = matchCaseBox->isChecked();
    if (downButton)
        state_.down = downButton->isChecked();
    updateButtons();
}

void SearchDialogWindow::updateButtons()
{
    // Nothing to look for: the buttons stay disabled, as the platform's do.
    const bool any = !findEdit->text().isEmpty();
    for (QPushButton *button : {findNextButton, replaceButton, replaceAllButton})
        if (button)
            button->setEnabled(any);
}

void SearchDialogWindow::press(SearchDialog::Button button)
{
    store();
    state_.press(button);
}

void showSearchDialogWindow(QWidget *parent, SearchDialog &state)
{
    auto *window = qobject_cast<SearchDialogWindow *>(state.window.data());
    if (!window) {
        window = new SearchDialogWindow(parent, state);
        state.window = window;
    } else {
        window->load();
    }
    window->show();
    window->raise();
    window->activateWindow();
    window->findEdit->setFocus();
}

}  // namespace platform
