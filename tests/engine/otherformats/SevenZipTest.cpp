// 7z archives read through 7-Zip's program: what libarchive cannot read
// (encrypted data and names, the ARM64 and RISC-V filters) and the plain
// kinds, each entry's data checked against what was put in.
#include "OtherFormatsTesting.h"

#include "engine/otherformats/SevenZipCursor.h"

#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <map>
#include <sys/stat.h>

using namespace otherformats;
using namespace otherformats_test;

namespace {

struct Walked {
    std::map<std::string, std::string> files;  // name: data, or a link's "-> target", a folder's "/"
    std::vector<Problem> problems;
    bool opened = false;
};

Walked walk(const std::string &archive, std::optional<std::string> password,
            const DataWanted &wanted = DataWanted::all())
{
    Walked walked;
    ReadOptions options;
    options.password = std::move(password);
    Problem problem;
    const auto cursor = SevenZipCursor::open(sevenZipProgram(), archive, options, wanted, problem);
    if (!cursor) {
        walked.problems.push_back(problem);
        return walked;
    }
    walked.opened = true;
    for (uint64_t index = 0;; ++index) {
        const EntryCursor::Next next = cursor->next();
        if (next == EntryCursor::Next::End)
            break;
        if (next != EntryCursor::Next::Entry) {
            walked.problems.push_back(next == EntryCursor::Next::Failed ? cursor->failure() : cursor->unreadable());
            continue;
        }
        const Entry &entry = cursor->entry();
        if (entry.kind == EntryKind::Directory) {
            walked.files[entry.name] = "/";
            continue;
        }
        if (entry.kind == EntryKind::Symlink) {
            walked.files[entry.name] = "-> " + entry.linkTarget;
            continue;
        }
        if (!wanted.wants(index))
            continue;
        std::string data;
        for (DataStep step = cursor->readBlock(); step.kind != DataStep::Kind::End; step = cursor->readBlock()) {
            if (step.kind == DataStep::Kind::Failed) {
                walked.problems.push_back(step.problem);
                data = "(failed)";
                break;
            }
            EXPECT_EQ(step.offset, data.size());
            data.append(static_cast<const char *>(step.data), step.size);
        }
        walked.files[entry.name] = data;
    }
    return walked;
}

class SevenZip : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (sevenZipProgram().empty())
            GTEST_SKIP() << "7zz (the 7zip package) reads these archives";
        ziptest::makeDirs(source.file("dir/sub"));
        expected["dir"] = expected["dir/sub"] = "/";
        expected["a.txt"] = "hello\n";
        source.write("a.txt", "hello\n");
        expected["empty"] = "";
        source.write("empty", "");
        expected["dir/text.txt"] = ziptest::textData(300000, 2);
        source.write("dir/text.txt", expected["dir/text.txt"]);
        expected["dir/sub/random.bin"] = ziptest::randomData(70000, 3);
        source.write("dir/sub/random.bin", expected["dir/sub/random.bin"]);
        ASSERT_TRUE(make("ln -s ../a.txt dir/link", source.path()));
        expected["dir/link"] = "-> ../a.txt";
    }

    // The archive made by 7zz with `options`, of everything in the source;
    // empty when this 7zz has no such option (a filter newer than it).
    std::string archive(const std::string &options)
    {
        const std::string path = out.file("a" + std::to_string(++made) + ".7z");
        return make("7zz a -snl " + options + " " + path + " .", source.path()) ? path : std::string();
    }

    ziptest::TempDir source, out;
    std::map<std::string, std::string> expected;
    int made = 0;
};

}  // namespace

TEST_F(SevenZip, EveryKindOfArchiveReadsWhole)
{
    struct Case {
        const char *options;
        std::optional<std::string> password;
    };
    const Case cases[] = {
        {"", {}},                                // solid, several files in one block
        {"-ms=off", {}},                         // a block per file
        {"-mf=ARM64", {}},                       // filters libarchive does not read
        {"-mf=RISCV", {}},                       //
        {"-ppässwort", "pässwort"},              // the data encrypted
        {"-psecret -mhe=on", "secret"},          // the names too
        {"-psecret -mhe=on -ms=off", "secret"},  //
    };
    for (const Case &c : cases) {
        const std::string path = archive(c.options);
        if (path.empty()) {
            std::printf("skipped %s: this 7zz does not make it\n", c.options);
            continue;
        }
        const Walked walked = walk(path, c.password);
        EXPECT_TRUE(walked.problems.empty()) << c.options << ": " << walked.problems.front().text;
        EXPECT_EQ(walked.files, expected) << c.options;
    }
}

