#pragma once
// File > Properties…: the current archive's facts, one read-only line each,
// as the caller worded them; the path can be selected and copied.

#include <QDialog>
#include <QString>
#include <utility>
#include <vector>

class QPushButton;

class PropertiesForm : public QDialog {
    Q_OBJECT
public:
    // Each row is a label and its value; the row labelled `selectableLabel`
    // (the path) can be selected with the mouse and the keyboard.
    PropertiesForm(const std::vector<std::pair<QString, QString>> &rows, const QString &selectableLabel,
                   QWidget *parent = nullptr);

    QPushButton *closeButton = nullptr;
};
