#pragma once
// The row of picture buttons at the top of the main window.

#include <QWidget>

class QToolButton;

class ToolbarPanel : public QWidget {
    Q_OBJECT
public:
    explicit ToolbarPanel(QWidget *parent = nullptr);

    // Adds a 38-pixel-wide button at `left` with a 32 x 32 picture.
    QToolButton *addButton(const QString &objectName, int left, const QString &iconPath, const QString &toolTip);

    static constexpr int PanelHeight = 38;
    static constexpr int ButtonWidth = 38;
};
