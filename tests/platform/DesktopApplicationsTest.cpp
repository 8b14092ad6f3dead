// The desktop's applications for a file: desktop files read, Exec lines made
// into command lines, and the list Open with… offers, from folders the test
// writes (no environment of the machine's is read).
#include "platform/DesktopApplications.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::commandLine;

namespace {

void writeText(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray entry(const char *name, const char *mimeTypes, const char *more = "")
{
    return QByteArray("[Desktop Entry]\nType=Application\nName=") + name + "\nExec=" + name
           + " %f\nMimeType=" + mimeTypes + "\n" + more;
}

QStringList names(const std::vector<platform::DesktopApplication> &applications)
{
    QStringList out;
    for (const auto &application : applications)
        out << application.name;
    return out;
}

}  // namespace

TEST(DesktopApplications, ExecLinesBecomeTheProgramAndItsArguments)
{
    const QString file = QStringLiteral("/tmp/a b/n%te.txt");
    const QString url = QStringLiteral("file:///tmp/a%20b/n%25te.txt");
    const struct {
        const char *exec;
        QStringList command;
    } cases[] = {
        {"viewer %f", {"viewer", file}},
        {"viewer %F", {"viewer", file}},
        {"viewer %u", {"viewer", url}},
        {"viewer --new %U", {"viewer", "--new", url}},
        {"viewer", {"viewer", file}},  // no file code: the file comes last
        {"viewer --file=%f", {"viewer", "--file=" + file}},
        {"viewer %i %c %k %f", {"viewer", file}},
        {"viewer 100%% %f", {"viewer", "100%", file}},
        {"\"/opt/my app/bin\" \"a \\\"q\\\" b\" %f", {"/opt/my app/bin", "a \"q\" b", file}},
        {"viewer \"unclosed %f", {}},
        {"", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(commandLine(QString::fromUtf8(c.exec), file), c.command) << c.exec;
}

TEST(DesktopApplications, DesktopFilesAreReadFromTheirEntryGroup)
{
    const auto read = platform::parseDesktopEntry(
        "# comment\n[Desktop Entry]\nType=Application\nName=Viewer\nName[de]=Betrachter\nExec=view\\s%f\n"
        "TryExec=view\nMimeType=image/png;text/plain;\nNoDisplay=true\n[Desktop Action new]\nExec=other\n",
        "viewer.desktop");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->name, "Viewer");
    EXPECT_EQ(read->exec, "view %f");
    EXPECT_EQ(read->tryExec, "view");
    EXPECT_EQ(read->mimeTypes, (QStringList{"image/png", "text/plain"}));
    EXPECT_TRUE(read->noDisplay);
    EXPECT_FALSE(platform::parseDesktopEntry("[Desktop Entry]\nType=Link\nURL=x\n", "l.desktop"));
    EXPECT_FALSE(platform::parseDesktopEntry("[Desktop Entry]\nType=Application\nName=No exec\n", "n.desktop"));
}

TEST(DesktopApplications, TheListHoldsTheShownApplicationsForTheTypeTheDefaultFirst)
{
    QTemporaryDir dir;
    const QString home = dir.filePath("home"), system = dir.filePath("system"), config = dir.filePath("config");
    writeText(system + "/applications/zeta.desktop", entry("Zeta", "text/plain;"));
    writeText(system + "/applications/alpha.desktop", entry("Alpha", "text/x-csrc;"));  // a parent type matches
    writeText(system + "/applications/images.desktop", entry("Images", "image/png;"));
    writeText(system + "/applications/hidden.desktop", entry("Hidden", "text/plain;", "Hidden=true\n"));
    writeText(system + "/applications/nodisplay.desktop", entry("NoDisplay", "text/plain;", "NoDisplay=true\n"));
    writeText(system + "/applications/missing.desktop",
              entry("Missing", "text/plain;", "TryExec=/nonexistent/program\n"));
    writeText(system + "/applications/kde/editor.desktop", entry("Kde editor", "text/plain;"));
    // The user's own copy of an id wins over the system's; the user hid this one.
    writeText(system + "/applications/gone.desktop", entry("Gone", "text/plain;"));
    writeText(home + "/applications/gone.desktop", "[Desktop Entry]\nType=Application\nHidden=true\n");
    writeText(system + "/applications/mine.desktop", entry("System name", "text/plain;"));
    writeText(home + "/applications/mine.desktop", entry("My name", "text/plain;"));

    const QStringList types{"text/x-csrc", "text/plain"};
    const QStringList dataDirs{home, system};
    const auto withoutDefault = platform::applicationsFor(types, dataDirs, {config});
    EXPECT_EQ(names(withoutDefault), (QStringList{"Alpha", "Kde editor", "My name", "Zeta"}));
    EXPECT_FALSE(withoutDefault.front().isDefault);

    // The user's default for the most specific type comes first, by its id.
    writeText(config + "/mimeapps.list", "[Added Associations]\ntext/plain=alpha.desktop;\n[Default Applications]\n"
                                         "text/plain=notinstalled.desktop;kde-editor.desktop;\n");
    const auto withDefault = platform::applicationsFor(types, dataDirs, {config});
    EXPECT_EQ(names(withDefault), (QStringList{"Kde editor", "Alpha", "My name", "Zeta"}));
    EXPECT_TRUE(withDefault.front().isDefault);
}

TEST(DesktopApplications, AFileTypeComesWithTheTypesItDerivesFrom)
{
    QTemporaryDir dir;
    const QString source = dir.filePath("main.c");
    writeText(source, "int main(void) { return 0; }\n");
    const QStringList types = platform::mimeTypesOf(source);
    ASSERT_FALSE(types.isEmpty());
    EXPECT_EQ(types.front(), "text/x-csrc");
    EXPECT_TRUE(types.contains("text/plain"));
}
