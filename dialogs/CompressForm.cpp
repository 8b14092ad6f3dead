#include "dialogs/CompressForm.h"

#include "platform/Prompts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const struct {
    const char *text;
    int level;
} Levels[] = {{QT_TRANSLATE_NOOP("CompressForm", "Store only"), 0},
              {QT_TRANSLATE_NOOP("CompressForm", "Fastest"), 1},
              {QT_TRANSLATE_NOOP("CompressForm", "Normal"), 6},
              {QT_TRANSLATE_NOOP("CompressForm", "Smallest"), 9}};

}  // namespace

CompressForm::CompressForm(const QStringList &suffixes, const QStringList &encrypting, QWidget *parent)
    : QDialog(parent), suffixes_(suffixes), encrypting_(encrypting)
{
    setObjectName(QStringLiteral("CompressForm"));
    setWindowTitle(tr("Compress"));
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);

    auto *nameRow = new QHBoxLayout;
    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName(QStringLiteral("archiveNameEdit"));
    nameEdit->setMinimumWidth(360);
    browseButton = new QPushButton(tr("&Browse…"), this);
    nameRow->addWidget(nameEdit, 1);
    nameRow->addWidget(browseButton);
    // A row holding a layout gets no buddy of its own: without one the
    // label would show its '&'.
    auto *nameLabel = new QLabel(tr("&Archive:"), this);
    nameLabel->setBuddy(nameEdit);
    form->addRow(nameLabel, nameRow);

    formatBox = new QComboBox(this);
    formatBox->setObjectName(QStringLiteral("formatBox"));
    for (const QString &suffix : suffixes_)
        formatBox->addItem(QLatin1Char('.') + suffix, suffix);
    form->addRow(tr("&Format:"), formatBox);

    levelBox = new QComboBox(this);
    levelBox->setObjectName(QStringLiteral("levelBox"));
    for (const auto &level : Levels)
        levelBox->addItem(QCoreApplication::translate("CompressForm", level.text), level.level);
    levelBox->setCurrentIndex(levelBox->count() - 1);
    form->addRow(tr("Compression &level:"), levelBox);

    passwordEdit = new QLineEdit(this);
    passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    passwordEdit->setEchoMode(QLineEdit::Password);
    form->addRow(tr("&Password:"), passwordEdit);
    confirmEdit = new QLineEdit(this);
    confirmEdit->setObjectName(QStringLiteral("confirmEdit"));
    confirmEdit->setEchoMode(QLineEdit::Password);
    form->addRow(tr("&Confirm password:"), confirmEdit);

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(formatBox, &QComboBox::currentIndexChanged, this, &CompressForm::formatChosen);
    connect(browseButton, &QPushButton::clicked, this, &CompressForm::browse);
    connect(nameEdit, &QLineEdit::textEdited, this, [this](const QString &name) {
        // A suffix typed chooses the format, as the name decides it in the end.
        const int typed = formatBox->findData(suffixOf(name));
        if (typed >= 0) {
            const QSignalBlocker quiet(formatBox);
            formatBox->setCurrentIndex(typed);
        }
        passwordEdit->setEnabled(encrypting_.contains(formatBox->currentData().toString()));
        confirmEdit->setEnabled(passwordEdit->isEnabled());
    });
}

QString CompressForm::suffixOf(const QString &name) const
{
    QString found;
    for (const QString &suffix : suffixes_)
        if (name.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive) && suffix.size() > found.size())
            found = suffix;
    return found;
}

CompressChoices CompressForm::ask(const QString &archive)
{
    nameEdit->setText(archive);
    const int format = formatBox->findData(suffixOf(archive));
    formatBox->setCurrentIndex(std::max(format, 0));
    formatChosen();
    passwordEdit->clear();
    confirmEdit->clear();
    nameEdit->setFocus();
    // The name without its folder and suffix is what the user most often changes.
    const QString name = QFileInfo(archive).fileName();
    nameEdit->setSelection(int(archive.size() - name.size()), int(name.size() - suffixOf(name).size() - 1));
    CompressChoices choices;
    if (exec() != QDialog::Accepted)
        return choices;
    choices.DialogCancelled = false;
    choices.archive = nameEdit->text().trimmed();
    // A name without a suffix we write takes the format chosen.
    if (suffixOf(choices.archive).isEmpty())
        choices.archive += QLatin1Char('.') + formatBox->currentData().toString();
    choices.level = levelBox->currentData().toInt();
    if (passwordEdit->isEnabled())
        choices.password = passwordEdit->text();
    return choices;
}

void CompressForm::formatChosen()
{
    const QString suffix = formatBox->currentData().toString();
    QString name = nameEdit->text();
    const QString old = suffixOf(name);
    if (!old.isEmpty())
        name.chop(old.size() + 1);
    nameEdit->setText(name + QLatin1Char('.') + suffix);
    passwordEdit->setEnabled(encrypting_.contains(suffix));
    confirmEdit->setEnabled(passwordEdit->isEnabled());
}

void CompressForm::browse()
{
    platform::FileDialogOptions options;
    options.title = tr("Compress to");
    options.fileName = nameEdit->text();
    options.directory = QFileInfo(nameEdit->text()).absolutePath();
    // Replacing an existing archive is asked once, when it is made.
    options.confirmOverwrite = false;
    const QString chosen = platform::prompts().saveFileName(this, options);
    if (chosen.isEmpty())
        return;
    nameEdit->setText(chosen);
    Q_EMIT nameEdit->textEdited(chosen);
}

void CompressForm::accept()
{
    const QString name = nameEdit->text().trimmed();
    QString refusal;
    if (name.isEmpty() || QFileInfo(name).fileName().isEmpty())
        refusal = tr("Give the archive a name.");
    else if (!QFileInfo(name).isAbsolute())
        refusal = tr("Give the archive's whole path, starting with /.");
    else if (QFileInfo(name).isDir())
        //: %1 is the path typed for the archive.
        refusal = tr("%1 is a folder.").arg(name);
    else if (passwordEdit->isEnabled() && passwordEdit->text() != confirmEdit->text())
        refusal = tr("The two passwords differ.");
    if (!refusal.isEmpty()) {
        platform::warningBox(this, refusal);
        return;
    }
    QDialog::accept();
}
