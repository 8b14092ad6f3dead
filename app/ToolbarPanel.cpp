#include "app/ToolbarPanel.h"

#include <QIcon>
#include <QToolButton>

ToolbarPanel::ToolbarPanel(QWidget *parent) : QWidget(parent)
{
    setFixedHeight(PanelHeight);
    setAutoFillBackground(true);
}

QToolButton *ToolbarPanel::addButton(const QString &objectName, int left, const QString &iconPath,
                                     const QString &toolTip)
{
    auto *button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setGeometry(left, 0, ButtonWidth, PanelHeight);
    button->setIcon(QIcon(iconPath));
    button->setIconSize(QSize(32, 32));
    button->setToolTip(toolTip);
    button->setFocusPolicy(Qt::NoFocus);  // speed buttons never take the focus
    button->setAutoRaise(true);           // flat, raised only under the pointer
    return button;
}
