// The internal editor, headless, with scripted prompts: its menus, file
// commands, searches through the dialogs, printing and the close step.
#include "dialogs/EditForm.h"
#include "dialogs/EditorCaptions.h"
#include "dialogs/TextFileForm.h"
#include "dialogs/TextPrinter.h"
#include "platform/Prompts.h"
#include "support/TestApplication.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QWindow>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

#include "../app/QStringPrinter.h"

using platform::PromptRecord;
using platform::SearchDialog;

namespace {

void ensureApplication()
{
    ziptest::ensureApplication([](int &argc, char **argv) -> QApplication * {
        auto *a = new QApplication(argc, argv);
        a->setApplicationName(QStringLiteral("orvex97"));
        platform::setApplicationTitle(QStringLiteral("Tolvane Orvex '97"));
        return a;
    });
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class EditForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        ASSERT_TRUE(cache.isValid());
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
        script = platform::ScriptedPrompts::install();
        editor = std::make_unique<TF_Editform>();
        workDir = cache.path() + QStringLiteral("/orvex97/work/");
    }
    void TearDown() override
    {
        editor.reset();
        platform::setPromptHandler(nullptr);
        qunsetenv("XDG_CACHE_HOME");
    }

    void setText(const QString &text, int caret)
    {
        editor->textEdit->setPlainText(text);
        QTextCursor cursor = editor->textEdit->textCursor();
        cursor.setPosition(caret);
        editor->textEdit->setTextCursor(cursor);
    }
    void select(int start, int length)
    {
        QTextCursor cursor = editor->textEdit->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(start + length, QTextCursor::KeepAnchor);
        editor->textEdit->setTextCursor(cursor);
    }
    int selStart() const { return editor->textEdit->textCursor().selectionStart(); }
    int selLength() const
    {
        const QTextCursor c = editor->textEdit->textCursor();
        return c.selectionEnd() - c.selectionStart();
    }
    void type(const QString &text) { editor->textEdit->insertPlainText(text); }

    // The editor as the main window leaves it after opening a member.
    void openMember(const QString &name, const QByteArray &bytes)
    {
        writeBytes(workDir + name, bytes);
        editor->loadFromFile(workDir + name);
        editor->Tag = TF_Editform::TagMember;
        editor->TextChanged = false;
        editor->OpenDialog.FileName = workDir + name;
        editor->SaveDialog.FileName = name;
        editor->MemberPath = workDir + name;
        editor->show();
    }

    QTemporaryDir cache;
    QTemporaryDir files;
    QString workDir;  // stands for the member's folder in the working area
    std::shared_ptr<platform::ScriptedPrompts> script;
    std::unique_ptr<TF_Editform> editor;
};

}  // namespace

// Through the menu's items, not the text area's own keys.
TEST_F(EditForm, TheEditMenuCutsCopiesPastesUndoesAndSelectsAll)
{
    setText("hello world", 0);
    select(6, 5);
    editor->cutAction->trigger();
    EXPECT_EQ(editor->textEdit->toPlainText(), "hello ");
    EXPECT_EQ(QApplication::clipboard()->text(), "world");
    editor->undoAction->trigger();
    EXPECT_EQ(editor->textEdit->toPlainText(), "hello world");
    select(0, 5);
    editor->copyAction->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "hello");
    setText(editor->textEdit->toPlainText(), 11);
    editor->pasteAction->trigger();
    EXPECT_EQ(editor->textEdit->toPlainText(), "hello worldhello");
    editor->selectAllAction->trigger();
    EXPECT_EQ(selStart(), 0);
    EXPECT_EQ(selLength(), 16);
}

TEST_F(EditForm, ANewEditorIsUnnamedUnchangedAndOpensInTheHomeFolder)
{
    EXPECT_EQ(editor->windowTitle(), "Noname - Tolvane Orvex '97");
    EXPECT_EQ(editor->size(), QSize(606, 407));
    EXPECT_FALSE(editor->TextChanged);
    EXPECT_EQ(editor->Tag, 0);
    // Not the working directory, whose copies go once used.
    EXPECT_EQ(editor->OpenDialog.InitialDir, QDir::homePath() + "/");
    EXPECT_EQ(editor->SaveDialog.InitialDir, QDir::homePath() + "/");
}

