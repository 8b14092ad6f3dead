#pragma once
// What "Compress…" from a file manager asks before it makes an archive: its
// name (beside the files by default), its format, the compression level and,
// for a format that encrypts, a password.

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;

struct CompressChoices {
    bool DialogCancelled = true;
    QString archive;  // the full path typed or chosen
    int level = 9;    // 0 stores, 9 compresses most
    QString password;
};

class CompressForm : public QDialog {
    Q_OBJECT
public:
    // `suffixes`: the formats offered, ZIP's "zip" first; `encrypting`: those
    // of them a password can encrypt.
    CompressForm(const QStringList &suffixes, const QStringList &encrypting, QWidget *parent = nullptr);

    // Opens on `archive` (its suffix chooses the format) and waits for OK or Cancel.
    CompressChoices ask(const QString &archive);

    QLineEdit *nameEdit = nullptr;
    QPushButton *browseButton = nullptr;
    QComboBox *formatBox = nullptr;
    QComboBox *levelBox = nullptr;
    QLineEdit *passwordEdit = nullptr;
    QLineEdit *confirmEdit = nullptr;
    QDialogButtonBox *buttons = nullptr;

    void accept() override;

private:
    void formatChosen();
    void browse();
    // The suffix of `name` among those offered; empty for none.
    QString suffixOf(const QString &name) const;

    QStringList suffixes_;
    QStringList encrypting_;
};
