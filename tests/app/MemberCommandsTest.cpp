// Editing and running archive members from the main window, headless, with
// scripted prompts and the real engine libraries; the working directory and
// the program runner beneath them.
#include "LoopTurns.h"
#include "WindowFixture.h"
#include "app/MemberCommands.h"
#include "dialogs/EditForm.h"
#include "engine/ArchiveLock.h"
#include "platform/AppDirectory.h"
#include "platform/PrivateFolder.h"
#include "platform/ProgramRunner.h"
#include "platform/WorkingArea.h"
#include "support/Files.h"
#include "support/HandBuiltArchives.h"
#include "support/Run.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <sys/stat.h>
#include <utility>

namespace {

const QFileDevice::Permissions Executable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

class ShowWatcher : public QObject {
public:
    std::function<void()> onShow;

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show && onShow) {
            QMetaObject::invokeMethod(this, std::exchange(onShow, nullptr), Qt::QueuedConnection);
        }
        return false;
    }
};

// The script, with a look at each message box before it is answered.
class WatchedPrompts : public platform::ScriptedPrompts {
public:
    std::function<void(const QString &text)> onMessage;
    int messageBox(QWidget *parent, const QString &caption, const QString &text, platform::IconKind icon,
                   const QStringList &buttons, int defaultButton) override
    {
        if (onMessage)
            onMessage(text);
        return ScriptedPrompts::messageBox(parent, caption, text, icon, buttons, defaultButton);
    }
};

struct MemberFile {
    QString name;
    QByteArray data;
    QFileDevice::Permissions permissions = {};
};

class MemberCommands : public WindowTest {
protected:
    TF_Editform &editor() { return *windows->F_Editform; }

    // An archive made by the engine, members stored with their directories.
    QString makeArchive(const std::vector<MemberFile> &members)
    {
        QStringList specs;
        for (const MemberFile &m : members) {
            writeFile(path("source/" + m.name), m.data, m.permissions);
            specs << m.name;
        }
        QFile::remove(path("test.zip"));
        return addWithEngine(path("test.zip"), specs, AddOpts{AddDirNames}, path("source"));
    }

    // Opened with the prompts so far forgotten.
    void open(const QString &archive)
    {
        WindowTest::open(archive);
        script->shown.clear();
    }

    // What the user does in the editor once it is shown; it is then closed.
    // Posted only when the editor shows: the extraction before it lets
    // pending events through.
    void whenEditorOpens(std::function<void(TF_Editform &)> action = {})
    {
        watcher.onShow = [this, action] {
            editorShown = true;
            shownText = editor().text();
            shownCaption = editor().windowTitle();
            shownCurrentFile = editor().OpenDialog.FileName;
            struct stat st {};
            copyMode = ::stat(QFile::encodeName(editor().MemberPath).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
            if (action)
                action(editor());
            editor().close();
        };
        editor().installEventFilter(&watcher);
    }

    static void typeAtStart(TF_Editform &editor, const QString &text) { editor.textEdit->insertPlainText(text); }

    // A member's data as another extraction finds it, given `password` when
    // it asks for one.
    QByteArray memberData(const QString &archive, const QString &name, const std::string &password = {})
    {
        QTemporaryDir out;
        TZipEngine engine;
        engine.OnPassword = [&password](const std::string &, int attempt, std::string &given) {
            given = password;
            return password.empty() || attempt > 1 ? TZipEngine::PasswordAnswer::None
                                                   : TZipEngine::PasswordAnswer::Given;
        };
        engine.setZipFilename(archive.toStdString());
        engine.ExtrBaseDir = out.path().toStdString();
        engine.ExtrOptions = ExtrOpts{ExtrDirNames, ExtrOverWrite};
        engine.FileSpecs = {name.toStdString()};
        engine.Extract();
        return readBytes(out.filePath(name));
    }

    ShowWatcher watcher;
    bool editorShown = false;
    QString shownText;
    QString shownCaption;
    QString shownCurrentFile;
    unsigned copyMode = 0;  // of the working copy while the editor shows it
};

}  // namespace