TEST_F(EditForm, TheTextFollowsTheDesktopsLightOrDarkColours)
{
    const QPalette saved = QApplication::palette();
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        QPalette palette = saved;
        palette.setColor(QPalette::Base, dark ? QColor(30, 30, 30) : QColor(Qt::white));
        palette.setColor(QPalette::Text, dark ? QColor(230, 230, 230) : QColor(Qt::black));
        QApplication::setPalette(palette);
        const QPalette shown = editor->textEdit->palette();
        EXPECT_GT(std::abs(shown.color(QPalette::Text).lightness() - shown.color(QPalette::Base).lightness()), 128);
    }
    QApplication::setPalette(saved);
}

TEST(EditorCaptions, NameAfterTheLastSlash)
{
    EXPECT_EQ(editor::fileCaption(QStringLiteral("REPORT.TXT")), "Orvex 97 Internal editor - REPORT.TXT");
    EXPECT_EQ(editor::fileCaption(QStringLiteral("/home/u/notes.txt")), "Orvex 97 Internal editor - notes.txt");
    EXPECT_EQ(editor::fileCaption(QStringLiteral("docs/a:b.txt")), "Orvex 97 Internal editor - a:b.txt");
    EXPECT_EQ(editor::newFileCaption(), "Orvex 97 Internal editor - Noname");
}

TEST_F(EditForm, NewAndOpenSetTheTextAndCaption)
{
    const QString path = files.filePath(QStringLiteral("notes.TXT"));
    writeBytes(path, "first\nsecond\n");
    editor->openFile();  // cancelled
    ASSERT_EQ(script->shown.size(), 1u);
    const PromptRecord dialog = script->shown.back();
    EXPECT_EQ(dialog.kind, PromptRecord::Kind::OpenFile);
    EXPECT_EQ(dialog.filter, "Text Filer (*.[tT][xX][tT])");
    EXPECT_EQ(dialog.directory, QDir::homePath() + "/");
    EXPECT_EQ(editor->windowTitle(), "Noname - Tolvane Orvex '97");

    script->fileAnswers.push_back(path);
    editor->openFile();
    EXPECT_EQ(editor->text(), "first\nsecond\n");
    EXPECT_EQ(editor->windowTitle(), "Orvex 97 Internal editor - notes.TXT");
    EXPECT_EQ(editor->OpenDialog.FileName, path);

    // A name holding a title's "modified" mark is shown as written.
    const QString marked = files.filePath(QStringLiteral("a[*]b.txt"));
    writeBytes(marked, "x\n");
    script->fileAnswers.push_back(marked);
    editor->openFile();
    editor->show();
    ASSERT_NE(editor->windowHandle(), nullptr);
    EXPECT_EQ(editor->windowHandle()->title(), "Orvex 97 Internal editor - a[*]b.txt");

    editor->newFile();
    EXPECT_EQ(editor->text(), "");
    EXPECT_EQ(editor->OpenDialog.FileName, "");
    EXPECT_EQ(editor->windowHandle()->title(), "Orvex 97 Internal editor - Noname");

    // A file that cannot be read ends in the application's error box.
    script->fileAnswers.push_back(files.filePath(QStringLiteral("missing.txt")));
    editor->openFile();
    EXPECT_EQ(script->shown.back().icon, platform::IconKind::Stop);
    EXPECT_TRUE(script->shown.back().text.startsWith("Cannot open file \"" + files.filePath("missing.txt") + "\""));
    EXPECT_EQ(editor->OpenDialog.FileName, "");  // still no current file
}

