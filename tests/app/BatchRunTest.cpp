// The modes a file manager's menu starts the program in, run headless with
// the real engine: where extracted files land, what is asked, and that
// nothing the user had is replaced unasked.
#include "WindowFixture.h"
#include "app/BatchRun.h"
#include "dialogs/CompressForm.h"
#include "dialogs/ExtractForm.h"
#include "support/Run.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QLineEdit>
#include <QUrl>

using ziptest::RunResult;
using ziptest::runTool;

namespace {

class BatchRunTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        windows->Extract->setVolumeSource([this] { return QList<platform::Volume>{{root + "/", "temp"}}; });
    }

    int run(const QStringList &arguments)
    {
        const batch::Arguments parsed = batch::parse(arguments, root);
        EXPECT_EQ(parsed.error, QString());
        return BatchRun(*windows).run(parsed);
    }
    // An archive `name` in dl/ of `members` (each holding its own name).
    QString archive(const QString &name, const QStringList &members)
    {
        for (const QString &member : members)
            writeFile(path("src/" + name + "/" + member), member.toUtf8());
        QDir().mkpath(path("dl"));
        return addWithEngine(path("dl/" + name), members, AddOpts{AddDirNames}, path("src/" + name));
    }
    // Every file under `folder` but the archives, hidden ones too, as "path=content".
    QStringList tree(const QString &folder)
    {
        QStringList files;
        QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            if (!file.endsWith(".zip") && !file.endsWith(".gz"))
                files << QDir(folder).relativeFilePath(file) + "=" + readBytes(file);
        }
        files.sort();
        return files;
    }
    // Runs `interaction` on the modal dialog of type T once it is open: an
    // archive read before it lets events through, so the check is posted
    // again until the dialog is there.
    template <typename T>
    void whenOpen(const std::function<void(T &)> &interaction)
    {
        QMetaObject::invokeMethod(
            qApp,
            [this, interaction] {
                if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget()))
                    interaction(*dialog);
                else
                    whenOpen(interaction);
            },
            Qt::QueuedConnection);
    }
    int passwordBoxes() const
    {
        return int(std::count_if(script->shown.begin(), script->shown.end(), [](const platform::PromptRecord &r) {
            return r.kind == platform::PromptRecord::Kind::Password;
        }));
    }
};

}  // namespace

TEST(BatchArguments, ModesTakeTheirTargetAndFilesAsAbsolutePaths)
{
    const struct {
        QStringList arguments;
        batch::Mode mode;
        QString target;
        QStringList files;
        QString error;
    } cases[] = {
        {{"a.zip"}, batch::Mode::None, "", {}, ""},
        {{"--extract-here", "a.zip", "../b.zip", "a.zip"}, batch::Mode::ExtractHere, "", {"/d/a.zip", "/b.zip"}, ""},
        {{"--extract-to", "out", "file:///x/a%20b.zip"}, batch::Mode::ExtractTo, "/d/out", {"/x/a b.zip"}, ""},
        {{"--extract", "--", "--compress"}, batch::Mode::ExtractAsk, "", {"/d/--compress"}, ""},
        {{"--add-to", "/n.zip", "f"}, batch::Mode::AddTo, "/n.zip", {"/d/f"}, ""},
        {{"--compress"}, batch::Mode::Compress, "", {}, "--compress needs at least one file"},
        {{"--extract-to"}, batch::Mode::ExtractTo, "", {}, "--extract-to needs a folder"},
        {{"--extract-here", "sftp://host/a.zip"},
         batch::Mode::ExtractHere,
         "",
         {},
         "Not a local file: sftp://host/a.zip"},
    };
    for (const auto &c : cases) {
        const batch::Arguments parsed = batch::parse(c.arguments, "/d");
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(parsed.mode, c.mode);
        EXPECT_EQ(parsed.error, c.error);
        if (c.error.isEmpty()) {
            EXPECT_EQ(parsed.target, c.target);
            EXPECT_EQ(parsed.files, c.files);
        }
    }
}

