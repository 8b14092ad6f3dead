#include "dialogs/OpenWithDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

OpenWithDialog::OpenWithDialog(QWidget *parent, const QString &memberName,
                               std::vector<platform::DesktopApplication> applications)
    : QDialog(parent), applications_(std::move(applications))
{
    setWindowTitle(tr("Open with"));
    auto *layout = new QVBoxLayout(this);
    //: %1 is the name of an archive member.
    auto *heading = new QLabel(tr("Open \"%1\" with:").arg(memberName), this);
    heading->setTextFormat(Qt::PlainText);  // a member's name is no markup
    layout->addWidget(heading);
    applicationList = new QListWidget(this);
    applicationList->setObjectName(QStringLiteral("applicationList"));
    for (size_t i = 0; i < applications_.size(); ++i)
        //: %1 is the name of the desktop's default application for the file.
        applicationList->addItem(applications_[i].isDefault ? tr("%1 (default)").arg(applications_[i].name)
                                                            : applications_[i].name);
    if (!applications_.empty())
        applicationList->setCurrentRow(0);
    layout->addWidget(applicationList);
    layout->addWidget(new QLabel(tr("Or a command (%f stands for the file):"), this));
    commandEdit = new QLineEdit(this);
    commandEdit->setObjectName(QStringLiteral("commandEdit"));
    layout->addWidget(commandEdit);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(applicationList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    // A command typed is the choice: the list's selection no longer is.
    connect(commandEdit, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (!text.trimmed().isEmpty())
            applicationList->clearSelection();
    });
    resize(360, 320);
}

QString OpenWithDialog::choice() const
{
    if (const QString typed = commandEdit->text().trimmed(); !typed.isEmpty())
        return typed;
    const int row = applicationList->currentRow();
    if (row < 0 || size_t(row) >= applications_.size() || applicationList->selectedItems().isEmpty())
        return {};
    return applications_[size_t(row)].exec;
}

QString OpenWithDialog::choose(QWidget *parent, const QString &memberName,
                               const std::vector<platform::DesktopApplication> &applications)
{
    OpenWithDialog dialog(parent, memberName, applications);
    return dialog.exec() == QDialog::Accepted ? dialog.choice() : QString();
}