TEST_F(EditForm, SaveWithoutANameActsAsSaveAs)
{
    editor->newFile();
    type(QStringLiteral("hello"));
    editor->saveFile();  // Save As, cancelled: nothing written
    ASSERT_EQ(script->shown.size(), 1u);
    EXPECT_EQ(script->shown.back().kind, PromptRecord::Kind::SaveFile);
    EXPECT_EQ(editor->OpenDialog.FileName, "");

    const QString path = files.filePath(QStringLiteral("out.txt"));
    script->fileAnswers.push_back(path);
    editor->saveFile();
    EXPECT_EQ(readBytes(path), "hello");
    EXPECT_EQ(editor->windowTitle(), "Orvex 97 Internal editor - out.txt");
    EXPECT_EQ(editor->OpenDialog.FileName, path);

    // With a name, Save asks nothing.
    type(QStringLiteral(" world"));
    editor->saveFile();
    EXPECT_EQ(script->shown.size(), 2u);
    EXPECT_EQ(readBytes(path), "hello world");
    EXPECT_TRUE(editor->TextChanged);  // saving does not clear it
}

TEST_F(EditForm, FilesAreSavedInTheFormTheyWereRead)
{
    const struct {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"crlf-latin1.txt", QByteArray("line one\r\nGr\xFC\xDF"
                                       "e\r\n")},
        {"rtf.txt",
         QByteArray("{\\rtf1\\ansi{\\fonttbl\\f0\\fswiss Helvetica;}\\f0\\pard\r\n{\\b bold} \\'e9t\\'e9\\par\r\n}")},
        {"bom.txt", QByteArray("\xEF\xBB\xBFutf-8 \xE2\x82\xAC\n")},
        {"nbsp.txt", QByteArray("a\xC2\xA0"
                                "b\nno final break")},
        {"cp1252.txt", QByteArray("\x93q\x94 \x81\x8D\x8F\x90\x9D\r\n")},
        {"utf-16.txt", QByteArray("\xFF\xFEh\0i\0\r\0\n\0", 10)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = files.filePath(QString::fromLatin1(c.name));
        writeBytes(path, c.bytes);
        editor->loadFromFile(path);
        editor->saveToFile(path);
        EXPECT_EQ(readBytes(path), c.bytes);
    }
    // The RTF file is edited as its own markup.
    editor->loadFromFile(files.filePath(QStringLiteral("rtf.txt")));
    EXPECT_EQ(editor->fileForm().kind, TextFileForm::Kind::Rtf);
    EXPECT_TRUE(editor->text().startsWith("{\\rtf1\\ansi"));

    // An edit keeps the line ends and the encoding of the rest.
    const QString latin = files.filePath(QStringLiteral("crlf-latin1.txt"));
    editor->loadFromFile(latin);
    EXPECT_EQ(editor->text(), QString::fromUtf8("line one\nGrüße\n"));
    editor->textEdit->moveCursor(QTextCursor::End);
    type(QStringLiteral("new\n"));
    editor->saveToFile(latin);
    EXPECT_EQ(readBytes(latin), QByteArray("line one\r\nGr\xFC\xDF"
                                           "e\r\nnew\r\n"));
    // The file is Windows-1252: the euro sign has a byte there.
    type(QString::fromUtf8("€"));
    editor->saveToFile(latin);
    EXPECT_TRUE(script->shown.empty());
    EXPECT_EQ(readBytes(latin), QByteArray("line one\r\nGr\xFC\xDF"
                                           "e\r\nnew\r\n\x80"));
}

TEST_F(EditForm, SavingKeepsTheFilesPermissions)
{
    const QString path = files.filePath(QStringLiteral("run.sh"));
    writeBytes(path, "#!/bin/sh\nexit 0\n");
    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    QFile::setPermissions(path, mode);
    editor->loadFromFile(path);
    type(QStringLiteral("# edited\n"));
    editor->saveToFile(path);
    EXPECT_TRUE(QFile::permissions(path).testFlag(QFileDevice::ExeOwner));
    EXPECT_FALSE(QFile::permissions(path).testFlag(QFileDevice::ReadOther));
    EXPECT_EQ(readBytes(path), "# edited\n#!/bin/sh\nexit 0\n");
}