TEST_F(MemberCommands, EditingWithoutAChangeLeavesTheArchiveAndNoCopy)
{
    const QString archive = makeArchive({{"a.txt", "alpha\n"}, {"REPORT.TXT", "report\r\n", Executable}});
    open(archive);
    const QByteArray before = readBytes(archive);
    selectRows(2, 2);
    grid().setCells(1, 1, QStringLiteral("marker"));
    whenEditorOpens();
    form().editMemberCommand();

    EXPECT_TRUE(editorShown);
    EXPECT_EQ(shownText, "report\n");
    EXPECT_EQ(shownCaption, "Orvex 97 Internal editor - REPORT.TXT");
    EXPECT_EQ(form().session().memberName, "REPORT.TXT");
    // The current file is the copy itself, private and never executable.
    EXPECT_TRUE(shownCurrentFile.startsWith(workDir) && shownCurrentFile.endsWith("/REPORT.TXT"));
    EXPECT_EQ(copyMode, 0600u);
    EXPECT_EQ(editor().SaveDialog.FileName, "REPORT.TXT");
    EXPECT_EQ(editor().Tag, TF_Editform::TagMember);
    EXPECT_TRUE(script->shown.empty());
    EXPECT_EQ(readBytes(archive), before);
    EXPECT_EQ(grid().Cells(1, 1), "marker");  // not refilled
    EXPECT_EQ(copiesLeft(), QStringList{});
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(workDir).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST_F(MemberCommands, AMemberOfAReadOnlyFormatIsShownButNeverChangedOrWrittenBack)
{
    const QString archive = writeArchive("notes.cpio", ziptest::newcCpio({{"notes.txt", "notes\n", 0100755}}));
    open(archive);
    const QByteArray before = readBytes(archive);
    selectRows(1, 1);
    bool readOnly = false;
    QString afterTyping;
    whenEditorOpens([&](TF_Editform &editor) {
        readOnly = editor.textEdit->isReadOnly() && !editor.saveAction->isEnabled();
        QTest::keyClicks(editor.textEdit, "changed ");
        afterTyping = editor.text();
    });
    form().editMemberCommand();

    EXPECT_TRUE(editorShown && readOnly);
    EXPECT_EQ(shownText, "notes\n");
    EXPECT_EQ(afterTyping, "notes\n");
    EXPECT_TRUE(shownCaption.contains("read-only")) << shownCaption.toStdString();
    EXPECT_EQ(copyMode, 0600u) << "a copy of a program is private and not executable whatever its format";
    EXPECT_TRUE(script->shown.empty()) << "no Update zipfile? question";
    EXPECT_EQ(readBytes(archive), before);
    EXPECT_EQ(copiesLeft(), QStringList{});

    // A new text in the same editor can be typed again.
    editor().newFile();
    EXPECT_FALSE(editor().textEdit->isReadOnly());
}

TEST_F(MemberCommands, AChangeAnsweredYesReplacesTheMemberInPlace)
{
    const QString archive = makeArchive({{"a.txt", "alpha\n"}, {"b.txt", "beta\n"}, {"c.txt", "gamma\n"}});
    open(archive);
    form().session().engine.AddCompLevel = 0;
    selectRows(2, 3);  // only the top row of the block is edited
    grid().setCells(1, 1, QStringLiteral("marker"));
    script->buttonAnswers.push_back(0);  // "Update zipfile?" yes
    whenEditorOpens([](TF_Editform &e) { typeAtStart(e, QStringLiteral("new ")); });
    form().editMemberCommand();

    ASSERT_TRUE(editorShown);
    ASSERT_EQ(script->shown.size(), 1u);
    EXPECT_EQ(script->shown[0].text, "Update zipfile?");
    EXPECT_EQ(form().session().memberName, "b.txt");
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
    EXPECT_EQ(memberData(archive, "b.txt"), "new beta\n");
    EXPECT_EQ(memberData(archive, "c.txt"), "gamma\n");
    EXPECT_NE(grid().Cells(1, 1), "marker");  // refilled
    EXPECT_EQ(form().session().engine.AddCompLevel, 9);
    EXPECT_EQ(copiesLeft(), QStringList{});
}

// A tar archive we write takes an edited member back as a ZIP archive does,
// and stays a tar.gz.
TEST_F(MemberCommands, AnEditedMemberOfATarGoesBackIntoIt)
{
    writeFile(path("src/notes.txt"), "notes\n");
    ASSERT_EQ(ziptest::sh("tar -czf ../notes.tgz notes.txt", path("src").toStdString()), 0);
    const QString archive = path("notes.tgz");
    open(archive);
    selectRows(1, 1);
    bool readOnly = true;
    script->buttonAnswers.push_back(0);  // "Update zipfile?" yes
    whenEditorOpens([&](TF_Editform &e) {
        readOnly = e.textEdit->isReadOnly();
        typeAtStart(e, QStringLiteral("new "));
    });
    form().editMemberCommand();

    ASSERT_TRUE(editorShown);
    EXPECT_FALSE(readOnly);
    EXPECT_FALSE(shownCaption.contains("read-only")) << shownCaption.toStdString();
    EXPECT_EQ(storedNames(), std::vector<std::string>{"notes.txt"});
    EXPECT_TRUE(readBytes(archive).startsWith("\x1f\x8b"));
    ASSERT_TRUE(QDir().mkpath(path("out")));
    TZipEngine reader;
    reader.setZipFilename(archive.toStdString());
    reader.ExtrBaseDir = path("out").toStdString();
    reader.Extract();
    EXPECT_EQ(readBytes(path("out/notes.txt")), "new notes\n");
    EXPECT_EQ(copiesLeft(), QStringList{});
}

TEST_F(MemberCommands, AChangeAnsweredNoLeavesTheArchiveAndNoCopy)
{
    const QString archive = makeArchive({{"a.txt", "alpha\n"}});
    open(archive);
    const QByteArray before = readBytes(archive);
    selectRows(1, 1);
    script->buttonAnswers.push_back(1);  // no
    whenEditorOpens([](TF_Editform &e) { typeAtStart(e, QStringLiteral("x")); });
    form().editMemberCommand();

    ASSERT_TRUE(editorShown);
    EXPECT_EQ(editor().Tag, TF_Editform::TagDiscard);
    EXPECT_EQ(readBytes(archive), before);
    EXPECT_EQ(copiesLeft(), QStringList{});
}

TEST_F(MemberCommands, AnEditStaysWithTheUserUntilItIsWrittenBackOrLetGo)
{
    const QString archive = makeArchive({{"a.txt", "alpha\n"}});
    open(archive);
    selectRows(1, 1);
    // Another writer holds the archive at the first write-back.
    auto otherWriter = std::make_unique<orvex::ArchiveLock>();
    ASSERT_EQ(otherWriter->lock(archive.toStdString(), false), orvex::ArchiveLock::Locked);
    // Closing the box and Cancel keep the editor open; Yes is refused by
    // the busy archive, and the editor comes back with the text; Yes again.
    script->buttonAnswers = {-1, 2, 0, 0};
    bool openAfterCancels = false;
    whenEditorOpens([&](TF_Editform &e) {
        typeAtStart(e, QStringLiteral("new "));
        e.close();
        e.close();
        openAfterCancels = e.isVisible() && e.text() == "new alpha\n";
        whenEditorOpens([&](TF_Editform &) { otherWriter.reset(); });
    });
    form().editMemberCommand();

    EXPECT_TRUE(openAfterCancels);
    EXPECT_EQ(shownText, "new alpha\n");
    const QStringList said = messages();
    ASSERT_EQ(said.size(), 6) << said.join('|').toStdString();
    EXPECT_EQ(said[3], "The archive is being changed by another program");
    EXPECT_TRUE(said[4].startsWith("Your changes to \"a.txt\" were not written into")) << said[4].toStdString();
    EXPECT_EQ(script->shown[0].buttons, (QStringList{"&Yes", "&No", "&Cancel"}));
    EXPECT_EQ(memberData(archive, "a.txt"), "new alpha\n");
    EXPECT_EQ(copiesLeft(), QStringList{});
}

TEST_F(MemberCommands, AnotherFileInTheEditorNeverGoesIntoTheMember)
{
    const QString other = dir.filePath(QStringLiteral("other.txt"));
    writeFile(other, "other text\n");
    const struct {
        const char *command;
        void (TF_Editform::*run)();
    } cases[] = {
        {"New", &TF_Editform::newFile},
        {"Open", &TF_Editform::openFile},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.command);
        const QString archive = makeArchive({{"a.txt", "alpha\n"}});
        open(archive);
        const QByteArray before = readBytes(archive);
        selectRows(1, 1);
        script->fileAnswers = {other};  // the file Open picks
        // Not saving the typed text, then a "yes" to "Update zipfile?".
        script->buttonAnswers = {1, 0};
        whenEditorOpens([&c](TF_Editform &e) {
            (e.*c.run)();
            typeAtStart(e, QStringLiteral("typed "));
        });
        editorShown = false;
        form().editMemberCommand();

        ASSERT_TRUE(editorShown);
        for (const auto &shown : script->shown)
            EXPECT_NE(shown.text, "Update zipfile?");
        EXPECT_EQ(readBytes(archive), before);
        EXPECT_EQ(storedNames(), std::vector<std::string>{"a.txt"});
        EXPECT_EQ(copiesLeft(), QStringList{});
        script->fileAnswers.clear();
        script->buttonAnswers.clear();
    }
    EXPECT_EQ(readBytes(other), "other text\n");
}