TEST_F(BatchRunTest, ExtractHereKeepsLooseMembersInAFolderOfTheirOwnAndNeverReplaces)
{
    const QString bomb = archive("bomb.tar.gz", {"photos/a.jpg", "b.txt"});
    const QString project = archive("proj.zip", {"project-1.0/sub/c.txt", "project-1.0/d.txt"});
    const QString note = archive("note.zip", {"notes.txt"});
    ASSERT_EQ(run({"--extract-here", bomb, project, note}), 0);
    EXPECT_EQ(tree(path("dl")),
              (QStringList{"bomb/b.txt=b.txt", "bomb/photos/a.jpg=photos/a.jpg", "notes.txt=notes.txt",
                           "project-1.0/d.txt=project-1.0/d.txt", "project-1.0/sub/c.txt=project-1.0/sub/c.txt"}));
    writeFile(path("dl/notes.txt"), "the user's own");
    ASSERT_EQ(run({"--extract-here", bomb, project, note}), 0);
    const QStringList twice = tree(path("dl"));
    for (const char *expected : {"bomb (2)/b.txt=b.txt", "project-1.0 (2)/d.txt=project-1.0/d.txt",
                                 "notes (2).txt=notes.txt", "notes.txt=the user's own"})
        EXPECT_TRUE(twice.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_EQ(twice.size(), 10);  // and no hidden folder left behind
    EXPECT_EQ(script->shown.size(), 0u);

    // Into another folder, named by a URL as a file manager passes it.
    ASSERT_EQ(run({"--extract-to", path("out"), QUrl::fromLocalFile(bomb).toString()}), 0);
    EXPECT_EQ(tree(path("out")), (QStringList{"bomb/b.txt=b.txt", "bomb/photos/a.jpg=photos/a.jpg"}));
}

TEST_F(BatchRunTest, AWrongPasswordIsAskedAgainAndCancelLeavesNothing)
{
    QDir().mkpath(path("dl"));
    const QString locked =
        writeArchive("dl/locked.zip",
                     ziptest::buildZip({ziptest::traditionalEncrypted(ziptest::stored("a.txt", "secret a"), "right"),
                                        ziptest::traditionalEncrypted(ziptest::stored("b.txt", "secret b"), "right")}));
    script->passwordAnswers = {{true, "wrong"}};  // then the box is cancelled
    EXPECT_EQ(run({"--extract-here", locked}), 1);
    EXPECT_EQ(passwordBoxes(), 2);
    EXPECT_EQ(tree(path("dl")), QStringList{});

    script->shown.clear();
    script->passwordAnswers = {{true, "wrong"}, {true, "right"}};
    EXPECT_EQ(run({"--extract-here", locked}), 0);
    EXPECT_EQ(passwordBoxes(), 2);
    EXPECT_EQ(tree(path("dl")), (QStringList{"locked/a.txt=secret a", "locked/b.txt=secret b"}));
}

TEST_F(BatchRunTest, ExtractAsksWhereOnceForEveryArchive)
{
    const QString bomb = archive("bomb.tar.gz", {"photos/a.jpg", "b.txt"});
    const QString note = archive("note.zip", {"notes.txt"});
    whenOpen<TExtract>([this](TExtract &dialog) {
        dialog.directoryTree->SelectPath(path("out"));
        dialog.intoFolderBox->setChecked(true);
        dialog.okClicked();
    });
    QDir().mkpath(path("out"));
    // An archive that cannot be read is said at the end; the others are extracted.
    EXPECT_EQ(run({"--extract", path("dl/gone.zip"), bomb, note}), 1);
    EXPECT_EQ(tree(path("out")),
              (QStringList{"bomb/b.txt=b.txt", "bomb/photos/a.jpg=photos/a.jpg", "note/notes.txt=notes.txt"}));
    EXPECT_EQ(lastShown().text, "No such archive: " + path("dl/gone.zip"));
}

TEST_F(BatchRunTest, CompressMakesAnArchivePeersReadAndReplacesOneOnlyWhenTold)
{
    writeFile(path("src/a.txt"), "a");
    writeFile(path("src/folder/b.txt"), "b");
    const QStringList files{path("src/a.txt"), path("src/folder")};
    QString proposed;
    const auto okAs = [&proposed](const QString &format, const QString &password) {
        return [&proposed, format, password](CompressForm &form) {
            proposed = form.nameEdit->text();
            form.formatBox->setCurrentIndex(form.formatBox->findData(format));
            form.passwordEdit->setText(password);
            form.confirmEdit->setText(password);
            form.accept();
        };
    };
    whenOpen<CompressForm>(okAs("zip", ""));
    ASSERT_EQ(run(QStringList{"--compress"} + files), 0);
    EXPECT_EQ(proposed, path("src/src.zip"));
    EXPECT_EQ(runTool({"unzip", "-tq", path("src/src.zip").toStdString()}).exitCode, 0);

    // The same name again: asked, and No keeps the archive there.
    const QByteArray first = readBytes(path("src/src.zip"));
    script->buttonAnswers = {1};
    whenOpen<CompressForm>(okAs("zip", "pw"));
    EXPECT_EQ(run(QStringList{"--compress"} + files), 1);
    EXPECT_EQ(lastShown().text, "Overwrite Existing File: " + path("src/src.zip") + "?");
    EXPECT_EQ(readBytes(path("src/src.zip")), first);
    // Yes replaces it, encrypted as asked.
    script->buttonAnswers = {0};
    whenOpen<CompressForm>(okAs("zip", "pw"));
    EXPECT_EQ(run(QStringList{"--compress"} + files), 0);
    open(path("src/src.zip"));
    EXPECT_TRUE(engine().Entries(0).Encrypted());

    // Another format chosen in the dialog renames the archive to match.
    whenOpen<CompressForm>(okAs("tar.gz", ""));
    EXPECT_EQ(run(QStringList{"--compress"} + files), 0);
    const RunResult listed = runTool({"bsdtar", "-tf", path("src/src.tar.gz").toStdString()});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_EQ(QString::fromStdString(listed.out).split('\n', Qt::SkipEmptyParts),
              (QStringList{"a.txt", "folder/", "folder/b.txt"}));
    EXPECT_EQ(tree(path("src")), (QStringList{"a.txt=a", "folder/b.txt=b"}));  // nothing hidden left
}

TEST_F(BatchRunTest, AddToMakesTheArchiveOrAddsToItWithoutAsking)
{
    writeFile(path("src/a.txt"), "a");
    writeFile(path("src/folder/b.txt"), "b");
    writeFile(path("other/c.txt"), "c");
    EXPECT_EQ(run({"--add-to", path("new.zip"), path("src/a.txt"), path("src/folder")}), 0);
    EXPECT_EQ(run({"--add-to", path("new.zip"), path("other/c.txt")}), 0);
    open(path("new.zip"));
    EXPECT_EQ(storedNames(), (std::vector<std::string>{"a.txt", "folder/", "folder/b.txt", "c.txt"}));
    EXPECT_EQ(messages(), QStringList{});

    // A name that says no format written here: refused, nothing made.
    EXPECT_EQ(run({"--add-to", path("new.rar"), path("src/a.txt")}), 1);
    EXPECT_TRUE(lastShown().text.startsWith(path("new.rar") + ": a name ending in .zip"));
    EXPECT_FALSE(QFileInfo::exists(path("new.rar")));
}
