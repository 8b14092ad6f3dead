#include "dialogs/MsgForm.h"

#include "controls/WindowFit.h"

#include "platform/Palette.h"
#include <QHBoxLayout>
#include <QKeyEvent>
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

TMsgform::TMsgform(QWidget *parent) : ProgressWindow(parent)
{
    setFont(platform::uiFont(11));
    setObjectName(QStringLiteral("Msgform"));
    setWindowTitle(tr("Status"));
    resize(445, 326);

    logView = new QPlainTextEdit(this);
    logView->setObjectName(QStringLiteral("logView"));
    logView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    logView->setPlainText(QString());  // one empty line

    buttonStrip = new QWidget(this);
    buttonStrip->setObjectName(QStringLiteral("buttonStrip"));
    buttonStrip->setFixedHeight(24);
    dismissButton = new QPushButton(tr("&Ok"), buttonStrip);
    dismissButton->setObjectName(QStringLiteral("dismissButton"));
    dismissButton->setFixedSize(60, 20);
    cancelButton = new QPushButton(tr("&Cancel"), buttonStrip);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    cancelButton->setFixedSize(60, 20);
    auto *buttons = new QHBoxLayout(buttonStrip);
    buttons->setContentsMargins(0, 2, 0, 2);
    buttons->addStretch();
    buttons->addWidget(dismissButton);
    buttons->addSpacing(16);
    buttons->addWidget(cancelButton);
    buttons->addStretch();

    progressStrip = new QWidget(this);
    progressStrip->setObjectName(QStringLiteral("progressStrip"));
    progressStrip->setFixedHeight(22);
    fileLabel = sunkenPanel(tr("File:"), progressStrip);
    fileLabel->setObjectName(QStringLiteral("fileLabel"));
    fileLabel->setFixedWidth(183);
    window_fit::showsUsersData(*fileLabel);  // a member's name, cut as laid out
    //: The misspelling is the program's own; the panel is 93 pixels wide, so keep it short.
    operationLabel = sunkenPanel(tr("Exctracting files:"), progressStrip);
    operationLabel->setObjectName(QStringLiteral("operationLabel"));
    operationLabel->setFixedWidth(93);
    operationLabel->setFont(platform::uiFont(10));  // the fixed text must fit its 93 pixels
    progressBar = new QProgressBar(progressStrip);
    progressBar->setObjectName(QStringLiteral("progressBar"));
    progressBar->setFixedWidth(154);
    progressBar->setTextVisible(false);
    auto *progressLine = new QHBoxLayout(progressStrip);
    progressLine->setContentsMargins(1, 1, 1, 1);
    progressLine->setSpacing(2);
    progressLine->addWidget(fileLabel);
    progressLine->addStretch();
    progressLine->addWidget(operationLabel);
    progressLine->addWidget(progressBar);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(logView, 1);
    layout->addWidget(buttonStrip);
    layout->addWidget(progressStrip);

    attachProgress();
    connect(dismissButton, &QPushButton::clicked, this, &TMsgform::dismissClicked);
}

void TMsgform::clearLog()
{
    logView->clear();
}

void TMsgform::appendLine(const QString &line)
{
    logView->appendPlainText(line);
}

void TMsgform::appendLines(const QStringList &lines)
{
    if (!lines.isEmpty())
        logView->appendPlainText(lines.join(QLatin1Char('\n')));
}

QStringList TMsgform::logLines() const
{
    QStringList lines;
    for (QTextBlock block = logView->document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines;
}

void TMsgform::dismissClicked()
{
    hide();
}

void TMsgform::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        dismissClicked();
        return;
    }
    QWidget::keyPressEvent(event);
}