TEST_F(MemberCommands, AMemberThatIsNotTextIsNotOpened)
{
    const QString archive = makeArchive({{"data.bin", QByteArray("\x01\x02\0\0binary", 10)}});
    open(archive);
    const QByteArray before = readBytes(archive);
    selectRows(1, 1);
    whenEditorOpens();
    form().editMemberCommand();

    EXPECT_FALSE(editorShown);
    ASSERT_EQ(script->shown.size(), 1u);
    EXPECT_EQ(script->shown[0].icon, platform::IconKind::Stop);
    EXPECT_TRUE(script->shown[0].text.startsWith("Cannot open file \"" + workDir));
    EXPECT_TRUE(script->shown[0].text.endsWith("/data.bin\". It is not a text file."));
    EXPECT_EQ(readBytes(archive), before);
    EXPECT_EQ(copiesLeft(), QStringList{});
}

TEST_F(MemberCommands, AMemberInADirectoryReplacesItself)
{
    const QString archive = makeArchive({{"readme.txt", "top\n"}, {"docs/readme.txt", "inner\n"}});
    open(archive);
    selectRows(2, 2);
    ASSERT_EQ(grid().Cells(0, 2), "docs/readme.txt");
    script->buttonAnswers.push_back(0);
    whenEditorOpens([](TF_Editform &e) { typeAtStart(e, QStringLiteral("edited ")); });
    form().editMemberCommand();

    ASSERT_TRUE(editorShown);
    EXPECT_EQ(shownText, "inner\n");
    EXPECT_EQ(shownCaption, "Orvex 97 Internal editor - readme.txt");
    EXPECT_TRUE(editor().MemberPath.endsWith("/docs/readme.txt"));
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"readme.txt", "docs/readme.txt"}));
    EXPECT_EQ(memberData(archive, "docs/readme.txt"), "edited inner\n");
    EXPECT_EQ(memberData(archive, "readme.txt"), "top\n");
    EXPECT_EQ(copiesLeft(), QStringList{});
}

