#include "WindowGallery.h"

#include "app/Application.h"
#include "app/BatchRun.h"
#include "app/Mainform.h"
#include "app/PropertiesCommand.h"
#include "app/WriteLimits.h"
#include "dialogs/AboutForm.h"
#include "dialogs/AddForm.h"
#include "dialogs/CommentForm.h"
#include "dialogs/CompressForm.h"
#include "dialogs/EditForm.h"
#include "dialogs/ExtractForm.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/MsgForm.h"
#include "dialogs/OpenWithDialog.h"
#include "dialogs/PropertiesForm.h"
#include "dialogs/StatusForm.h"
#include "platform/DesktopApplications.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

void show(QWidget &window, const QString &name, const std::function<void(const QString &, QWidget &)> &visit)
{
    window.show();
    QApplication::processEvents();
    visit(name, window);
    window.hide();
}

}  // namespace

void visitEveryWindow(ApplicationWindows &windows,
                      const std::function<void(const QString &name, QWidget &window)> &visit)
{
    TMainform &main = *windows.Mainform;
    show(main, QStringLiteral("main window"), visit);
    main.menuAction(QStringLiteral("foldersViewAction"))->trigger();
    main.filterCommand();
    show(main, QStringLiteral("main window as folders, filtering"), visit);
    main.findChild<QLineEdit *>(QStringLiteral("filterField"))->clear();
    main.menuAction(QStringLiteral("flatViewAction"))->trigger();

    PropertiesForm properties(archive_properties::rows(orvex::summarizeArchive(main.session().engine), QLocale()),
                              archive_properties::pathLabel(), &main);
    show(properties, QStringLiteral("properties"), visit);
    CommentForm comment(QStringLiteral("sample.zip"), QStringLiteral("A comment\n"), QString(), true, &main);
    show(comment, QStringLiteral("archive comment"), visit);
    CompressForm compress(BatchRun::writtenSuffixes(), {QStringLiteral("zip")}, &main);
    show(compress, QStringLiteral("compress"), visit);

    show(*windows.F_status, QStringLiteral("status"), visit);
    show(*windows.Msgform, QStringLiteral("messages"), visit);
    show(*windows.F_About, QStringLiteral("about"), visit);
    main.helpContentsCommand();
    if (auto *help = main.findChild<HelpWindow *>())
        show(*help, QStringLiteral("help"), visit);

    platform::DesktopApplication editor;
    editor.name = QStringLiteral("Text Editor");
    editor.exec = QStringLiteral("editor %f");
    OpenWithDialog openWith(nullptr, QStringLiteral("docs/readme.txt"), {editor});
    show(openWith, QStringLiteral("open with"), visit);

    TF_Editform &edit = *windows.F_Editform;
    edit.textEdit->setPlainText(QStringLiteral("text"));
    show(edit, QStringLiteral("editor"), visit);
    edit.show();
    edit.findDialog.findText = QStringLiteral("absent");
    edit.findText();
    if (QWidget *find = edit.findDialog.window)
        show(*find, QStringLiteral("find"), visit);
    edit.hide();

    TAddForm &add = *windows.AddForm;
    show(add, QStringLiteral("add"), visit);
    add.startFor(
        QStringLiteral("backup.tar.zst"),
        write_limits::limitsFor({.format = "tar.zst", .encryption = false, .dosNames = false, .archiveTime = true}));
    show(add, QStringLiteral("add, tar.zst"), visit);
    show(*windows.Extract, QStringLiteral("extract"), visit);
}
