#pragma once
// Open with…: the applications the desktop has for a member's type, the
// default first, and a field for a command of the user's own. Shown through
// the prompts (platform::setApplicationChooser), so that tests answer it.

#include "platform/DesktopApplications.h"

#include <QDialog>
#include <QString>
#include <vector>

class QLineEdit;
class QListWidget;

class OpenWithDialog : public QDialog {
    Q_OBJECT
public:
    OpenWithDialog(QWidget *parent, const QString &memberName, std::vector<platform::DesktopApplication> applications);

    // The chosen application's Exec line, or the command typed; empty when
    // none is chosen.
    QString choice() const;

    // Shows the dialog modally; the choice, or empty when cancelled.
    static QString choose(QWidget *parent, const QString &memberName,
                          const std::vector<platform::DesktopApplication> &applications);

    QListWidget *applicationList = nullptr;
    QLineEdit *commandEdit = nullptr;

private:
    std::vector<platform::DesktopApplication> applications_;
};