TEST_F(MemberCommands, AMemberNamedInAnotherSystemsCodePageComesBackOnceUnderItsDecodedName)
{
    // "café.txt" as DOS stores it: code page 437, no UTF-8 flag.
    const QString archive = writeArchive(
        "dos.zip", ziptest::buildZip({ziptest::stored("a.txt", "alpha\n"), ziptest::stored("caf\x82.txt", "menu\n")}));
    open(archive);
    const QString cafe = QString::fromUtf8("caf\xC3\xA9.txt");
    selectRows(2, 2);
    ASSERT_EQ(grid().Cells(0, 2), cafe);
    script->buttonAnswers.push_back(0);
    whenEditorOpens([](TF_Editform &e) { typeAtStart(e, QStringLiteral("new ")); });
    form().editMemberCommand();

    ASSERT_TRUE(editorShown) << messages().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(shownText, "menu\n");
    EXPECT_TRUE(editor().MemberPath.endsWith("/" + cafe));
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"a.txt", "caf\xC3\xA9.txt"}));
    EXPECT_EQ(memberData(archive, cafe), "new menu\n");
    EXPECT_EQ(memberData(archive, "a.txt"), "alpha\n");
    EXPECT_EQ(copiesLeft(), QStringList{});
}

TEST_F(MemberCommands, AFailedWriteBackUnderTheDecodedNameKeepsTheOldMember)
{
    auto watched = std::make_shared<WatchedPrompts>();
    platform::setPromptHandler(watched);
    script = watched;
    const QString archive = writeArchive(
        "dos.zip", ziptest::buildZip({ziptest::stored("a.txt", "alpha\n"), ziptest::stored("caf\x82.txt", "menu\n")}));
    open(archive);
    const QString cafe = QString::fromUtf8("caf\xC3\xA9.txt");
    selectRows(2, 2);
    script->buttonAnswers.push_back(0);
    // Once saved, the copy turns into a link to nowhere: the add finds nothing
    // to take, and the member must not be deleted either.
    watched->onMessage = [&](const QString &text) {
        if (text != QStringLiteral("Update zipfile?"))
            return;
        QFile::remove(editor().MemberPath);
        QFile::link(path(QStringLiteral("nowhere")), editor().MemberPath);
    };
    whenEditorOpens([this](TF_Editform &e) {
        typeAtStart(e, QStringLiteral("new "));
        // Back with the text, which is saved again, then let go.
        whenEditorOpens([](TF_Editform &again) { ::unlink(QFile::encodeName(again.MemberPath).constData()); });
    });
    script->buttonAnswers.push_back(0);  // the add's error: OK
    script->buttonAnswers.push_back(1);  // "Update zipfile?" the second time: no
    form().editMemberCommand();

    ASSERT_TRUE(editorShown);
    EXPECT_EQ(shownText, "new menu\n");
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"a.txt", "caf\x82.txt"}));
    EXPECT_EQ(memberData(archive, cafe), "menu\n");
}

