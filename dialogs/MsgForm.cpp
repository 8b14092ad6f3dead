#include "dialogs/MsgForm.h"

#include <QHBoxLayout>
#include "platform/Palette.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {
QLabel *sunkenPanel(const QString &text, QWidget *parent)
{
    auto *panel = new QLabel(text, parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    panel->setTextFormat(Qt::PlainText);
    return panel;
}
}  // namespace

TMsgform::TMsgform(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setFont(platform::uiFont(11));
    setObjectName(QStringLiteral("Msgform"));
    setWindowTitle(QStringLiteral("Status"));
    resize(445, 326);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setPlainText(QString());  // one empty line

    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(24);
    DismissBut = new QPushButton(QStringLiteral("&Ok"), Panel2);
    DismissBut->setObjectName(QStringLiteral("DismissBut"));
    DismissBut->setFixedSize(60, 20);
    CancelBut = new QPushButton(QStringLiteral("&Cancel"), Panel2);
    CancelBut->setObjectName(QStringLiteral("CancelBut"));
    CancelBut->setFixedSize(60, 20);
    auto *buttons = new QHBoxLayout(Panel2);
    buttons->setContentsMargins(0, 2, 0, 2);
    buttons->addStretch();
    buttons->addWidget(DismissBut);
    buttons->addSpacing(16);
    buttons->addWidget(CancelBut);
    buttons->addStretch();

    Panel3 = new QWidget(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFixedHeight(22);
    Panel5 = sunkenPanel(QStringLiteral("File:"), Panel3);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Panel5->setFixedWidth(183);
    Panel4 = sunkenPanel(QStringLiteral("Exctracting files:"), Panel3);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setFixedWidth(93);
    Panel4->setFont(platform::uiFont(10));  // the fixed text must fit its 93 pixels
    ProgressBar1 = new QProgressBar(Panel3);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setFixedWidth(154);
    ProgressBar1->setTextVisible(false);
    auto *progressLine = new QHBoxLayout(Panel3);
    progressLine->setContentsMargins(1, 1, 1, 1);
    progressLine->setSpacing(2);
    progressLine->addWidget(Panel5);
    progressLine->addStretch();
    progressLine->addWidget(Panel4);
    progressLine->addWidget(ProgressBar1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Memo1, 1);
    layout->addWidget(Panel2);
    layout->addWidget(Panel3);

    progress_ = std::make_unique<ProgressDisplay>(Panel5, ProgressBar1);
    connect(DismissBut, &QPushButton::clicked, this, &TMsgform::DismissButClick);
    connect(CancelBut, &QPushButton::clicked, this, &TMsgform::CancelButClick);
}

void TMsgform::clearLog()
{
    Memo1->clear();
}

void TMsgform::appendLine(const QString &line)
{
    Memo1->appendPlainText(line);
}

void TMsgform::appendLines(const QStringList &lines)
{
    if (!lines.isEmpty())
        Memo1->appendPlainText(lines.join(QLatin1Char('\n')));
}

QStringList TMsgform::logLines() const
{
    QStringList lines;
    for (QTextBlock block = Memo1->document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines;
}

void TMsgform::DismissButClick()
{
    hide();
}

void TMsgform::CancelButClick()
{
    if (OnCancelRequest && OnCancelRequest())
        return;
    hide();
}
