#pragma once
// View > Archive comment…: the comment as plain text, editable when the
// archive can take a new one.

#include <QDialog>
#include <QString>
#include <functional>

class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;

class CommentForm : public QDialog {
    Q_OBJECT
public:
    // `note` says where the comment comes from, or why it cannot be changed.
    CommentForm(const QString &archiveName, const QString &comment, const QString &note, bool editable,
                QWidget *parent = nullptr);

    QString text() const;

    // Set: OK asks it first, and a text it refuses (the reason returned)
    // stays in the window with the reason in a box, so no typing is lost.
    std::function<QString(const QString &text)> refusal;
    void accept() override;

    QPlainTextEdit *commentEdit = nullptr;
    QLabel *noteLabel = nullptr;
    QDialogButtonBox *buttons = nullptr;
};
