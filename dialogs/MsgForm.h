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

    QWidget *buttonStrip = nullptr;
    QPlainTextEdit *logView = nullptr;
    QPushButton *dismissButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QWidget *progressStrip = nullptr;
    QLabel *operationLabel = nullptr;
    QProgressBar *progressBar = nullptr;
    QLabel *fileLabel = nullptr;

    ProgressDisplay &progress() { return *progress_; }

    void clearLog();
    void appendLine(const QString &line);
    // One paragraph per line, in one go: far cheaper than line by line.
    void appendLines(const QStringList &lines);
    QStringList logLines() const;

    // As the status window's: true when a running operation took the request.
    std::function<bool()> OnCancelRequest;

public slots:
    void dismissClicked();
    void cancelClicked();

private:
    std::unique_ptr<ProgressDisplay> progress_;
};
