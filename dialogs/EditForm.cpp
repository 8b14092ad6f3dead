#include "dialogs/EditForm.h"

#include "dialogs/EditorCaptions.h"
#include "dialogs/TextPrinter.h"
#include "platform/Palette.h"
#include "platform/Prompts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

// A text file dialog that starts where `state` was left.
platform::FileDialogOptions textFileDialog(const QString &title, const TF_Editform::FileDialogState &state,
                                           bool mustExist)
{
    platform::FileDialogOptions options;
    options.title = title;
    options.directory = state.InitialDir;
    options.fileName = state.FileName;
    options.filter = editor::fileFilter();
    options.mustExist = mustExist;
    return options;
}

QString documentText(const QTextDocument &document)
{
    // The raw text keeps no-break spaces; only the paragraph ends change.
    QString text = document.toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

// The text control as the searches see it. The text is read once and then
// kept in step with the replacements, so that a long Replace All does not copy
// the whole text for every match.
class EditorText : public EditableText {
public:
    explicit EditorText(QPlainTextEdit &edit) : edit_(edit) {}

    const QString &text() override
    {
        if (!cached_) {
            cache_ = documentText(*edit_.document());
            cached_ = true;
        }
        return cache_;
    }
    int selStart() const override { return edit_.textCursor().selectionStart(); }
    int selLength() const override
    {
        const QTextCursor cursor = edit_.textCursor();
        return cursor.selectionEnd() - cursor.selectionStart();
    }
    void select(int start, int length) override
    {
        QTextCursor cursor = edit_.textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        edit_.setTextCursor(cursor);
    }
    void replaceSelection(const QString &replacement) override
    {
        QTextCursor cursor = edit_.textCursor();
        const int start = cursor.selectionStart();
        const int length = cursor.selectionEnd() - start;
        cursor.insertText(replacement);
        edit_.setTextCursor(cursor);
        if (cached_)
            cache_.replace(start, length, replacement);
    }

private:
    QPlainTextEdit &edit_;
    QString cache_;
    bool cached_ = false;
};

}  // namespace

TF_Editform::TF_Editform(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("F_Editform"));
    setWindowTitle(tr("Orvex 97 Internal editor"));
    // The program's pictures are linked into the program, not this library.
    if (const QString icon = QStringLiteral(":/icons/edit.svg"); QFile::exists(icon))
        setWindowIcon(QIcon(icon));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);
    setFont(platform::uiFont(11));
    resize(DefaultWidth, DefaultHeight);

    textEdit = new QPlainTextEdit(this);
    textEdit->setObjectName(QStringLiteral("textEdit"));
    textEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The text takes the desktop's colours (black on a light theme), so that
    // a dark theme does not leave black text on a dark page.
    connect(textEdit, &QPlainTextEdit::textChanged, this, &TF_Editform::markTextChanged);

    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("menuBar"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar_);
    layout->addWidget(textEdit);
    buildMenu();

    findDialog.OnFind = [this] { findFromFindDialog(); };
    replaceDialog.OnFind = [this] { findFromReplaceDialog(); };
    replaceDialog.OnReplace = [this] { replaceFromReplaceDialog(); };

    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    setInitialState();
}

TF_Editform::~TF_Editform()
{
    platform::prompts().closeSearchDialog(findDialog);
    platform::prompts().closeSearchDialog(replaceDialog);
}

