#pragma once
// The about box: the program's icon, name, maker and how to reach them.

#include <QDialog>

class QLabel;
class QPushButton;

class TF_About : public QDialog {
    Q_OBJECT
public:
    explicit TF_About(QWidget *parent = nullptr);

    QLabel *iconLabel = nullptr;
    QLabel *productLabel = nullptr;    // product
    QLabel *makerLabel = nullptr;      // maker
    QLabel *postalBoxLabel = nullptr;  // postal box
    QLabel *townLabel = nullptr;       // postal code and town
    QLabel *countryLabel = nullptr;    // country
    QLabel *emailLabel = nullptr;      // e-mail
    QPushButton *okButton = nullptr;

public slots:
    void okClicked();
};
