#include "dialogs/AboutForm.h"

#include "platform/Palette.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

TF_About::TF_About(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("F_About"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(435, 144);
    setModal(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(12, 12, 32, 32);
    Image1->setPixmap(QIcon(QStringLiteral(":/icons/orvex97.svg")).pixmap(32, 32));

    auto line = [this](const char *name, const QString &text, int y, int height) {
        auto *label = new QLabel(text, this);
        label->setObjectName(QString::fromLatin1(name));
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(60, y, 360, height);
        return label;
    };
    Label17 = line("Label17", QStringLiteral("Orvex 97 for Linux, Desktop Edition 1.0"), 8, 20);
    QFont product = platform::sansSerifFont(16);
    product.setBold(true);
    Label17->setFont(product);
    Label15 = line("Label15", QStringLiteral("Tolvane Software"), 30, 24);
    QFont maker = platform::sansSerifFont(19);
    maker.setBold(true);
    maker.setItalic(true);
    Label15->setFont(maker);
    Label6 = line("Label6", QStringLiteral("P.O. Box 97"), 58, 15);
    Label9 = line("Label9", QStringLiteral("4097 Tolvik"), 73, 15);
    Label10 = line("Label10", QStringLiteral("Norway"), 88, 15);
    Label13 = line("Label13", QStringLiteral("E-mail: support@tolvane.example"), 103, 15);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("&OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(435 - 12 - 75, 144 - 12 - 25, 75, 25);
    BitBtn1->setDefault(true);
    BitBtn1->setAutoDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TF_About::BitBtn1Click);
}

void TF_About::BitBtn1Click()
{
    accept();
}