TEST_F(MemberCommands, NoNameSelectedIsAWarning)
{
    form().editMemberCommand();
    form().executeMemberCommand();
    ASSERT_EQ(script->shown.size(), 2u);
    for (const auto &shown : script->shown) {
        EXPECT_EQ(shown.caption, "Warning");
        EXPECT_EQ(shown.text, "Error :No file selected");
    }
    EXPECT_EQ(form().session().engine.FileSpecs, std::vector<std::string>{""});

    // With the archive deleted the grid is down to its title row.
    open(makeArchive({{"a.txt", "alpha\n"}}));
    script->buttonAnswers.push_back(0);
    form().deleteArchiveCommand();
    script->shown.clear();
    form().editMemberCommand();
    ASSERT_EQ(script->shown.size(), 1u);
    EXPECT_EQ(script->shown[0].text, "Error :No file selected");
    EXPECT_EQ(form().session().engine.FileSpecs, std::vector<std::string>{""});
}

TEST_F(MemberCommands, AMemberThatIsNotExtractedIsNotEditedFromAnOldCopy)
{
    // Members the engine would not write: a wrong CRC, a name that leaves the folder.
    std::vector<ziptest::Member> members{dosMember("bad.txt", "fresh"), dosMember("../evil.txt", "evil")};
    for (ziptest::Member &m : members)
        m.crc = 0x12345678;
    const QString archive = writeArchive("raw.zip", ziptest::buildZip(members));
    open(archive);
    writeFile(cache.path() + "/orvex97/evil.txt", "outside");

    for (int row : {1, 2}) {
        SCOPED_TRACE(row);
        script->shown.clear();
        selectRows(row, row);
        whenEditorOpens();
        form().editMemberCommand();
        EXPECT_FALSE(editorShown);
        ASSERT_FALSE(script->shown.empty());
        EXPECT_TRUE(script->shown.front().text.startsWith("Error message from DLL: "));
        EXPECT_EQ(script->shown.back().icon, platform::IconKind::Stop);
        EXPECT_TRUE(script->shown.back().text.startsWith("Cannot open file"));
    }
    EXPECT_EQ(copiesLeft(), QStringList{});
    EXPECT_EQ(readBytes(cache.path() + "/orvex97/evil.txt"), "outside");
}

TEST_F(MemberCommands, RunningMembersWaitsAndReportsNothing)
{
    // The scripts say where they ran and whether they could be run as they
    // are; the second one was stored without execute bits.
    const QByteArray log = QFile::encodeName(path("ran.txt"));
    const QByteArray script1 = "#!/bin/sh\necho \"ok in $(pwd)\" >> " + log + "\nexit 0\n";
    const QByteArray script2 = "#!/bin/sh\n[ -x \"$0\" ] && echo \"fail runnable\" >> " + log + "\nexit 3\n";
    const QString archive = makeArchive({
        {"ok.sh", script1, Executable},
        {"bin/fail.sh", script2},
        {"notes.txt", "just text\n"},
    });
    open(archive);
    for (int row : {1, 2, 3}) {
        selectRows(row, row);
        form().executeMemberCommand();
    }
    EXPECT_TRUE(script->shown.empty());
    // Each ran to its end before the command returned, in its copy's folder,
    // and each copy went with it.
    const QList<QByteArray> ran = readBytes(path("ran.txt")).split('\n');
    ASSERT_EQ(ran.size(), 3);
    EXPECT_TRUE(ran[0].startsWith("ok in " + QFile::encodeName(workDir))) << ran[0].toStdString();
    EXPECT_EQ(ran[1], "fail runnable");
    EXPECT_EQ(copiesLeft(), QStringList{});
}

