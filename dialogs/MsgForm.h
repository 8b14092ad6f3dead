#pragma once
// The message window: a log of the engine's messages above the current file
// and its progress, with Ok and Cancel buttons.

#include "dialogs/ProgressWindow.h"

class QPlainTextEdit;

class TMsgform : public ProgressWindow {
    Q_OBJECT
public:
    explicit TMsgform(QWidget *parent = nullptr);

    QWidget *buttonStrip = nullptr;
    QPlainTextEdit *logView = nullptr;
    QPushButton *dismissButton = nullptr;
    QWidget *progressStrip = nullptr;
    QLabel *operationLabel = nullptr;

    void clearLog();
    void appendLine(const QString &line);
    // One paragraph per line, in one go: far cheaper than line by line.
    void appendLines(const QStringList &lines);
    QStringList logLines() const;

public slots:
    void dismissClicked();

protected:
    // Escape hides the window, as Ok does: it holds the log, not an operation.
    void keyPressEvent(QKeyEvent *event) override;
};