void TF_Editform::buildMenu()
{
    auto addItem = [this](QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut,
                          const QString &hint, void (TF_Editform::*handler)()) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        action->setStatusTip(hint);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    QMenu *fileMenu = menuBar_->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    newAction = addItem(fileMenu, "newAction", tr("&New"), {}, tr("Create a new file"), &TF_Editform::newFile);
    openAction =
        addItem(fileMenu, "openAction", tr("&Open..."), {}, tr("Open an existing file"), &TF_Editform::openFile);
    saveAction = addItem(fileMenu, "saveAction", tr("&Save"), {}, tr("Save current file"), &TF_Editform::saveFile);
    saveAsAction = addItem(fileMenu, "saveAsAction", tr("Save &As..."), {}, tr("Save current file under a new name"),
                           &TF_Editform::saveFileAs);
    fileMenu->addSeparator();
    printAction =
        addItem(fileMenu, "printAction", tr("&Print..."), {}, tr("Print current file"), &TF_Editform::printFile);
    printerSetupAction =
        addItem(fileMenu, "printerSetupAction", tr("P&rinter settings..."), {}, QString(), &TF_Editform::setUpPrinter);
    fileMenu->addSeparator();
    exitAction =
        addItem(fileMenu, "exitAction", tr("&Exit"), {}, tr("Exit this application"), &TF_Editform::exitEditor);

    QMenu *editMenu = menuBar_->addMenu(tr("&Edit"));
    editMenu->setObjectName(QStringLiteral("editMenu"));
    undoAction = addItem(editMenu, "undoAction", tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                         tr("Undo the last action"), &TF_Editform::undoEdit);
    editMenu->addSeparator();
    cutAction = addItem(editMenu, "cutAction", tr("&Cut"), QKeySequence(Qt::CTRL | Qt::Key_X),
                        tr("Delete selected item"), &TF_Editform::cutText);
    copyAction = addItem(editMenu, "copyAction", tr("C&opy"), QKeySequence(Qt::CTRL | Qt::Key_C),
                         tr("Copy selected item to clipboard"), &TF_Editform::copyText);
    pasteAction = addItem(editMenu, "pasteAction", tr("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V),
                          tr("Paste contents of clipboard"), &TF_Editform::pasteText);
    editMenu->addSeparator();
    selectAllAction =
        addItem(editMenu, "selectAllAction", tr("Select &All"), {}, QString(), &TF_Editform::selectAllText);

    QMenu *searchMenu = menuBar_->addMenu(tr("&Search"));
    searchMenu->setObjectName(QStringLiteral("searchMenu"));
    findAction = addItem(searchMenu, "findAction", tr("&Find..."), QKeySequence(Qt::CTRL | Qt::Key_F), QString(),
                         &TF_Editform::findText);
    replaceAction = addItem(searchMenu, "replaceAction", tr("&Replace"), QKeySequence(Qt::CTRL | Qt::Key_R), QString(),
                            &TF_Editform::replaceText);
    findNextAction = addItem(searchMenu, "findNextAction", tr("Find &Next"), QKeySequence(Qt::Key_F3), QString(),
                             &TF_Editform::findNext);
}

void TF_Editform::setInitialState()
{
    // Not the working directory: copies there are removed once used, and a
    // file the user saves must stay.
    OpenDialog.InitialDir = QDir::homePath() + QLatin1Char('/');
    SaveDialog.InitialDir = OpenDialog.InitialDir;
    setWindowTitle(editor::creationCaption(platform::applicationTitle()));
    TextChanged = false;
}

void TF_Editform::guarded(const std::function<void()> &handler)
{
    // Load, save and print errors end the command in the application's error box.
    try {
        handler();
    } catch (const std::exception &error) {
        platform::applicationErrorBox(this, QString::fromUtf8(error.what()));
    }
}

QString TF_Editform::text() const
{
    return documentText(*textEdit->document());
}

void TF_Editform::setCaption(const QString &caption)
{
    setWindowTitle(QString(caption).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
}

void TF_Editform::loadFromFile(const QString &path)
{
    LoadedText loaded = loadTextFile(path);
    form_ = loaded.form;
    textEdit->setPlainText(loaded.text);
    textEdit->document()->setModified(false);
}

bool TF_Editform::saveToFile(const QString &path)
{
    const QString content = text();
    TextFileForm form = form_;
    // Bytes the user never touched are rewritten only with consent.
    if (!form.encoding.canEncode(content)) {
        const QString question = editor::conversionQuestion(QFileInfo(path).absoluteFilePath(), form.encoding.name());
        if (!platform::confirmBox(this, question, platform::DefaultAnswer::No))
            return false;
        form.encoding = TextEncoding();
    }
    saveTextFile(path, content, form);
    form_ = form;
    QTextDocument &document = *textEdit->document();
    if (Tag == TagMember && !MemberPath.isEmpty() && document.isModified()
        && QDir::cleanPath(QFileInfo(path).absoluteFilePath()) == QDir::cleanPath(MemberPath))
        memberSaved_ = true;
    document.setModified(false);
    return true;
}

QString TF_Editform::currentFilePath() const
{
    const QString &name = OpenDialog.FileName;
    return QDir::isAbsolutePath(name) ? name : OpenDialog.InitialDir + name;
}

bool TF_Editform::showsFile(const QString &path) const
{
    return !OpenDialog.FileName.isEmpty() && QDir::cleanPath(currentFilePath()) == QDir::cleanPath(path);
}

bool TF_Editform::showsMember() const
{
    return Tag == TagMember && !MemberPath.isEmpty() && showsFile(MemberPath);
}

bool TF_Editform::mayDropText()
{
    if (!textEdit->document()->isModified())
        return true;
    const QString name = OpenDialog.FileName.isEmpty() ? editor::noName() : editor::lastComponent(OpenDialog.FileName);
    //: %1 is the file's name, or "Noname".
    const QString question = tr("Save changes to %1?").arg(name);
    const int answer = platform::showMessage(this, tr("Confirm"), question, platform::IconKind::Question,
                                             {tr("&Yes"), tr("&No"), tr("&Cancel")}, 0);
    if (answer == 0)
        return saveCurrent();
    // A box closed without an answer keeps the text, as Cancel does.
    return answer == 1;
}

QPrinter &TF_Editform::printer()
{
    // Made on first use: finding the printers can take a moment.
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void TF_Editform::setReadOnlyText(bool readOnly)
{
    textEdit->setReadOnly(readOnly);
    for (QAction *action : {saveAction, undoAction, cutAction, pasteAction, replaceAction})
        action->setEnabled(!readOnly);
}

void TF_Editform::newFile()
{
    if (!mayDropText())
        return;
    setReadOnlyText(false);
    textEdit->clear();
    textEdit->document()->setModified(false);
    form_ = TextFileForm{};
    OpenDialog.FileName.clear();
    setCaption(editor::newFileCaption());
}

void TF_Editform::openFile()
{
    if (!mayDropText())
        return;
    guarded([this] {
        const QString name = platform::prompts().openFileName(this, textFileDialog(tr("Open"), OpenDialog, true));
        if (name.isEmpty())
            return;
        loadFromFile(name);
        setReadOnlyText(false);
        // Only a file that was read becomes the current one, so that Save
        // cannot write the old text over a file that failed to open.
        OpenDialog.FileName = name;
        setCaption(editor::fileCaption(name));
    });
}

void TF_Editform::saveFile()
{
    saveCurrent();
}

bool TF_Editform::saveCurrent()
{
    if (OpenDialog.FileName.isEmpty())
        return saveAs();
    bool saved = false;
    guarded([this, &saved] { saved = saveToFile(currentFilePath()); });
    return saved;
}

void TF_Editform::saveFileAs()
{
    saveAs();
}

bool TF_Editform::saveAs()
{
    bool saved = false;
    guarded([this, &saved] {
        platform::FileDialogOptions options = textFileDialog(tr("Save As"), SaveDialog, false);
        // The question is ours, so that it goes through the prompts.
        options.confirmOverwrite = false;
        QString name;
        for (;;) {
            name = platform::prompts().saveFileName(this, options);
            if (name.isEmpty())
                return;
            const QFileInfo target(name);
            if (!(target.exists() || target.isSymLink()) || target.isDir())
                break;
            if (platform::confirmBox(this, editor::replaceQuestion(target.absoluteFilePath()),
                                     platform::DefaultAnswer::No))
                break;
            // No: back to the dialog, on the name just refused.
            options.fileName = name;
        }
        SaveDialog.FileName = name;
        if (!saveToFile(name))
            return;
        setCaption(editor::fileCaption(name));
        OpenDialog.FileName = name;
        saved = true;
    });
    return saved;
}

void TF_Editform::printFile()
{
    guarded([this] {
        if (!platform::prompts().printDialog(this, printer()))
            return;
        // The text's font at the size it has on the screen.
        QFont font = textEdit->font();
        if (font.pixelSize() > 0)
            font.setPointSizeF(font.pixelSize() * 72.0 / textEdit->logicalDpiY());
        printLines(printer(), printedLines(text()), font);
    });
}

void TF_Editform::setUpPrinter()
{
    platform::prompts().printerSetupDialog(this, printer());
}

void TF_Editform::exitEditor()
{
    close();
}

void TF_Editform::undoEdit()
{
    textEdit->undo();
}

void TF_Editform::cutText()
{
    textEdit->cut();
}

void TF_Editform::copyText()
{
    textEdit->copy();
}

void TF_Editform::pasteText()
{
    textEdit->paste();
}

void TF_Editform::selectAllText()
{
    textEdit->selectAll();
}

void TF_Editform::findText()
{
    EditorText editorText(*textEdit);
    search.startFind(editorText);
    platform::prompts().showSearchDialog(this, findDialog);
}

void TF_Editform::findNext()
{
    EditorText editorText(*textEdit);
    if (!search.findNext(editorText))
        platform::informationBox(this, tr("Text not found."));
    textEdit->ensureCursorVisible();
    textEdit->viewport()->repaint();
}

void TF_Editform::findFromFindDialog()
{
    platform::prompts().closeSearchDialog(findDialog);
    textEdit->setFocus();
    findNext();
}

void TF_Editform::replaceText()
{
    EditorText editorText(*textEdit);
    search.startReplace(editorText);
    platform::prompts().showSearchDialog(this, replaceDialog);
}

void TF_Editform::findFromReplaceDialog()
{
    search.takeReplaceFindText();
    platform::prompts().closeSearchDialog(replaceDialog);
    textEdit->setFocus();
    findNext();
}

void TF_Editform::replaceFromReplaceDialog()
{
    EditorText editorText(*textEdit);
    // One undo step takes back the whole Replace All.
    QTextCursor block(textEdit->document());
    block.beginEditBlock();
    const bool found = search.replace(editorText);
    block.endEditBlock();
    textEdit->ensureCursorVisible();
    if (!found && replaceDialog.pressed == platform::SearchDialog::Button::Replace)
        //: %1 is the text searched for.
        platform::plainBox(this, tr("Cannot find \"%1\".").arg(replaceDialog.findText));
}

void TF_Editform::markTextChanged()
{
    TextChanged = true;
}

bool TF_Editform::closeStep()
{
    if (Tag != TagMember)
        return true;
    if (showsMember()) {
        if (!TextChanged)
            return true;
        if (!saveToFile(MemberPath))
            return false;
    } else if (!memberSaved_) {
        // After New, Open or Save As under another name the text is another
        // file's: it must not go into the archive under the member's name.
        // What the user saved into the working copy before does.
        return true;
    }
    // No lets the edit go; Cancel, Escape and the close button keep the
    // editor open with the text.
    //: Whether the archive takes the edited member back in.
    const QString question = tr("Update zipfile?");
    const int answer = platform::showMessage(this, tr("Confirm"), question, platform::IconKind::Question,
                                             {tr("&Yes"), tr("&No"), tr("&Cancel")}, 0);
    if (answer == 0) {
        Tag = TagUpdate;
    } else if (answer == 1) {
        QFile::remove(MemberPath);
        Tag = TagDiscard;
    } else {
        return false;
    }
    return true;
}

void TF_Editform::done(int result)
{
    // A member shown is saved by the close step itself; any other text is
    // asked about first, and the close step stays the last.
    if (!showsMember() && !mayDropText())
        return;
    try {
        // Declining to convert the text keeps the window open with it.
        if (!closeStep())
            return;
    } catch (const std::exception &error) {
        // The window stays open, so that the changed text is not lost.
        platform::applicationErrorBox(this, QString::fromUtf8(error.what()));
        return;
    }
    memberSaved_ = false;
    platform::prompts().closeSearchDialog(findDialog);
    platform::prompts().closeSearchDialog(replaceDialog);
    QDialog::done(result);
}

void TF_Editform::keyPressEvent(QKeyEvent *event)
{
    // An editor window does not close on Escape.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