TEST_F(EditForm, FindStartsAtTheTopAndF3GoesOn)
{
    setText(QStringLiteral("x needle y Needle z"), 15);
    editor->findAction->trigger();
    ASSERT_EQ(script->shown.back().kind, PromptRecord::Kind::FindDialog);
    SearchDialog *find = script->openSearchDialog(SearchDialog::Kind::Find);
    ASSERT_NE(find, nullptr);
    find->findText = QStringLiteral("needle");
    find->matchCase = true;
    find->press(SearchDialog::Button::FindNext);
    EXPECT_EQ(script->openSearchDialog(SearchDialog::Kind::Find), nullptr);  // closed by its button
    EXPECT_EQ(selStart(), 2);
    EXPECT_EQ(selLength(), 6);

    editor->findNextAction->trigger();  // match case held for one search only
    EXPECT_EQ(selStart(), 11);
    const size_t shownBefore = script->shown.size();
    editor->findNextAction->trigger();
    ASSERT_EQ(script->shown.size(), shownBefore + 1);
    EXPECT_EQ(script->shown.back().caption, "Information");
    EXPECT_EQ(script->shown.back().text, "Text not found.");
    EXPECT_EQ(selStart(), 11);
}

TEST_F(EditForm, ReplaceDialogReplacesAndReportsTheEnd)
{
    setText(QStringLiteral("a needle, b needle."), 0);
    select(2, 6);
    editor->replaceAction->trigger();
    SearchDialog *replace = script->openSearchDialog(SearchDialog::Kind::Replace);
    ASSERT_NE(replace, nullptr);
    EXPECT_EQ(replace->findText, "needle");
    EXPECT_TRUE(replace->wholeWordHidden);
    replace->replaceText = QStringLiteral("pin");
    replace->press(SearchDialog::Button::Replace);
    EXPECT_EQ(editor->text(), "a pin, b needle.");
    EXPECT_EQ(selStart(), 9);
    EXPECT_EQ(selLength(), 6);

    replace->press(SearchDialog::Button::Replace);
    EXPECT_EQ(editor->text(), "a pin, b pin.");
    EXPECT_EQ(script->shown.back().caption, "Tolvane Orvex '97");
    EXPECT_EQ(script->shown.back().text, "Cannot find \"needle\".");
    EXPECT_NE(script->openSearchDialog(SearchDialog::Kind::Replace), nullptr);  // stays open

    // Its Find Next hands the text to the find dialog and closes.
    replace->findText = QStringLiteral("pin");
    select(0, 0);
    replace->press(SearchDialog::Button::FindNext);
    EXPECT_EQ(script->openSearchDialog(SearchDialog::Kind::Replace), nullptr);
    EXPECT_EQ(editor->findDialog.findText, "pin");
    EXPECT_EQ(selStart(), 2);
}

TEST_F(EditForm, ReplaceAllIsUndoneInOneStep)
{
    setText(QStringLiteral("a a a"), 0);
    editor->TextChanged = false;
    editor->replaceAction->trigger();
    SearchDialog *replace = script->openSearchDialog(SearchDialog::Kind::Replace);
    ASSERT_NE(replace, nullptr);
    replace->findText = QStringLiteral("a");
    replace->replaceText = QStringLiteral("aa");
    const size_t shownBefore = script->shown.size();
    replace->press(SearchDialog::Button::ReplaceAll);
    EXPECT_EQ(editor->text(), "aa aa aa");
    EXPECT_EQ(script->shown.size(), shownBefore);  // ends silently
    EXPECT_TRUE(editor->TextChanged);
    editor->undoAction->trigger();
    EXPECT_EQ(editor->text(), "a a a");
}

TEST_F(EditForm, PrintsEveryLineToThePrinterChosenInTheDialog)
{
    const QString pdf = files.filePath(QStringLiteral("out.pdf"));
    editor->printFile();  // cancelled
    EXPECT_EQ(script->shown.back().kind, PromptRecord::Kind::Print);
    EXPECT_FALSE(QFile::exists(pdf));

    QString text;
    for (int i = 1; i <= 150; ++i)
        text += QStringLiteral("Line %1 of the member\n").arg(i);
    setText(text, 0);
    script->printAnswers.push_back(pdf);
    editor->printAction->trigger();
    const QByteArray bytes = readBytes(pdf);
    ASSERT_TRUE(bytes.startsWith("%PDF"));
    // 150 lines of an 11-pixel font do not fit one page.
    const auto pages = QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b")));
    EXPECT_GE(pages, 2);

    script->printerSetupAnswers.push_back(
        [](QPrinter &printer) { printer.setPageOrientation(QPageLayout::Landscape); });
    editor->printerSetupAction->trigger();
    EXPECT_EQ(script->shown.back().kind, PromptRecord::Kind::PrinterSetup);
}