TEST_F(MemberCommands, AnEditedEncryptedMemberGoesBackEncryptedWithItsPassword)
{
    const struct {
        const char *cipher;
        ziptest::Member member;
    } cases[] = {
        {"AES", ziptest::aesEncrypted(ziptest::stored("secret.txt", "secret\n"), "pass word")},
        {"traditional", ziptest::traditionalEncrypted(ziptest::stored("secret.txt", "secret\n"), "pass word")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.cipher);
        const QString archive =
            writeArchive("locked.zip", ziptest::buildZip({ziptest::stored("a.txt", "a\n"), c.member}));
        open(archive);
        selectRows(2, 2);
        script->passwordAnswers = {{true, QStringLiteral("pass word")}};
        script->buttonAnswers = {0};  // "Update zipfile?" yes
        editorShown = false;
        whenEditorOpens([](TF_Editform &e) { typeAtStart(e, QStringLiteral("new ")); });
        form().editMemberCommand();

        ASSERT_TRUE(editorShown) << messages().join('|').toStdString();
        ASSERT_EQ(storedNames(), (std::vector<std::string>{"a.txt", "secret.txt"}));
        // AES-256 whatever the cipher was: the traditional one is the only
        // other we know, and we do not write it.
        EXPECT_EQ(engine().Entries(1).Method, 99);
        EXPECT_TRUE(engine().Entries(1).Encrypted());
        EXPECT_EQ(memberData(archive, "secret.txt"), "");  // no password, no data
        EXPECT_EQ(memberData(archive, "secret.txt", "pass word"), "new secret\n");
        if (ziptest::haveProgram("7zz")) {  // 7-Zip 22.01 or later reads AE-2
            const ziptest::RunResult tested = ziptest::run({"7zz", "t", "-ppass word", archive.toStdString()});
            EXPECT_EQ(tested.exitCode, 0) << tested.out;
        }
        EXPECT_EQ(copiesLeft(), QStringList{});
    }
}

TEST_F(MemberCommands, MembersNamedWithControlCharactersAreFetchedAndLeaveNothingBehind)
{
    const std::string log = QFile::encodeName(path("ran.txt")).toStdString();
    open(writeArchive("controls.zip",
                      ziptest::buildZip({ziptest::stored("a\nb.txt", "hello\n"),
                                         ziptest::stored("r\run.sh", "#!/bin/sh\necho ran >> '" + log + "'\n")})));
    ASSERT_EQ(grid().Cells(0, 1), "a?b.txt");
    selectRows(1, 1);
    whenEditorOpens();
    form().editMemberCommand();
    EXPECT_EQ(shownText, "hello\n");
    EXPECT_EQ(copiesLeft(), QStringList{});
    form().openWithDefaultCommand();
    ASSERT_EQ(script->openedWithDefaultApplication.size(), 1u);
    EXPECT_EQ(readBytes(script->openedWithDefaultApplication[0]), "hello\n");
    selectRows(2, 2);
    form().executeMemberCommand();
    EXPECT_EQ(readBytes(path("ran.txt")), "ran\n");
    EXPECT_EQ(messages(), QStringList{});
    // Only the copy handed to the desktop waits for the end of the program.
    EXPECT_EQ(copiesLeft().size(), 1);
    windows.reset();
    EXPECT_EQ(copiesLeft(), QStringList{});
}

