// Renders the main window offscreen, empty and listing an archive.
#include "TestApplication.h"
#include "app/Application.h"
#include "app/BatchRun.h"
#include "app/Mainform.h"
#include "app/OperationFrame.h"
#include "controls/CaptionHost.h"
#include "controls/GradCaption.h"
#include "controls/SortableGrid.h"
#include "dialogs/AboutForm.h"
#include "dialogs/AddForm.h"
#include "dialogs/CommentForm.h"
#include "dialogs/CompressForm.h"
#include "dialogs/EditForm.h"
#include "dialogs/EditorCaptions.h"
#include "dialogs/ExtractForm.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/MsgForm.h"
#include "dialogs/OpenWithDialog.h"
#include "dialogs/PropertiesForm.h"
#include "dialogs/StatusForm.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>

#include "app/PasswordQuestion.h"
#include "app/PropertiesCommand.h"
#include "app/RecentArchives.h"
#include "app/WriteLimits.h"
#include "platform/Prompts.h"
#include "platform/Translations.h"
#include "support/ArchiveBuilder.h"

#include <QInputDialog>
#include <QLibraryInfo>
#include <QTimer>
#include <fstream>
#include <functional>

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

static void save(QWidget &window, const QString &path, bool active = true)
{
    window.show();
    QApplication::processEvents();
    if (!renderWithCaption(&window, active).save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// A folder of a few files for the add dialog to show.
static QString addDialogFolder()
{
    const QString base = QDir::temp().filePath(QStringLiteral("orvex97-screenshots"));
    QDir(base).removeRecursively();
    const QString docs = base + QStringLiteral("/Documents");
    QDir().mkpath(docs + QStringLiteral("/letters"));
    QDir().mkpath(docs + QStringLiteral("/photos"));
    for (const char *name : {"budget.ods", "notes.txt", "report.pdf", "summary.txt"}) {
        QFile file(docs + QLatin1Char('/') + QLatin1String(name));
        file.open(QIODevice::WriteOnly);
    }
    return docs;
}

// The add dialog with a few files and a folder collected from `docs`.
static void collectForAdding(TAddForm &add, const QString &docs)
{
    add.show();
    for (int row : {0, 2})
        add.fileList->item(row)->setSelected(true);
    add.addFilesButton->click();
    add.setDirectory(docs + QStringLiteral("/letters"));
    add.addDirectoryButton->click();
    add.setDirectory(docs);
    add.fileList->item(3)->setSelected(true);
    add.addFilesButton->click();
    add.dirNamesBox->click();
    add.levelSlider->setValue(6);
}

// Saves the picture of the message box that `ask` shows.
static void saveQuestion(const QString &path, const std::function<void()> &ask)
{
    platform::setPromptHandler(nullptr);
    QTimer::singleShot(0, [path] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return;
        if (!renderWithCaption(box, true).save(path))
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        static_cast<QDialog *>(box)->reject();
    });
    ask();
}

// The main window, the add dialog and a question in `language`, laid out as
// that language runs.
static int languagePictures(const QDir &out, const QString &sample, const QString &language)
{
    const QString catalogues = QCoreApplication::applicationDirPath() + QStringLiteral("/../translations");
    if (!platform::installCatalogue(*qApp,
                                    catalogues + QStringLiteral("/orvex97_") + language + QStringLiteral(".qm"))) {
        std::fprintf(stderr, "no catalogue for %s in %s\n", qPrintable(language), qPrintable(catalogues));
        return 1;
    }
    platform::installCatalogue(*qApp, QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_")
                                          + language + QStringLiteral(".qm"));
    // Dates and numbers as a desktop in that language shows them.
    QLocale::setDefault(QLocale(language));
    QGuiApplication::setLayoutDirection(QLocale(language).textDirection());
    const QString suffix = QLatin1Char('-') + language + QStringLiteral(".png");
    TMainform listing{QStringList{sample}};
    listing.applyCommandLineArchive();
    save(listing, out.filePath(QStringLiteral("main-window") + suffix));
    TSortableGrid &grid = *listing.listingGrid;
    grid.clearSelection();
    for (int row : {0, 3})
        grid.selectionModel()->select(grid.model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    saveQuestion(out.filePath(QStringLiteral("delete-confirmation") + suffix), [&] { listing.deleteMembersCommand(); });
    const QString docs = addDialogFolder();
    TAddForm add([] { return QList<platform::Volume>{{QStringLiteral("/"), QStringLiteral("/")}}; }, docs);
    collectForAdding(add, docs);
    save(add, out.filePath(QStringLiteral("add-dialog") + suffix));
    QDir(QFileInfo(docs).path()).removeRecursively();
    return 0;
}

int main(int argc, char **argv)
{
    useOwnSettingsFolder();
    OrvexApplication application(argc, argv);
    setUpApplication(application);
    if (argc < 3) {
        std::fprintf(stderr, "usage: orvex_screenshots OUTPUT_DIR SAMPLE_ARCHIVE [LANGUAGE]\n");
        return 2;
    }
    // A common regional setting, so that the pictures do not depend on the machine's.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (argc > 3)
        return languagePictures(out, QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    {
        TMainform empty{QStringList{}};
        empty.applyCommandLineArchive();
        save(empty, out.filePath(QStringLiteral("main-window-empty.png")));
    }
    {
        TMainform listing{QStringList{QString::fromLocal8Bit(argv[2])}};
        listing.applyCommandLineArchive();
        save(listing, out.filePath(QStringLiteral("main-window.png")));
        save(listing, out.filePath(QStringLiteral("main-window-inactive.png")), false);
        // File > Properties… for the sample archive.
        PropertiesForm properties(
            archive_properties::rows(orvex::summarizeArchive(listing.session().engine), QLocale()),
            archive_properties::pathLabel(), &listing);
        save(properties, out.filePath(QStringLiteral("properties.png")));
        // View > Archive comment…, as an archive from a BBS might carry it.
        CommentForm comment(QStringLiteral("sample.zip"),
                            QStringLiteral("Orvex 97 sample archive\n"
                                           "-----------------------\n"
                                           "docs/    the manual\n"
                                           "src/     example sources\n"),
                            QStringLiteral("Read as UTF-8, or else in the code page of the members' names; "
                                           "a changed comment is written as UTF-8."),
                            true, &listing);
        save(comment, out.filePath(QStringLiteral("archive-comment.png")));
        // Compress… from a file manager's menu.
        CompressForm compress(BatchRun::writtenSuffixes(), {QStringLiteral("zip")}, &listing);
        compress.nameEdit->setText(QStringLiteral("/home/ann/Downloads/holiday.zip"));
        save(compress, out.filePath(QStringLiteral("compress-dialog.png")));
    }
    {
        // View > As folders, inside docs/; then a filter over the flat list.
        TMainform listing{QStringList{QString::fromLocal8Bit(argv[2])}};
        listing.applyCommandLineArchive();
        listing.menuAction(QStringLiteral("foldersViewAction"))->trigger();
        listing.findChild<QLineEdit *>(QStringLiteral("folderPathLine"))->setText(QStringLiteral("docs"));
        QMetaObject::invokeMethod(listing.findChild<QLineEdit *>(QStringLiteral("folderPathLine")), "returnPressed");
        save(listing, out.filePath(QStringLiteral("folder-view.png")));
        listing.menuAction(QStringLiteral("flatViewAction"))->trigger();
        listing.filterCommand();
        listing.findChild<QLineEdit *>(QStringLiteral("filterField"))->setText(QStringLiteral("txt"));
        save(listing, out.filePath(QStringLiteral("filtered-list.png")));
        listing.menuAction(QStringLiteral("foldersViewAction"))->trigger();
        listing.findChild<QLineEdit *>(QStringLiteral("filterField"))->clear();
        listing.menuAction(QStringLiteral("flatViewAction"))->trigger();
    }
    {
        // The listing under a dark desktop palette: the grid and the bars
        // take its colours, the caption bar keeps its gradient.
        const QPalette light = QApplication::palette();
        QPalette dark(QColor(53, 53, 53));
        dark.setColor(QPalette::Base, QColor(42, 42, 42));
        dark.setColor(QPalette::Text, QColor(235, 235, 235));
        dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
        dark.setColor(QPalette::HighlightedText, Qt::white);
        QApplication::setPalette(dark);
        {
            TMainform listing{QStringList{QString::fromLocal8Bit(argv[2])}};
            listing.applyCommandLineArchive();
            save(listing, out.filePath(QStringLiteral("main-window-dark.png")));
            // The folder view's tree and bars take the same colours.
            listing.menuAction(QStringLiteral("foldersViewAction"))->trigger();
            listing.filterCommand();
            save(listing, out.filePath(QStringLiteral("folder-view-dark.png")));
            listing.menuAction(QStringLiteral("flatViewAction"))->trigger();
        }
        QApplication::setPalette(light);
    }
    {
        // The File menu offering the archives opened last, the sample newest.
        QSettings settings;
        RecentArchives recent(settings);
        for (const char *path : {"/home/ann/Downloads/holiday photos.zip", "/home/ann/work/report-2024.zip"})
            recent.opened(QString::fromLatin1(path));
        TMainform listing{QStringList{QString::fromLocal8Bit(argv[2])}};
        listing.applyCommandLineArchive();
        listing.show();
        QApplication::processEvents();
        QMenu *file = listing.menuBar()->findChild<QMenu *>(QStringLiteral("fileMenu"));
        const QRect title = listing.menuBar()->actionGeometry(file->menuAction());
        file->popup(listing.menuBar()->mapToGlobal(title.bottomLeft()));
        QApplication::processEvents();
        QImage picture = renderWithCaption(&listing, true);
        QPainter painter(&picture);
        painter.drawPixmap(listing.mapFromGlobal(file->pos()), file->grab());
        painter.end();
        file->hide();
        if (!picture.save(out.filePath(QStringLiteral("file-menu-recent-archives.png"))))
            std::fprintf(stderr, "cannot write the file menu picture\n");
    }
    {
        // The rows' context menu over two chosen rows, with the Ratio column,
        // the sort arrow and the status bar's totals of the choice.
        TMainform listing{QStringList{QString::fromLocal8Bit(argv[2])}};
        listing.applyCommandLineArchive();
        listing.resize(640, 360);
        listing.show();
        listing.menuAction(QStringLiteral("ratioColumnAction"))->trigger();
        // Sorted as a right click on the "Uncmpr Size" title sorts: largest first.
        TSortOptions largestFirst;
        largestFirst.Order = soDescending;
        listing.listingGrid->OnClickSort(listing.listingGrid, 2, 0, largestFirst);
        listing.listingGrid->SortColumn(2, largestFirst);
        listing.listingGrid->setSelection(TGridRect{0, 1, 3, 2});
        QApplication::processEvents();
        auto *menu = listing.findChild<QMenu *>(QStringLiteral("listingMenu"));
        const QRect row = listing.listingGrid->CellRect(0, 2);
        menu->popup(listing.listingGrid->viewport()->mapToGlobal(row.center()));
        QApplication::processEvents();
        QImage picture = renderWithCaption(&listing, true);
        QPainter painter(&picture);
        painter.drawPixmap(listing.mapFromGlobal(menu->pos()), menu->grab());
        painter.end();
        menu->hide();
        listing.menuAction(QStringLiteral("ratioColumnAction"))->trigger();
        // The order chosen here is kept as it changes: the pictures after
        // this one show the archive's own.
        QSettings().remove(QStringLiteral("listing/sortColumn"));
        QSettings().remove(QStringLiteral("listing/sortDescending"));
        if (!picture.save(out.filePath(QStringLiteral("context-menu.png"))))
            std::fprintf(stderr, "cannot write the context menu picture\n");
    }
    {
        // The listing sorted by Date/Time (a left click on its title) under
        // the C locale, whose dates carry month names: in time order.
        const QLocale c = QLocale::c();
        QLocale::setDefault(c);
        TMainform sorted{QStringList{QString::fromLocal8Bit(argv[2])}};
        sorted.applyCommandLineArchive();
        sorted.listingGrid->SortColumn(3, TSortOptions{});
        save(sorted, out.filePath(QStringLiteral("grid-sorted-by-date-%1.png").arg(c.name())));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    {
        // The status and message windows as they look in the middle of an add.
        auto windows = ApplicationWindows::create(QStringList{});
        TF_status &status = *windows->F_status;
        status.setWindowTitle(QStringLiteral("Adding file(s)"));
        status.progress().setFileText(QStringLiteral("File: docs/manual.txt"));
        status.progress().model().beginFile(7 * 32768);
        for (int i = 0; i < 4; ++i)
            status.progress().model().fileStep();
        status.progress().update();
        save(status, out.filePath(QStringLiteral("status-window.png")));
        // And while a large archive is read, its Cancel stopping the read.
        status.setWindowTitle(QStringLiteral("Reading archive"));
        windows->Mainform->session().operationFrame().readProgress(1000000, 1200000, 2000000);
        save(status, out.filePath(QStringLiteral("status-window-reading.png")));

        TMsgform &messages = *windows->Msgform;
        messages.clearLog();
        for (const char *line : {"Beginning Add to /home/user/sample.zip", "  adding: readme.txt (stored 0%)",
                                 "  adding: docs/manual.txt (deflated 98%)", "  adding: src/hello.c (deflated 12%)"})
            messages.appendLine(QString::fromLatin1(line));
        messages.progress().setFileText(QStringLiteral("File: src/hello.c"));
        messages.progress().model().beginFile(1000);
        messages.progress().update();
        save(messages, out.filePath(QStringLiteral("message-window.png")));

        save(*windows->F_About, out.filePath(QStringLiteral("about-box.png")));

        // Help > Contents, at its list of keys.
        windows->Mainform->helpContentsCommand();
        if (auto *help = windows->Mainform->findChild<HelpWindow *>()) {
            help->followLink(QUrl(QStringLiteral("#keys")));
            save(*help, out.filePath(QStringLiteral("help-window.png")));
            help->hide();
        }

        // Actions > Test archive's closing box, built as the program's
        // information box is.
        QMessageBox result(QMessageBox::Information, QStringLiteral("Information"),
                           QStringLiteral("12 file(s) tested, 1 with errors"), QMessageBox::NoButton);
        result.setDefaultButton(
            static_cast<QPushButton *>(result.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole)));
        save(result, out.filePath(QStringLiteral("test-result.png")));
        result.hide();

        // Actions > Open with…, with the applications a desktop might have.
        auto offered = [](const char *name) {
            platform::DesktopApplication a;
            a.name = QString::fromLatin1(name);
            a.exec = a.name.toLower() + QStringLiteral(" %f");
            return a;
        };
        std::vector<platform::DesktopApplication> applications{offered("Text Editor"), offered("LibreOffice Writer"),
                                                               offered("Vim")};
        applications.front().isDefault = true;
        OpenWithDialog openWith(nullptr, QStringLiteral("docs/readme.txt"), applications);
        save(openWith, out.filePath(QStringLiteral("open-with-dialog.png")));
        openWith.hide();

        // The editor with a member open, and its find dialog.
        TF_Editform &editor = *windows->F_Editform;
        editor.textEdit->setPlainText(
            QStringLiteral("Orvex 97 sample archive\n=======================\n\n"
                           "This member was opened from the archive with Actions > Edit file.\n"
                           "Change it, close the editor and answer Yes to put it back into the archive.\n\n"
                           "Search > Find... looks for a text from the top; F3 finds the next one.\n"));
        editor.setWindowTitle(editor::fileCaption(QStringLiteral("docs/readme.txt")));
        save(editor, out.filePath(QStringLiteral("editor.png")));
        editor.findDialog.findText = QStringLiteral("archive");
        editor.findText();
        if (QWidget *find = editor.findDialog.window)
            save(*find, out.filePath(QStringLiteral("find-dialog.png")));
        editor.hide();
    }
    {
        // The add dialog with a few files and a folder collected, in a
        // directory of its own so that the picture does not show the machine's.
        const QString docs = addDialogFolder();
        TAddForm add([] { return QList<platform::Volume>{{QStringLiteral("/"), QStringLiteral("/")}}; }, docs);
        collectForAdding(add, docs);
        save(add, out.filePath(QStringLiteral("add-dialog.png")));
        // Opened for a tar.zst archive: encryption and DOS names greyed.
        add.hide();
        add.startFor(QStringLiteral("/home/anna/backup.tar.zst"),
                     write_limits::limitsFor(
                         {.format = "tar.zst", .encryption = false, .dosNames = false, .archiveTime = true}));
        add.show();
        add.setDirectory(docs);
        for (int row : {1, 3})
            add.fileList->item(row)->setSelected(true);
        add.addFilesButton->click();
        save(add, out.filePath(QStringLiteral("add-dialog-tar-zst.png")));
        QDir(QFileInfo(docs).path()).removeRecursively();
    }
    {
        // The extract dialog with its tree opened a few levels down, over a
        // directory of its own so that the picture does not show the machine's.
        const QString base = QDir::temp().filePath(QStringLiteral("orvex97-extract-screenshot"));
        QDir(base).removeRecursively();
        for (const char *path : {"home/anna/.config", "home/anna/Desktop", "home/anna/Documents/letters",
                                 "home/anna/Documents/taxes", "home/anna/Downloads", "home/anna/Music",
                                 "home/anna/Pictures", "home/ben", "media/anna", "opt", "srv", "tmp", "usr/share"})
            QDir(base).mkpath(QLatin1String(path));
        TExtract extract;
        extract.setVolumeSource([base] { return QList<platform::Volume>{{base, QStringLiteral("/")}}; });
        extract.driveBox->setItemText(0, QStringLiteral("/"));
        extract.show();
        extract.directoryTree->SelectPath(base + QStringLiteral("/home/anna/Documents"));
        extract.directoryTree->scrollToTop();
        // A folder typed that is still to be made, as the user sees it.
        extract.targetEdit->setText(QStringLiteral("/home/anna/Documents/holiday 2026"));
        extract.intoFolderBox->setChecked(true);
        save(extract, out.filePath(QStringLiteral("extract-dialog.png")));
        QDir(base).removeRecursively();
    }
    {
        // The password box as the desktop shows it, a few characters typed.
        platform::setPromptHandler(nullptr);
        QTimer::singleShot(0, [&out] {
            auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            if (!box)
                return;
            box->setTextValue(QStringLiteral("opensesame"));
            QApplication::processEvents();
            if (!renderWithCaption(box, true).save(out.filePath(QStringLiteral("password-box.png"))))
                std::fprintf(stderr, "cannot write the password box picture\n");
            box->reject();
        });
        QString password;
        platform::prompts().inputPassword(nullptr, QStringLiteral("Password"),
                                          PasswordQuestion::promptText(QStringLiteral("letters/bank.txt"), 1),
                                          password);
    }
    {
        // Delete with two rows apart selected: the question counts them.
        TMainform listing{QStringList{QString::fromLocal8Bit(argv[2])}};
        listing.applyCommandLineArchive();
        TSortableGrid &grid = *listing.listingGrid;
        grid.clearSelection();
        for (int row : {0, 3})
            grid.selectionModel()->select(grid.model()->index(row, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTimer::singleShot(0, [&out] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (!renderWithCaption(box, true).save(out.filePath(QStringLiteral("delete-confirmation.png"))))
                std::fprintf(stderr, "cannot write the delete confirmation picture\n");
            box->reject();
        });
        listing.deleteMembersCommand();
    }
    {
        // Two encrypted members and a plain one: the lock marks the first two.
        const QString archive = QDir::temp().filePath(QStringLiteral("orvex97-encrypted-screenshot.zip"));
        std::vector<ziptest::Member> members;
        for (const char *name : {"letters/bank.txt", "readme.txt", "tax-return-2025.pdf"}) {
            members.push_back(ziptest::stored(name, std::string(1200, 'x')));
            members.back().flags = name[0] == 'r' ? 0 : 1;
        }
        std::ofstream(QFile::encodeName(archive).toStdString(), std::ios::binary) << ziptest::buildZip(members);
        TMainform listing{QStringList{archive}};
        listing.applyCommandLineArchive();
        save(listing, out.filePath(QStringLiteral("encrypted-grid.png")));
        QFile::remove(archive);
    }
    {
        // Archives in other formats than ZIP: the grid as for ZIP, without
        // packed sizes.
        QTemporaryDir folder;
        const std::string dir = QFile::encodeName(folder.path()).toStdString();
        QDir(folder.path()).mkpath(QStringLiteral("project/docs"));
        QDir(folder.path()).mkpath(QStringLiteral("project/src"));
        const std::pair<const char *, size_t> files[] = {{"project/README.md", 2400},
                                                         {"project/docs/manual.txt", 48000},
                                                         {"project/src/main.cpp", 9100},
                                                         {"project/src/archive.cpp", 23800}};
        for (const auto &[name, size] : files)
            std::ofstream(dir + "/" + name, std::ios::binary) << std::string(size, 'x');
        const std::string make = "cd '" + dir
                                 + "' && tar -cJf project.tar.xz project && { ! command -v 7zz >/dev/null"
                                   " || 7zz a -bd -bso0 -bsp0 project.7z project; }";
        if (std::system(make.c_str()) != 0)
            std::fprintf(stderr, "orvex_screenshots: could not make the tar.xz and 7z archives\n");
        for (const char *name : {"project.tar.xz", "project.7z"}) {
            const QString archive = folder.filePath(QString::fromLatin1(name));
            if (!QFile::exists(archive))
                continue;
            TMainform listing{QStringList{archive}};
            listing.applyCommandLineArchive();
            save(
                listing,
                out.filePath(QStringLiteral("other-format-%1.png").arg(QString::fromLatin1(name).replace(u'.', u'-'))));
        }
    }
    return 0;
}
