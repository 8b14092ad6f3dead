#pragma once
// The message window: a log of the engine's messages above the current file
// and its progress, with Ok and Cancel buttons.

#include "dialogs/ProgressDisplay.h"

#include <QWidget>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

class TMsgform : public QWidget {
    Q_OBJECT
public:
    explicit TMsgform(QWidget *parent = nullptr);

    QWidget *Panel2 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *DismissBut = nullptr;
    QPushButton *CancelBut = nullptr;
    QWidget *Panel3 = nullptr;
    QLabel *Panel4 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QLabel *Panel5 = nullptr;

    ProgressDisplay &progress() { return *progress_; }

    void clearLog();
    void appendLine(const QString &line);
    // One paragraph per line, in one go: far cheaper than line by line.
    void appendLines(const QStringList &lines);
    QStringList logLines() const;

    // As the status window's: true when a running operation took the request.
    std::function<bool()> OnCancelRequest;

public slots:
    void DismissButClick();
    void CancelButClick();

private:
    std::unique_ptr<ProgressDisplay> progress_;
};
