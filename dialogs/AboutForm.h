#pragma once
// The about box: the program's icon, name, maker and how to reach them.

#include <QDialog>

class QLabel;
class QPushButton;

class TF_About : public QDialog {
    Q_OBJECT
public:
    explicit TF_About(QWidget *parent = nullptr);

    QLabel *Image1 = nullptr;
    QLabel *Label17 = nullptr;   // product
    QLabel *Label15 = nullptr;   // maker
    QLabel *Label6 = nullptr;    // postal box
    QLabel *Label9 = nullptr;    // postal code and town
    QLabel *Label10 = nullptr;   // country
    QLabel *Label13 = nullptr;   // e-mail
    QPushButton *BitBtn1 = nullptr;

public slots:
    void BitBtn1Click();
};
