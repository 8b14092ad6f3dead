#include "dialogs/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString &caption, const QStringList &items, QWidget *parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        group_->addButton(button, i);
        layout->addWidget(button);
        buttons_.append(button);
    }
    setItemIndex(0);
}

int RadioGroup::ItemIndex() const
{
    return group_->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QRadioButton *chosen = button(index))
        chosen->setChecked(true);
}

QRadioButton *RadioGroup::button(int index) const
{
    return index >= 0 && index < buttons_.size() ? buttons_[index] : nullptr;
}
