// Open with… and the edits other programs make to a member's working copy,
// offered back to the archive; headless, with scripted prompts and the real
// engine libraries. The watch is driven by calling its look at the copy
// right after the test has written it: nothing waits on the clock.
#include "WindowFixture.h"
#include "app/ExternalEditWatch.h"
#include "engine/ArchiveLock.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

class ExternalEdit : public WindowTest {
protected:
    // notes.txt ("first") and docs/b.txt ("bee"), opened in the window.
    QString openSample()
    {
        const QString archive = writeArchive(
            "e.zip", ziptest::buildZip({ziptest::fileEntry("notes.txt", "first"), ziptest::dirEntry("docs/"),
                                        ziptest::fileEntry("docs/b.txt", "bee")}));
        open(archive);
        script->shown.clear();
        return archive;
    }
    // Opens the member on `row` with the default application; its copy's path.
    QString openWithDefault(int row)
    {
        selectRows(row, row);
        script->openedWithDefaultApplication.clear();
        form().openWithDefaultCommand();
        EXPECT_EQ(script->openedWithDefaultApplication.size(), 1u) << messages().join('|').toStdString();
        return script->openedWithDefaultApplication.empty() ? QString() : script->openedWithDefaultApplication[0];
    }
    // What the other program does: writes the copy, and the watch looks.
    void saveInOtherProgram(const QString &copy, const QByteArray &bytes)
    {
        writeFile(copy, bytes);
        watch().check(copy);
    }
    ExternalEditWatch &watch() { return form().session().externalEdits(); }

    // A member's data as another extraction finds it.
    QByteArray memberData(const QString &archive, const QString &name)
    {
        QTemporaryDir out;
        TZipEngine reader;
        reader.setZipFilename(archive.toStdString());
        reader.ExtrBaseDir = out.path().toStdString();
        reader.ExtrOptions = ExtrOpts{ExtrDirNames, ExtrOverWrite};
        reader.FileSpecs = {name.toStdString()};
        reader.Extract();
        return readBytes(out.filePath(name));
    }
    static QString question(const QString &name)
    {
        return name + " was changed in another program. Update it in the archive?";
    }
};

}  // namespace

TEST_F(ExternalEdit, AChangeIsAskedAboutOnceAndYesPutsItBack)
{
    const struct {
        const char *member;
        int row;
        int answer;  // 0 Yes, 1 No
        QByteArray stored;
    } cases[] = {
        {"notes.txt", 1, 0, "changed"},
        {"notes.txt", 1, 1, "first"},
        {"docs/b.txt", 3, 0, "changed"},  // back under its stored name, not at the root
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.member) + (c.answer == 0 ? " yes" : " no"));
        const QString archive = openSample();
        const QString copy = openWithDefault(c.row);
        ASSERT_TRUE(watch().isWatching(copy));
        // Looked at before any change: nothing to ask.
        watch().check(copy);
        EXPECT_TRUE(script->shown.empty());
        script->buttonAnswers = {c.answer};
        saveInOtherProgram(copy, "changed");
        ASSERT_FALSE(script->shown.empty());
        EXPECT_EQ(script->shown.front().text, question(c.member));
        // The second write of the same save, and the folder's own report of it.
        watch().check(copy);
        watch().check(QFileInfo(copy).absolutePath());
        EXPECT_EQ(messages().count(question(c.member)), 1);
        EXPECT_EQ(memberData(archive, c.member), c.stored);
        EXPECT_EQ(storedNames(), (std::vector<std::string>{"notes.txt", "docs/", "docs/b.txt"}));
    }
}

TEST_F(ExternalEdit, ALaterSaveIsAskedAboutAgainAndAFileRenamedOverTheCopyCounts)
{
    const QString archive = openSample();
    const QString copy = openWithDefault(1);
    script->buttonAnswers = {0};
    saveInOtherProgram(copy, "second");
    EXPECT_EQ(memberData(archive, "notes.txt"), "second");
    // As editors save: a new file renamed over the copy (gone after the write-back).
    writeFile(copy + ".tmp", "third");
    ASSERT_TRUE(QFile::rename(copy + ".tmp", copy));
    script->buttonAnswers = {0};
    watch().check(QFileInfo(copy).absolutePath());
    EXPECT_EQ(messages().count(question("notes.txt")), 2);
    EXPECT_EQ(memberData(archive, "notes.txt"), "third");
}

