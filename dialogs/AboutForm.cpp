#include "dialogs/AboutForm.h"

#include "platform/Palette.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

TF_About::TF_About(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("F_About"));
    setWindowTitle(tr("About"));
    setFixedSize(435, 144);
    setModal(true);

    iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("iconLabel"));
    iconLabel->setGeometry(12, 12, 32, 32);
    iconLabel->setPixmap(QIcon(QStringLiteral(":/icons/orvex97.svg")).pixmap(32, 32));

    auto line = [this](const char *name, const QString &text, int y, int height) {
        auto *label = new QLabel(text, this);
        label->setObjectName(QString::fromLatin1(name));
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(60, y, 360, height);
        return label;
    };
    //: The product's name and edition; "Orvex 97" is a name.
    productLabel = line("productLabel", tr("Orvex 97 for Linux, Desktop Edition 1.0"), 8, 20);
    QFont product = platform::sansSerifFont(16);
    product.setBold(true);
    productLabel->setFont(product);
    makerLabel = line("makerLabel", QStringLiteral("Tolvane Software"), 30, 24);
    QFont maker = platform::sansSerifFont(19);
    maker.setBold(true);
    maker.setItalic(true);
    makerLabel->setFont(maker);
    postalBoxLabel = line("postalBoxLabel", QStringLiteral("P.O. Box 97"), 58, 15);
    townLabel = line("townLabel", QStringLiteral("4097 Tolvik"), 73, 15);
    //: The country of the maker's postal address.
    countryLabel = line("countryLabel", tr("Norway"), 88, 15);
    emailLabel = line("emailLabel", tr("E-mail: %1").arg(QStringLiteral("support@tolvane.example")), 103, 15);

    okButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("&OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(435 - 12 - 75, 144 - 12 - 25, 75, 25);
    okButton->setDefault(true);
    okButton->setAutoDefault(true);
    connect(okButton, &QPushButton::clicked, this, &TF_About::okClicked);
}

void TF_About::okClicked()
{
    accept();
}
