#include "WindowFixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

void writeFile(const QString &path, const QByteArray &bytes, QFileDevice::Permissions permissions)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
    file.close();
    if (permissions)
        QFile::setPermissions(path, permissions);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString addWithEngine(const QString &archive, const QStringList &sources, AddOpts options, const QString &baseDir)
{
    TZipEngine engine;
    for (const QString &source : sources)
        engine.FileSpecs.push_back(QFile::encodeName(source).toStdString());
    engine.AddOptions = options;
    engine.AddBaseDir = QFile::encodeName(baseDir).toStdString();
    engine.setZipFilename(QFile::encodeName(archive).toStdString());
    engine.Add();
    EXPECT_EQ(engine.LastResult, int(sources.size()));
    return archive;
}

ziptest::Member dosMember(const QString &name, const QByteArray &data, uint16_t date, uint16_t time)
{
    ziptest::Member m = ziptest::stored(name.toStdString(), data.toStdString());
    m.modDate = date;
    m.modTime = time;
    m.madeBy = 20;  // DOS
    m.externalAttributes = 0;
    return m;
}

void WindowTest::SetUp()
{
    ensureApplication();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ASSERT_TRUE(dir.isValid() && cache.isValid());
    root = dir.path();
    savedDirectory = QDir::currentPath();
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    workDir = cache.path() + QStringLiteral("/orvex97/work/");
    script = platform::ScriptedPrompts::install();
    if (windowsAtSetUp_)
        openWindows();
}

void WindowTest::TearDown()
{
    windows.reset();
    platform::setPromptHandler(nullptr);
    EXPECT_EQ(QDir::currentPath(), savedDirectory);
    QDir::setCurrent(savedDirectory);
    qunsetenv("XDG_CACHE_HOME");
    QLocale::setDefault(QLocale::c());
}

WindowTest::~WindowTest()
{
    // The program has ended, and the sessions of a test with it: no copy of
    // a member is left behind.
    EXPECT_EQ(QDir(workDir).entryList({QStringLiteral("run-*")}, QDir::AllEntries | QDir::Hidden), QStringList{});
}

TMainform &WindowTest::openWindows(const QStringList &arguments)
{
    windows.reset();
    windows = ApplicationWindows::create(arguments);
    return form();
}

QStringList WindowTest::copiesLeft() const
{
    QStringList left;
    QDirIterator entries(workDir, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry(entries.next());
        if ((!entry.isDir() || entry.isSymLink()) && entry.fileName() != QLatin1String(".lock"))
            left << entry.filePath().mid(workDir.size());
    }
    return left;
}

QString WindowTest::writeArchive(const QString &name, const std::string &bytes) const
{
    const QString archive = path(name);
    writeFile(archive, QByteArray::fromStdString(bytes));
    return archive;
}

void WindowTest::open(const QString &archive)
{
    script->fileAnswers.push_back(archive);
    form().openArchiveCommand();
}

QString WindowTest::newArchive(const QString &name)
{
    script->fileAnswers.push_back(path(name));
    form().newArchiveFromToolbar();
    return path(name);
}

std::vector<QString> WindowTest::column(int col)
{
    std::vector<QString> texts;
    for (int row = 1; row < grid().RowCount(); ++row)
        texts.push_back(grid().Cells(col, row));
    return texts;
}

std::vector<std::string> WindowTest::storedNames()
{
    std::vector<std::string> names;
    for (int i = 0; i < engine().EntryCount(); ++i)
        names.push_back(engine().Entries(i).FileName);
    return names;
}
