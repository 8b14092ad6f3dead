#pragma once
// The manual in a window of its own, beside the main window and not modal:
// pages and anchors of the manual open in it, links elsewhere in the
// desktop's browser.

#include <QUrl>
#include <QWidget>
#include <functional>

class QTextBrowser;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // `manual` is the manual's first page.
    explicit HelpWindow(const QUrl &manual, QWidget *parent = nullptr);

    QTextBrowser *browser = nullptr;

    // Opens a link that leads out of the manual; the desktop's handler by
    // default.
    std::function<void(const QUrl &)> OnOpenExternal;

    // Shows the window, in front, with the page it was left on.
    void showHelp();

public slots:
    void followLink(const QUrl &link);

protected:
    // Escape closes the window, as its close button does.
    void keyPressEvent(QKeyEvent *event) override;
};
