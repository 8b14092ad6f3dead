#pragma once
// A framed group of radio buttons, one per item, of which exactly one is on.

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString &caption, const QStringList &items, QWidget *parent = nullptr);

    // The index of the item that is on.
    int ItemIndex() const;
    void setItemIndex(int index);
    QRadioButton *button(int index) const;
    int count() const { return int(buttons_.size()); }

private:
    QList<QRadioButton *> buttons_;
    QButtonGroup *group_ = nullptr;
};
