#include "dialogs/StatusForm.h"

#include "platform/Palette.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {
QLabel *makeLabel(QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("File:"), parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}
}  // namespace

TF_status::TF_status(QWidget *parent)
    : QWidget(parent, Qt::Window), Panel5(makeLabel(this)), ProgressBar1(new QProgressBar(this)),
      CancelBut(new QPushButton(QStringLiteral("&Cancel"), this)), progress_(Panel5, ProgressBar1)
{
    setObjectName(QStringLiteral("F_status"));
    setFont(platform::uiFont(11));
    setFixedSize(239, 113);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setGeometry(16, 12, 199, 17);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(16, 38, 200, 16);
    ProgressBar1->setTextVisible(false);
    CancelBut->setObjectName(QStringLiteral("CancelBut"));
    CancelBut->setGeometry((239 - 60) / 2, 68, 60, 20);
    connect(CancelBut, &QPushButton::clicked, this, &TF_status::CancelButClick);
}

void TF_status::CancelButClick()
{
    if (OnCancelRequest && OnCancelRequest())
        return;
    hide();
}
