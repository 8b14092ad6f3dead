#include "dialogs/PropertiesForm.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PropertiesForm::PropertiesForm(const std::vector<std::pair<QString, QString>> &rows, const QString &selectableLabel,
                               QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("propertiesForm"));
    setWindowTitle(tr("Properties"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft);
    for (const auto &[label, value] : rows) {
        // Values hold member and file names: never taken for markup.
        auto *valueLabel = new QLabel(value, this);
        valueLabel->setTextFormat(Qt::PlainText);
        valueLabel->setObjectName(QStringLiteral("value:") + label);
        if (label == selectableLabel) {
            valueLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            valueLabel->setWordWrap(true);
        }
        //: A property's name before its value; %1 is the name, e.g. "Path".
        auto *caption = new QLabel(tr("%1:").arg(label), this);
        caption->setTextFormat(Qt::PlainText);
        form->addRow(caption, valueLabel);
    }
    layout->addLayout(form);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    closeButton = buttons->button(QDialogButtonBox::Close);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}