TEST(TextPrinting, LinesSplitAndPagesFollow)
{
    ensureApplication();
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("lines.pdf")));
    QFont font;
    font.setPointSize(10);
    EXPECT_EQ(printLines(printer, {QStringLiteral("one line")}, font), 1);
    const QStringList many(400, QStringLiteral("x"));
    const int pages = printLines(printer, many, font);
    EXPECT_GE(pages, 4);
    // A line as long as many short ones takes about as much paper.
    const QString longLine = QStringList(4000, QStringLiteral("word")).join(QLatin1Char(' '));
    EXPECT_GE(printLines(printer, {longLine}, font), 2);
    EXPECT_EQ(printedLines(QStringLiteral("a\nb\n")), (QStringList{"a", "b"}));
    EXPECT_EQ(printedLines(QStringLiteral("a\n\nb")), (QStringList{"a", "", "b"}));
}

TEST_F(EditForm, ClosingAMemberUnchangedAsksNothing)
{
    openMember(QStringLiteral("docs/a.txt"), "text\n");
    editor->exitAction->trigger();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(script->shown.empty());
    EXPECT_EQ(editor->Tag, TF_Editform::TagMember);
    EXPECT_EQ(editor->MemberPath, workDir + "docs/a.txt");
    EXPECT_EQ(readBytes(workDir + "docs/a.txt"), "text\n");

    // Not in member mode: no close step, only the question any text gets.
    editor->Tag = 0;
    editor->MemberPath.clear();
    editor->show();
    type(QStringLiteral("x"));
    script->buttonAnswers = {1, 0};
    editor->close();
    EXPECT_EQ(script->messageTexts(), QStringList{"Save changes to a.txt?"});
    EXPECT_EQ(editor->MemberPath, "");
    EXPECT_EQ(editor->Tag, 0);
}

TEST_F(EditForm, ClosingAChangedMemberSavesAndAsks)
{
    openMember(QStringLiteral("docs/a.txt"), "text\r\n");
    editor->textEdit->moveCursor(QTextCursor::End);
    type(QStringLiteral("more\n"));
    script->buttonAnswers.push_back(0);  // Yes
    editor->close();
    ASSERT_EQ(script->shown.size(), 1u);
    EXPECT_EQ(script->shown[0].caption, "Confirm");
    EXPECT_EQ(script->shown[0].text, "Update zipfile?");
    EXPECT_EQ(editor->Tag, TF_Editform::TagUpdate);
    EXPECT_EQ(readBytes(workDir + "docs/a.txt"), "text\r\nmore\r\n");

    openMember(QStringLiteral("docs/a.txt"), "text\n");
    type(QStringLiteral("x"));
    script->buttonAnswers.push_back(1);  // No
    editor->close();
    EXPECT_EQ(editor->Tag, TF_Editform::TagDiscard);
    EXPECT_FALSE(QFile::exists(workDir + "docs/a.txt"));
}

TEST_F(EditForm, AFailedSaveOnClosingKeepsTheEditorOpen)
{
    openMember(QStringLiteral("a.txt"), "text\n");
    type(QStringLiteral("x"));
    QFile::remove(workDir + "a.txt");
    QDir().mkpath(workDir + "a.txt/in-the-way");
    editor->close();
    EXPECT_TRUE(editor->isVisible());
    ASSERT_EQ(script->shown.size(), 1u);
    EXPECT_EQ(script->shown[0].icon, platform::IconKind::Stop);  // no question asked
    EXPECT_EQ(editor->Tag, TF_Editform::TagMember);
    EXPECT_EQ(editor->text(), "xtext\n");

    QTest::keyClick(editor.get(), Qt::Key_Escape);  // Escape does not close either
    EXPECT_TRUE(editor->isVisible());
}

