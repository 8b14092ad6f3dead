#include "dialogs/CommentForm.h"

#include "platform/Prompts.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

CommentForm::CommentForm(const QString &archiveName, const QString &comment, const QString &note, bool editable,
                         QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CommentForm"));
    //: Window title; %1 is the archive's file name.
    setWindowTitle(tr("Archive comment - %1").arg(archiveName));
    auto *layout = new QVBoxLayout(this);
    commentEdit = new QPlainTextEdit(this);
    commentEdit->setObjectName(QStringLiteral("commentEdit"));
    commentEdit->setAccessibleName(tr("Archive comment"));
    // Comments are often laid out in columns for a fixed-width screen.
    commentEdit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    commentEdit->setPlainText(comment);
    commentEdit->setReadOnly(!editable);
    commentEdit->setTabChangesFocus(true);
    commentEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(commentEdit, 1);
    noteLabel = new QLabel(note, this);
    noteLabel->setObjectName(QStringLiteral("commentNote"));
    noteLabel->setWordWrap(true);
    noteLabel->setTextFormat(Qt::PlainText);
    layout->addWidget(noteLabel);
    buttons = new QDialogButtonBox(editable ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel : QDialogButtonBox::Close,
                                   this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(480, 300);
}

void CommentForm::accept()
{
    if (refusal) {
        const QString why = refusal(text());
        if (!why.isEmpty()) {
            platform::warningBox(this, why);
            commentEdit->setFocus();
            return;
        }
    }
    QDialog::accept();
}

QString CommentForm::text() const
{
    return commentEdit->toPlainText();
}
