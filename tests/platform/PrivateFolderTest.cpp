// Removing copies' folders and checking the working folder: never through a
// link, whatever the path's form, however deep the tree.
#include "platform/PrivateFolder.h"
#include "support/Files.h"

#include <QString>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using ziptest::TempDir;

namespace {

QString q(const std::string &path)
{
    return QString::fromStdString(path);
}

// A folder of the user's that a link may lead to, with what must outlive
// every removal here.
struct UserFolder {
    explicit UserFolder(const TempDir &dir) : path(dir / "Documents")
    {
        ziptest::makeDirs(path + "/sub");
        ziptest::writeFile(path + "/notes.txt", "mine");
        ziptest::writeFile(path + "/sub/more.txt", "mine too");
        ::chmod((path + "/sub").c_str(), 0500);
        before = ziptest::treeContents(path);
    }
    ~UserFolder() { ::chmod((path + "/sub").c_str(), 0700); }
    bool untouched() const
    {
        return ziptest::treeContents(path) == before && (ziptest::statOf(path + "/sub").st_mode & 07777) == 0500;
    }
    std::string path;
    std::map<std::string, std::string> before;
};

}  // namespace

TEST(PrivateFolder, RemovalTakesLinksAwayAndNeverWhatTheyLeadTo)
{
    TempDir dir;
    const UserFolder documents(dir);
    // The path names the link, with and without a final slash, or a folder
    // that holds one among copies it cannot write.
    ASSERT_EQ(::symlink(documents.path.c_str(), (dir / "link").c_str()), 0);
    ziptest::makeDirs(dir / "copies/deep");
    ziptest::writeFile(dir / "copies/deep/copy.txt", "plain");
    ASSERT_EQ(::symlink(documents.path.c_str(), (dir / "copies/deep/link").c_str()), 0);
    ::chmod((dir / "copies/deep").c_str(), 0500);
    ::chmod((dir / "copies").c_str(), 0);
    for (const std::string &path : {dir / "link/", dir / "copies/"}) {
        EXPECT_TRUE(platform::removeTree(q(path))) << path;
        EXPECT_FALSE(ziptest::exists(path.substr(0, path.size() - 1))) << path;
        EXPECT_TRUE(documents.untouched()) << path;
    }
    EXPECT_TRUE(platform::removeTree(q(dir / "missing/")));
}

TEST(PrivateFolder, ATreeDeeperThanTheOpenFilesAllowedIsRemoved)
{
    TempDir dir;
    std::string path = dir / "top";
    ziptest::makeDirs(path);
    int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY);
    for (int level = 0; level < 300; ++level) {
        ASSERT_EQ(::mkdirat(fd, "d", 0700), 0);
        const int next = ::openat(fd, "d", O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = next;
    }
    ::close(::openat(fd, "copy.txt", O_WRONLY | O_CREAT, 0600));
    ::close(fd);
    rlimit saved{};
    ::getrlimit(RLIMIT_NOFILE, &saved);
    rlimit low = saved;
    low.rlim_cur = 64;
    ::setrlimit(RLIMIT_NOFILE, &low);
    const bool removed = platform::removeTree(q(path));
    ::setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_TRUE(removed);
    EXPECT_FALSE(ziptest::exists(path));
}

TEST(PrivateFolder, OnlyAFolderOfTheUsersAloneIsPrivate)
{
    TempDir dir;
    const UserFolder documents(dir);
    ASSERT_EQ(::symlink(documents.path.c_str(), (dir / "link").c_str()), 0);
    ziptest::makeDirs(dir / "open");
    ::chmod((dir / "open").c_str(), 0755);
    ziptest::writeFile(dir / "file", "");
    const struct {
        std::string path;
        const char *refusal;
    } cases[] = {
        {dir / "link/", "is a link"},
        {dir / "open", "has mode 0755, not 0700"},
        {dir / "file/", "is not a folder"},
    };
    for (const auto &c : cases) {
        QString refusal;
        EXPECT_EQ(platform::makePrivateFolder(q(c.path), refusal), -1) << c.path;
        EXPECT_EQ(refusal, QString::fromLatin1(c.refusal)) << c.path;
    }
    EXPECT_EQ(ziptest::statOf(dir / "open").st_mode & 07777, 0755u);
    EXPECT_TRUE(documents.untouched());
    QString refusal;
    const int made = platform::makePrivateFolder(q(dir / "new/work/"), refusal);
    EXPECT_GE(made, 0) << refusal.toStdString();
    ::close(made);
    EXPECT_EQ(ziptest::statOf(dir / "new/work").st_mode & 07777, 0700u);
}