TEST_F(EditForm, SaveAsAsksBeforeReplacingAFile)
{
    const QString existing = files.filePath(QStringLiteral("existing.txt"));
    const QString fresh = files.filePath(QStringLiteral("fresh.txt"));
    writeBytes(existing, "keep me\n");
    setText(QStringLiteral("new text"), 0);
    const QString title = editor->windowTitle();

    // No goes back to the dialog; cancelling it then writes nothing.
    script->fileAnswers = {existing};
    script->buttonAnswers = {1};
    editor->saveFileAs();
    ASSERT_EQ(script->shown.size(), 3u);
    const PromptRecord &question = script->shown[1];
    EXPECT_EQ(question.kind, PromptRecord::Kind::MessageBox);
    EXPECT_EQ(question.caption, "Confirm");
    EXPECT_EQ(question.text, existing + " already exists. Replace it?");
    EXPECT_EQ(question.icon, platform::IconKind::Question);
    EXPECT_EQ(question.buttons, (QStringList{"&Yes", "&No"}));
    EXPECT_EQ(question.defaultButton, 1);
    EXPECT_EQ(script->shown[2].kind, PromptRecord::Kind::SaveFile);
    EXPECT_EQ(readBytes(existing), "keep me\n");
    EXPECT_EQ(editor->windowTitle(), title);
    EXPECT_EQ(editor->OpenDialog.FileName, "");

    // No, then a name that is free: that one is written.
    script->shown.clear();
    script->fileAnswers = {existing, fresh};
    script->buttonAnswers = {1};
    editor->saveFileAs();
    EXPECT_EQ(script->shown.size(), 3u);
    EXPECT_EQ(readBytes(existing), "keep me\n");
    EXPECT_EQ(readBytes(fresh), "new text");
    EXPECT_EQ(editor->OpenDialog.FileName, fresh);

    // Yes replaces it.
    script->fileAnswers = {existing};
    script->buttonAnswers = {0};
    editor->saveFileAs();
    EXPECT_EQ(readBytes(existing), "new text");
    EXPECT_EQ(editor->windowTitle(), "Orvex 97 Internal editor - existing.txt");
    EXPECT_EQ(editor->OpenDialog.FileName, existing);
}

TEST_F(EditForm, AWindows1252FileKeepsItsBytesUntilTheUserAgreesToUtf8)
{
    const QString path = files.filePath(QStringLiteral("cp1252.txt"));
    writeBytes(path, "\x93Quoted\x94 \x96 5 \x80\r\n");
    editor->loadFromFile(path);
    EXPECT_EQ(editor->text(), QString::fromUtf8("“Quoted” – 5 €\n"));

    // A character the code page has is written as its byte, the rest untouched.
    editor->textEdit->moveCursor(QTextCursor::End);
    type(QString::fromUtf8("—\n"));
    editor->saveToFile(path);
    EXPECT_TRUE(script->shown.empty());
    EXPECT_EQ(readBytes(path), "\x93Quoted\x94 \x96 5 \x80\r\n\x97\r\n");

    // One it has not: asked first, with no as the answer Enter gives.
    type(QString::fromUtf8("Ā"));
    script->buttonAnswers = {1};
    editor->saveToFile(path);
    ASSERT_EQ(script->shown.size(), 1u);
    EXPECT_EQ(script->shown[0].caption, "Confirm");
    EXPECT_EQ(script->shown[0].text, path + " has characters that Windows-1252 cannot hold. Save it as UTF-8?");
    EXPECT_EQ(script->shown[0].defaultButton, 1);
    EXPECT_EQ(readBytes(path), "\x93Quoted\x94 \x96 5 \x80\r\n\x97\r\n");

    script->buttonAnswers = {0};
    editor->saveToFile(path);
    EXPECT_EQ(readBytes(path),
              "\xE2\x80\x9CQuoted\xE2\x80\x9D \xE2\x80\x93 5 \xE2\x82\xAC\r\n\xE2\x80\x94\r\n\xC4\x80");
    // UTF-8 from then on: no more questions.
    type(QString::fromUtf8("Ā"));
    editor->saveToFile(path);
    EXPECT_EQ(script->shown.size(), 2u);
}

