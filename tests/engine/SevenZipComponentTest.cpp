// The archive component over 7z archives that 7-Zip's program reads: a
// password asked while it is refused, for encrypted names before the
// listing and for encrypted data before the reading, the names' kept for
// every later reading; no question where nothing is encrypted.
#include "engine/EntryStream.h"
#include "engine/ZipEngine.h"
#include "engine/common/MessageCode.h"
#include "engine/otherformats/SevenZipRun.h"
#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

namespace {

// What a conversion reads: each entry's data, and the questions asked.
struct Collected : orvex::EntrySink, orvex::ArchiveEvents {
    std::map<std::string, std::string> files;
    std::string current;
    int asked = 0;
    bool begin(const orvex::StreamEntry &entry) override
    {
        current = entry.name;
        files[current];
        return true;
    }
    bool data(const void *bytes, size_t length) override
    {
        files[current].append(static_cast<const char *>(bytes), length);
        return true;
    }
    bool end(bool) override { return true; }
    void progress(ProgressType, const std::string &, int64_t) override {}
    void readProgress(int64_t, int64_t, int64_t) override {}
    void message(int, const std::string &) override {}
    void notice(const std::string &) override {}
    orvex::PasswordAnswer password(const std::string &, int, std::string &) override
    {
        ++asked;
        return orvex::PasswordAnswer::Cancel;
    }
    bool stopRequested() const override { return false; }
};

// a.txt, dir/b.txt, dir/c.bin and the folder dir/.
class SevenZipComponent : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (otherformats::sevenZipProgram().empty())
            GTEST_SKIP() << "7zz (the 7zip package) reads these archives";
        ziptest::makeDirs(dir / "src/dir");
        ziptest::writeFile(dir / "src/a.txt", ziptest::textData(100000));
        ziptest::writeFile(dir / "src/dir/b.txt", "bee");
        ziptest::writeFile(dir / "src/dir/c.bin", ziptest::randomData(5000));
        engine.OnMessage = [&](TZipEngine &, int code, const std::string &text) { messages.emplace_back(code, text); };
        engine.OnPassword = [&](const std::string &, int attempt, std::string &password) {
            attempts.push_back(attempt);
            if (answers.empty())
                return orvex::PasswordAnswer::Cancel;
            password = answers.front();
            answers.erase(answers.begin());
            return orvex::PasswordAnswer::Given;
        };
    }

    std::string archive(const std::string &options)
    {
        const std::string path = dir / ("a" + std::to_string(++made) + ".7z");
        EXPECT_EQ(ziptest::sh("7zz a " + options + " " + path + " a.txt dir >/dev/null", dir / "src"), 0);
        return path;
    }

    // Extracts everything into a fresh folder and says what it holds.
    std::map<std::string, std::string> extracted()
    {
        const std::string out = dir / ("out" + std::to_string(++made));
        ziptest::makeDirs(out);
        engine.ExtrBaseDir = out;
        engine.ExtrOptions = {ExtrDirNames};
        engine.Extract();
        return ziptest::treeContents(out);
    }

    ziptest::TempDir dir;
    TZipEngine engine;
    std::vector<std::pair<int, std::string>> messages;
    std::vector<std::string> answers;  // the passwords given, one a question
    std::vector<int> attempts;         // of each question
    int made = 0;
};

}  // namespace

TEST_F(SevenZipComponent, EncryptedNamesAskUntilTheRightPasswordWhichServesEveryLaterReading)
{
    const std::string path = archive("-psecret -mhe=on");
    answers = {"wrong", "secret"};
    engine.setZipFilename(path);
    EXPECT_EQ(attempts, (std::vector<int>{1, 2}));
    ASSERT_EQ(engine.EntryCount(), 4);

    engine.Test();
    EXPECT_EQ(engine.LastResult, 3);
    EXPECT_EQ(engine.LastTestFailures, 0);
    const auto files = extracted();
    EXPECT_EQ(files.at("dir/b.txt"), "bee");
    EXPECT_EQ(files.at("a.txt"), ziptest::textData(100000));
    EXPECT_EQ(attempts.size(), 2u) << "asked again after the listing";
    Collected converted;
    engine.ReadEntries(converted, converted);
    EXPECT_EQ(converted.asked, 0);
    EXPECT_EQ(converted.files["dir/c.bin"], ziptest::randomData(5000));
}

TEST_F(SevenZipComponent, CancelAtThePasswordOfEncryptedNamesKeepsTheArchiveBefore)
{
    const std::string plain = archive("");
    engine.setZipFilename(plain);
    EXPECT_THROW(engine.setZipFilename(archive("-psecret -mhe=on")), EReadCancelled);
    EXPECT_EQ(engine.ZipFilename(), plain);
    EXPECT_EQ(attempts, (std::vector<int>{1}));
}

TEST_F(SevenZipComponent, EncryptedDataAsksOnlyWhenThereIsSomeAndAgainWhileThePasswordIsWrong)
{
    struct Case {
        const char *options;
        std::vector<std::string> answers;
        size_t asked;
        size_t written;
    };
    const Case cases[] = {
        {"", {}, 0, 3},
        {"-ms=off", {}, 0, 3},
        {"-psecret", {"secret"}, 1, 3},
        {"-psecret", {"wrong", "secret"}, 2, 3},
        {"-psecret -ms=off", {"wrong", "wrong", "secret"}, 3, 3},
        {"-psecret", {"wrong"}, 2, 0},  // then Cancel
    };
    const std::map<std::string, std::string> expected{
        {"a.txt", ziptest::textData(100000)}, {"dir/b.txt", "bee"}, {"dir/c.bin", ziptest::randomData(5000)}};
    for (const Case &c : cases) {
        attempts.clear();
        messages.clear();
        answers = c.answers;
        engine.setZipFilename(archive(c.options));
        const auto files = extracted();
        EXPECT_EQ(attempts.size(), c.asked) << c.options;
        EXPECT_EQ(files.size(), c.written) << c.options;
        for (const auto &[name, data] : files)
            EXPECT_EQ(data, expected.at(name)) << c.options << " " << name;
    }
}

TEST_F(SevenZipComponent, WithoutSevenZipAnEncrypted7zSaysThatReadingItNeedsIt)
{
    const std::string names = archive("-psecret -mhe=on"), data = archive("-psecret");
    struct Path {
        std::string saved = std::getenv("PATH");
        Path() { ::setenv("PATH", "/nonexistent", 1); }
        ~Path() { ::setenv("PATH", saved.c_str(), 1); }
    } withoutSevenZip;
    try {
        engine.setZipFilename(names);
        ADD_FAILURE() << "encrypted names listed";
    } catch (const EZipError &error) {
        EXPECT_NE(std::string(error.what()).find("the 7zip package"), std::string::npos) << error.what();
    }
    EXPECT_TRUE(attempts.empty()) << "no password is asked that nothing here can use";

    answers = {"secret"};
    engine.setZipFilename(data);
    EXPECT_TRUE(extracted().empty());
    ASSERT_FALSE(messages.empty());
    EXPECT_NE(messages.front().second.find("the 7zip package"), std::string::npos) << messages.front().second;
}
