#include "dialogs/HelpWindow.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QUrl &manual, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(tr("Orvex 97 Help"));
    resize(640, 560);
    browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("helpBrowser"));
    // Every link comes to followLink: the browser alone would try to show a
    // web page itself.
    browser->setOpenLinks(false);
    browser->setSource(manual);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    OnOpenExternal = [](const QUrl &link) { QDesktopServices::openUrl(link); };
    connect(browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
}

void HelpWindow::showHelp()
{
    show();
    raise();
    activateWindow();
}

void HelpWindow::followLink(const QUrl &link)
{
    const QUrl target = browser->source().resolved(link);
    const bool inManual = target.scheme() == QLatin1String("qrc") || target.isLocalFile();
    if (!inManual) {
        if (OnOpenExternal)
            OnOpenExternal(target);
        return;
    }
    // An anchor of the page shown scrolls to it without reading the page again.
    browser->setSource(target);
}

void HelpWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