TEST_F(EditForm, ClosingAMemberThatCannotKeepItsEncodingAsksFirst)
{
    openMember(QStringLiteral("old.txt"), "caf\xE9\n");
    type(QString::fromUtf8("Ā"));
    script->buttonAnswers = {1};  // not as UTF-8
    editor->close();
    EXPECT_TRUE(editor->isVisible());
    ASSERT_EQ(script->shown.size(), 1u);  // and no "Update zipfile?"
    EXPECT_EQ(script->shown[0].text,
              workDir + "old.txt has characters that Windows-1252 cannot hold. Save it as UTF-8?");
    EXPECT_EQ(readBytes(workDir + "old.txt"), "caf\xE9\n");
    EXPECT_EQ(editor->Tag, TF_Editform::TagMember);
    EXPECT_EQ(editor->text(), QString::fromUtf8("Ācafé\n"));

    script->buttonAnswers = {0, 0};  // as UTF-8; update the archive
    editor->close();
    EXPECT_FALSE(editor->isVisible());
    ASSERT_EQ(script->shown.size(), 3u);
    EXPECT_EQ(script->shown[2].text, "Update zipfile?");
    EXPECT_EQ(readBytes(workDir + "old.txt"), "\xC4\x80"
                                              "caf\xC3\xA9\n");
    EXPECT_EQ(editor->Tag, TF_Editform::TagUpdate);
}