TEST_F(MemberCommands, CopiesLeftByARunThatDidNotEndAreRemovedAtTheNextStart)
{
    // What a killed run leaves: its folder, with a lock nobody holds now.
    writeFile(workDir + "run-killed/.lock", "");
    writeFile(workDir + "run-killed/copy-1/docs/secret.txt", "plain", QFileDevice::ReadOwner);
    // Copies an earlier version left loose, one in a folder it cannot write.
    writeFile(workDir + "old copy.txt", "plain");
    writeFile(workDir + "docs/locked/secret.txt", "plain");
    QFile::setPermissions(workDir + "docs/locked", QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    // Both made private, as a run makes them.
    for (const QString &folder : {workDir, workDir + "run-killed"})
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // A run still going holds its lock: its copies stay.
    platform::WorkingArea running(workDir);
    const QString live = running.newFolder();
    writeFile(live + "open.txt", "in use");

    openWindows();
    EXPECT_EQ(copiesLeft(), QStringList{live.mid(workDir.size()) + "open.txt"});
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(live).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST_F(MemberCommands, AWorkingFolderReachedThroughALinkOrNotPrivateIsNeverTouched)
{
    // What the user keeps where a link may lead, a run's folder look-alike too.
    QTemporaryDir user, temporary;
    const std::string documents = user.path().toStdString() + "/Documents";
    ziptest::makeDirs(documents + "/run-old/copy-1");
    ziptest::writeFile(documents + "/notes.txt", "mine");
    ziptest::writeFile(documents + "/run-old/copy-1/report.txt", "mine too");
    const auto before = ziptest::treeContents(documents);
    const QByteArray savedTemporary = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    const std::string work = workDir.chopped(1).toStdString();
    const auto linkTo = [&documents](const std::string &link) {
        ASSERT_EQ(::symlink(documents.c_str(), link.c_str()), 0);
    };
    const struct {
        const char *name;
        std::function<void()> setUp;
        const char *said;  // by the start, once; null: nothing
    } cases[] = {
        {"the folder is a link",
         [&] {
             ziptest::makeDirs(work.substr(0, work.rfind('/')));
             linkTo(work);
         },
         "is a link"},
        {"the folder is open to others",
         [&] {
             ziptest::makeDirs(work + "/run-old");
             ziptest::writeFile(work + "/run-old/kept.txt", "");
             ::chmod(work.c_str(), 0755);
         },
         "has mode 0755, not 0700"},
        {"a run's folder is a link",
         [&] {
             ziptest::makeDirs(work);
             ::chmod(work.c_str(), 0700);
             linkTo(work + "/run-evil");
         },
         nullptr},
        {"a left run holds a link",
         [&] {
             ziptest::makeDirs(work + "/run-killed/copy-1");
             ::chmod(work.c_str(), 0700);
             ::chmod((work + "/run-killed").c_str(), 0700);
             linkTo(work + "/run-killed/copy-1/docs");
         },
         nullptr},
    };
    for (const auto &c : cases) {
        c.setUp();
        const struct stat workBefore = ziptest::statOf(work);
        openWindows().applyCommandLineArchive();
        EXPECT_EQ(ziptest::treeContents(documents), before) << c.name;
        const QStringList said = messages();
        if (c.said) {
            ASSERT_EQ(said.size(), 1) << c.name;
            EXPECT_TRUE(said[0].contains(QLatin1String(c.said))) << c.name << ": " << said[0].toStdString();
            EXPECT_EQ(ziptest::statOf(work).st_mode, workBefore.st_mode) << c.name;
        } else {
            EXPECT_EQ(said, QStringList{}) << c.name;
        }
        // Copies go to a folder of this run's own, never through the link.
        const QString copies = form().session().workingArea().newFolder();
        EXPECT_EQ(copies.startsWith(temporary.path()), c.said != nullptr) << c.name << ": " << copies.toStdString();
        windows.reset();
        EXPECT_EQ(ziptest::treeContents(documents), before) << c.name;
        EXPECT_EQ(ziptest::listDir(temporary.path().toStdString()), std::vector<std::string>{}) << c.name;
        ::chmod(work.c_str(), 0700);
        platform::removeTree(QString::fromStdString(work));
        script->shown.clear();
    }
    qputenv("TMPDIR", savedTemporary);
}

TEST(ProgramRunner, RunsTheProgramWithItsArgumentsAndWaitsForItsStatus)
{
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("my script.sh"));
    writeFile(script, "#!/bin/sh\nprintf '%s|' \"$@\" > \"$(dirname \"$0\")/args.txt\"\nexit \"$1\"\n", Executable);
    EXPECT_EQ(platform::argumentVector(script, {"0", "two words"}), (QStringList{script, "0", "two words"}));
    EXPECT_TRUE(platform::RunProgram(script, {"0", "two words", "$HOME;x"}, platform::ShowNormal, true));
    EXPECT_EQ(readBytes(dir.filePath("args.txt")), "0|two words|$HOME;x|");
    EXPECT_FALSE(platform::RunProgram(script, {"3"}, platform::ShowNormal, true));

    const QString text = dir.filePath(QStringLiteral("text.txt"));
    writeFile(text, "not a program\n");
    EXPECT_FALSE(platform::RunProgram(text, {}, platform::ShowNormal, true));
    EXPECT_FALSE(platform::RunProgram(dir.filePath("missing"), {}, platform::ShowNormal, true));
    EXPECT_FALSE(platform::RunProgram(QString(), {}, platform::ShowNormal, true));
}

TEST(AppDirectory, LiesInTheCacheAndIsPrivate)
{
    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedCache = qgetenv("XDG_CACHE_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CACHE_HOME", "relative/cache");  // not absolute: ignored
    EXPECT_EQ(platform::appDirectoryPath(), home.path() + "/.cache/orvex97/work/");
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.path() + "/c"));
    const QString path = platform::AppDirectory();
    EXPECT_EQ(path, home.path() + "/c/orvex97/work/");
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    // One open to others is not the user's alone, and is left as it is.
    ::chmod(QFile::encodeName(path).constData(), 0755);
    EXPECT_THROW(platform::AppDirectory(), std::runtime_error);
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0755u);
    qputenv("HOME", savedHome);
    if (savedCache.isNull())
        qunsetenv("XDG_CACHE_HOME");
    else
        qputenv("XDG_CACHE_HOME", savedCache);
}