TEST_F(SevenZip, ChosenEntriesReadAndTheOthersArePassedOver)
{
    const std::string path = archive("-psecret");
    ASSERT_FALSE(path.empty());
    // Listing order: folders and empty files first, then the data in the
    // order it was stored; choose every other entry.
    ReadOptions options;
    Problem problem;
    const auto listed = SevenZipCursor::open(sevenZipProgram(), path, options, DataWanted::none(), problem);
    ASSERT_TRUE(listed);
    DataWanted chosen{DataWanted::Kind::Chosen, {}};
    std::vector<std::string> names;
    for (uint64_t i = 0; listed->next() == EntryCursor::Next::Entry; ++i) {
        names.push_back(listed->entry().name);
        if (i % 2 == 1)
            chosen.chosen.insert(i);
    }
    const Walked walked = walk(path, "secret", chosen);
    EXPECT_TRUE(walked.problems.empty());
    for (uint64_t i = 0; i < names.size(); ++i) {
        const std::string &name = names[i];
        if (chosen.wants(i) || expected[name] == "/" || expected[name].starts_with("-> "))
            EXPECT_EQ(walked.files.at(name), expected[name]) << name;
        else
            EXPECT_EQ(walked.files.count(name), 0u) << name;
    }
}

TEST_F(SevenZip, WithoutTheRightPasswordNothingIsRead)
{
    struct Case {
        const char *options;
        std::optional<std::string> password;
        bool opens;  // the names are not encrypted
    };
    const Case cases[] = {
        {"-psecret", "wrong", true},
        {"-psecret", {}, true},
        {"-psecret -mhe=on", "wrong", false},
        {"-psecret -mhe=on", {}, false},
        {"-psecret -mhe=on", "secret\nsecret", false},
    };
    for (const Case &c : cases) {
        const std::string path = archive(c.options);
        ASSERT_FALSE(path.empty()) << c.options;
        const Walked walked = walk(path, c.password);
        EXPECT_EQ(walked.opened, c.opens) << c.options;
        ASSERT_FALSE(walked.problems.empty()) << c.options;
        for (const Problem &problem : walked.problems)
            EXPECT_EQ(problem.kind, ProblemKind::Encrypted) << c.options << ": " << problem.text;
        if (c.password && c.password->find('\n') == std::string::npos) {
            EXPECT_NE(walked.problems.front().text.find("wrong password"), std::string::npos);
        }
        for (const auto &[name, data] : walked.files)
            EXPECT_TRUE(data == "(failed)" || data == "" || expected[name] == data) << name;
    }
}

TEST_F(SevenZip, DamagedDataFailsItsCheckAndNothingWrongIsGiven)
{
    for (const char *options : {"", "-ms=off"}) {
        const std::string path = archive(options);
        ASSERT_FALSE(path.empty()) << options;
        // Flip bytes well inside the packed data, past the signature header.
        std::string bytes = ziptest::readFile(path);
        for (size_t i = 2000; i < 2400; ++i)
            bytes[i] = char(bytes[i] ^ 0x5a);
        ziptest::writeFile(path, bytes);
        const Walked walked = walk(path, {});
        ASSERT_FALSE(walked.problems.empty()) << options;
        for (const Problem &problem : walked.problems)
            EXPECT_EQ(problem.kind, ProblemKind::Damaged) << options << ": " << problem.text;
        for (const auto &[name, data] : walked.files)
            EXPECT_TRUE(data == "(failed)" || expected[name] == data) << options << " " << name;
    }
}

TEST_F(SevenZip, CancelInsideAnEntryStopsSevenZipAndLeavesNoTemporaryFile)
{
    const std::string path = archive("-psecret");
    ASSERT_FALSE(path.empty());
    ziptest::TempDir target;
    std::atomic<bool> cancel{false};
    ExtractOptions options;
    options.target = target.path();
    options.read.password = "secret";
    options.read.cancel = &cancel;
    options.read.progress = [&](const Progress &progress) {
        if (progress.entry == "dir/text.txt" && progress.entryBytes > 0)
            cancel = true;
    };
    const ExtractResult result = extract(path, options);
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(ziptest::exists(target / "dir/text.txt"));
    EXPECT_TRUE(temporaryFiles(target.path()).empty());
}

TEST_F(SevenZip, ASevenZipThatWillNotRunLeavesThePlainArchiveToLibarchive)
{
    const std::string path = archive("");
    ASSERT_FALSE(path.empty());
    // A 7zz on the path whose interpreter does not exist.
    ziptest::TempDir bin;
    ziptest::writeFile(bin / "7zz", "#!/nonexistent/interpreter\n");
    ASSERT_EQ(::chmod((bin / "7zz").c_str(), 0755), 0);
    struct Path {
        std::string saved = std::getenv("PATH");
        explicit Path(const std::string &first) { ::setenv("PATH", (first + ":" + saved).c_str(), 1); }
        ~Path() { ::setenv("PATH", saved.c_str(), 1); }
    } broken(bin.path());
    const Listing listing = list(path);
    EXPECT_TRUE(listing.complete) << (listing.problems.empty() ? "" : listing.problems.front().text);
    EXPECT_EQ(listing.entries.size(), expected.size());
}