TEST_F(ExternalEdit, AnotherArchiveEndsTheWatch)
{
    openSample();
    const QString copy = openWithDefault(1);
    open(writeArchive("other.zip", ziptest::buildZip({ziptest::fileEntry("x.txt", "x")})));
    EXPECT_FALSE(watch().isWatching(copy));
    script->shown.clear();
    writeFile(copy, "changed");
    watch().check(copy);
    EXPECT_TRUE(script->shown.empty());
    // The other program may still have it open: the copy stays.
    EXPECT_TRUE(QFile::exists(copy));
}

TEST_F(ExternalEdit, AWriteBackThatFailsKeepsTheCopyAndSaysWhere)
{
    const QString archive = openSample();
    const QString copy = openWithDefault(1);
    // Another program is changing the archive: the add is refused.
    orvex::ArchiveLock otherWriter;
    ASSERT_EQ(otherWriter.lock(archive.toStdString(), false), orvex::ArchiveLock::Locked);
    script->buttonAnswers = {0, 0, 0};
    saveInOtherProgram(copy, "changed");
    otherWriter.unlock();
    ASSERT_FALSE(messages().isEmpty());
    EXPECT_TRUE(messages().back().startsWith("Your changes to \"notes.txt\" were not written into " + archive))
        << messages().join('|').toStdString();
    EXPECT_TRUE(messages().back().endsWith("They are kept in " + copy + "."));
    EXPECT_EQ(readBytes(copy), "changed");
    EXPECT_EQ(memberData(archive, "notes.txt"), "first");
}

TEST_F(ExternalEdit, OpenWithGivesTheChosenProgramTheCopyAndWatchesIt)
{
    const QString archive = openSample();
    QAction *openWith = form().menuAction("openWithAction");
    ASSERT_NE(openWith, nullptr);
    EXPECT_EQ(openWith->text(), "Open &with…");
    EXPECT_EQ(openWith->parent()->objectName(), "actionsMenu");

    // A program of the test's that notes the path it was given.
    const QString marker = path("marker");
    writeFile(path("bin/note"), "#!/bin/sh\nprintf '%s' \"$1\" > '" + marker.toUtf8() + "'\n",
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    script->runStartedApplications = true;
    script->applicationAnswers = {"\"" + path("bin/note") + "\" %f"};
    selectRows(1, 1);
    openWith->trigger();
    ASSERT_EQ(script->startedApplications.size(), 1u) << messages().join('|').toStdString();
    const QString copy = readBytes(marker);
    EXPECT_TRUE(copy.startsWith(workDir) && copy.endsWith("/notes.txt")) << copy.toStdString();
    EXPECT_EQ(script->shown.front().kind, platform::PromptRecord::Kind::ChooseApplication);
    EXPECT_EQ(script->shown.front().text, "notes.txt");

    script->buttonAnswers = {0};
    saveInOtherProgram(copy, "by the other program");
    EXPECT_EQ(memberData(archive, "notes.txt"), "by the other program");

    // A program that saves before it returns (a command that only writes the
    // copy) is seen too: the watch began before it started.
    writeFile(path("bin/save"), "#!/bin/sh\nprintf 'saved at once' > \"$1\"\n",
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    script->applicationAnswers = {"\"" + path("bin/save") + "\" %f"};
    script->buttonAnswers = {0};
    openWith->trigger();
    ASSERT_EQ(script->startedApplications.size(), 2u) << messages().join('|').toStdString();
    watch().check(script->startedApplications.back().back());
    EXPECT_EQ(messages().count(question("notes.txt")), 2);
    EXPECT_EQ(memberData(archive, "notes.txt"), "saved at once");

    // Cancelled: nothing starts, and no copy is kept for it.
    const QStringList before = copiesLeft();
    script->startedApplications.clear();
    openWith->trigger();
    EXPECT_TRUE(script->startedApplications.empty());
    EXPECT_EQ(copiesLeft(), before);
}
