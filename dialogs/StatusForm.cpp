#include "dialogs/StatusForm.h"

#include "controls/WindowFit.h"

#include "platform/Palette.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {
QLabel *makeLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}
}  // namespace

TF_status::TF_status(QWidget *parent) : ProgressWindow(parent)
{
    fileLabel = makeLabel(tr("File:"), this);
    progressBar = new QProgressBar(this);
    cancelButton = new QPushButton(tr("&Cancel"), this);
    setObjectName(QStringLiteral("F_status"));
    setFont(platform::uiFont(11));
    setFixedSize(239, 113);
    fileLabel->setObjectName(QStringLiteral("fileLabel"));
    fileLabel->setGeometry(16, 12, 199, 17);
    window_fit::showsUsersData(*fileLabel);  // a member's name, cut as laid out
    progressBar->setObjectName(QStringLiteral("progressBar"));
    progressBar->setGeometry(16, 38, 200, 16);
    progressBar->setTextVisible(false);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setGeometry((239 - 60) / 2, 68, 60, 20);
    attachProgress();
}