TEST(AppDirectory, WorkingCopyNamesStayInside)
{
    EXPECT_EQ(platform::workingCopyName("docs/readme.txt"), "docs/readme.txt");
    EXPECT_EQ(platform::workingCopyName("/abs//./x.txt"), "abs/x.txt");
    EXPECT_EQ(platform::workingCopyName("win\\path.txt"), "win/path.txt");
    EXPECT_EQ(platform::workingCopyName("../x.txt"), "");
    EXPECT_EQ(platform::workingCopyName("a/../../x.txt"), "");
    EXPECT_EQ(platform::workingCopyName("docs/"), "");
    EXPECT_EQ(platform::workingCopyName(""), "");
    EXPECT_EQ(platform::relativeToDirectory("/w/", "/w/docs/a.txt"), "docs/a.txt");
    EXPECT_EQ(platform::relativeToDirectory("/w/", "/other/a.txt"), "");
    EXPECT_EQ(platform::relativeToDirectory("/w/", "/w/../a.txt"), "");
}

TEST_F(MemberCommands, AProgramRunByExecuteLeavesTheWindowLiveAndQuittingAsksItToEnd)
{
    const QByteArray stop = QFile::encodeName(path("stop")), log = QFile::encodeName(path("ran.txt"));
    const std::string waits =
        ("#!/bin/sh\nwhile [ ! -e '" + stop + "' ]; do sleep 0.01; done\necho ended >> '" + log + "'\n").toStdString();
    open(writeArchive("run.zip", ziptest::buildZip({ziptest::stored("wait.sh", waits)})));
    form().show();
    for (const bool quit : {false, true}) {
        selectRows(1, 1);
        bool disabledWhileRunning = true;
        script->buttonAnswers = {0};  // "An operation is running. Stop it and quit?" yes
        LoopTurns turns;
        QTimer whenTurned;  // once the window has turned 20 times with the program running
        QObject::connect(&whenTurned, &QTimer::timeout, [&] {
            if (turns.count() < 20)
                return;
            whenTurned.stop();
            disabledWhileRunning = !form().toolButton("openButton")->isEnabled() && grid().BrowseOnly();
            if (quit)
                form().close();
            else
                writeFile(path("stop"), "");
        });
        whenTurned.start(0);
        form().executeMemberCommand();
        QCoreApplication::processEvents();  // the close that waited for the program's end

        EXPECT_GE(turns.count(), 20) << quit;
        EXPECT_TRUE(disabledWhileRunning) << quit;
        EXPECT_EQ(readBytes(path("ran.txt")), "ended\n") << quit;  // the second run was stopped
        EXPECT_EQ(form().isVisible(), !quit);
        EXPECT_EQ(copiesLeft(), QStringList{});
        QFile::remove(path("stop"));
    }
    EXPECT_EQ(messages(), QStringList{"An operation is running. Stop it and quit?"});
}