TEST_F(EditForm, AFileThatIsNotTextIsRefused)
{
    setText(QStringLiteral("kept"), 0);
    const QString path = files.filePath(QStringLiteral("picture.txt"));
    writeBytes(path, QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    script->fileAnswers = {path};
    editor->openFile();
    ASSERT_EQ(script->shown.size(), 2u);
    EXPECT_EQ(script->shown[1].icon, platform::IconKind::Stop);
    EXPECT_EQ(script->shown[1].text, "Cannot open file \"" + path + "\". It is not a text file.");
    EXPECT_EQ(editor->text(), "kept");
    EXPECT_EQ(editor->OpenDialog.FileName, "");
    EXPECT_EQ(editor->windowTitle(), "Noname - Tolvane Orvex '97");
    EXPECT_EQ(readBytes(path).size(), 16);
}

TEST_F(EditForm, AMemberIsWrittenBackOnlyWhileTheEditorShowsIt)
{
    const QString other = files.filePath(QStringLiteral("other.txt"));
    const QString copy = files.filePath(QStringLiteral("copy.txt"));
    writeBytes(other, "other\n");
    const struct {
        const char *command;
        std::function<void()> run;
        const char *closingQuestion;
    } cases[] = {
        {"New",
         [&] {
             script->buttonAnswers = {1};
             editor->newFile();
         },
         "Save changes to Noname?"},
        {"Open",
         [&] {
             script->buttonAnswers = {1};
             script->fileAnswers = {other};
             editor->openFile();
         },
         "Save changes to other.txt?"},
        {"Save As",
         [&] {
             script->fileAnswers = {copy};
             editor->saveFileAs();
         },
         "Save changes to copy.txt?"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.command);
        openMember(QStringLiteral("docs/a.txt"), "member\n");
        type(QStringLiteral("edited "));
        c.run();  // New and Open are told not to save the member
        type(QStringLiteral("typed "));
        script->shown.clear();
        // Not saving the other text; then what a "yes" to "Update zipfile?" would take.
        script->buttonAnswers = {1, 0};
        editor->close();
        EXPECT_FALSE(editor->isVisible());
        EXPECT_EQ(script->messageTexts(), QStringList{c.closingQuestion});
        EXPECT_EQ(editor->Tag, TF_Editform::TagMember);
        EXPECT_EQ(readBytes(workDir + "docs/a.txt"), "member\n");
    }
    EXPECT_EQ(readBytes(other), "other\n");
    EXPECT_EQ(readBytes(copy), "edited member\n");

    // An Open that is cancelled leaves the member in the editor.
    openMember(QStringLiteral("docs/a.txt"), "member\n");
    type(QStringLiteral("edited "));
    script->buttonAnswers = {1};
    editor->openFile();
    script->shown.clear();
    script->buttonAnswers = {0};
    editor->close();
    ASSERT_EQ(script->shown.size(), 1u);
    EXPECT_EQ(script->shown[0].text, "Update zipfile?");
    EXPECT_EQ(editor->Tag, TF_Editform::TagUpdate);
    EXPECT_EQ(readBytes(workDir + "docs/a.txt"), "edited member\n");

    // Saving the member on New puts it into the working copy, and closing
    // still offers the update.
    openMember(QStringLiteral("docs/a.txt"), "member\n");
    type(QStringLiteral("edited "));
    script->shown.clear();
    script->buttonAnswers = {0, 0};
    editor->newFile();
    editor->close();
    EXPECT_EQ(script->messageTexts(), (QStringList{"Save changes to a.txt?", "Update zipfile?"}));
    EXPECT_EQ(editor->Tag, TF_Editform::TagUpdate);
    EXPECT_EQ(readBytes(workDir + "docs/a.txt"), "edited member\n");
}

TEST_F(EditForm, TextThatDiffersFromItsFileIsNeverDroppedWithoutAsking)
{
    const QString path = files.filePath(QStringLiteral("doc.txt"));
    const QString other = files.filePath(QStringLiteral("other.txt"));
    writeBytes(other, "other\n");
    const struct {
        const char *command;
        std::function<void()> run;
        std::function<bool()> wentOn;
    } cases[] = {
        {"New", [&] { editor->newFile(); }, [&] { return editor->text().isEmpty(); }},
        {"Open",
         [&] {
             script->fileAnswers = {other};
             editor->openFile();
         },
         [&] { return editor->text() == "other\n"; }},
        {"Exit", [&] { editor->exitAction->trigger(); }, [&] { return !editor->isVisible(); }},
    };
    for (const auto &c : cases) {
        const struct {
            int button;
            bool goesOn;
            QByteArray file;
        } answers[] = {{2, false, "saved\n"}, {-1, false, "saved\n"}, {1, true, "saved\n"}, {0, true, "typed saved\n"}};
        for (const auto &a : answers) {
            SCOPED_TRACE(std::string(c.command) + " answered " + std::to_string(a.button));
            writeBytes(path, "saved\n");
            editor->loadFromFile(path);
            editor->OpenDialog.FileName = path;
            editor->show();
            type(QStringLiteral("typed "));
            script->shown.clear();
            script->buttonAnswers = {a.button};
            c.run();
            ASSERT_FALSE(script->shown.empty());
            const PromptRecord &question = script->shown[0];
            EXPECT_EQ(question.caption, "Confirm");
            EXPECT_EQ(question.text, "Save changes to doc.txt?");
            EXPECT_EQ(question.buttons, (QStringList{"&Yes", "&No", "&Cancel"}));
            EXPECT_EQ(question.defaultButton, 0);
            EXPECT_EQ(c.wentOn(), a.goesOn);
            if (!a.goesOn) {
                EXPECT_EQ(editor->text(), "typed saved\n");
                EXPECT_TRUE(editor->isVisible());
            }
            EXPECT_EQ(readBytes(path), a.file);
        }
    }

    // Just saved or opened: nothing to ask.
    setText(QStringLiteral("x"), 0);
    script->fileAnswers = {path};
    script->buttonAnswers = {0};  // replace doc.txt
    editor->saveFileAs();
    script->shown.clear();
    script->fileAnswers = {other};
    editor->openFile();
    editor->newFile();
    EXPECT_EQ(script->messageTexts(), QStringList{});

    // Yes without a file name saves as; a cancelled Save As keeps the editor open.
    editor->show();
    type(QStringLiteral("new"));
    script->buttonAnswers = {0};
    editor->exitAction->trigger();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(script->shown.back().kind, PromptRecord::Kind::SaveFile);
    EXPECT_EQ(editor->text(), "new");
    EXPECT_EQ(script->messageTexts(), QStringList{"Save changes to Noname?"});
}
