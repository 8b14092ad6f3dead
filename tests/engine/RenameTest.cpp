// Renaming members: the plan (which members, which names, which refusals),
// and the rename through the component and the real library: headers
// rewritten for the new name, data and encryption as they were, and an
// archive that a refusal, a cancel or a failure leaves byte for byte.

#include "engine/ArchiveSummary.h"
#include "engine/ZipEngine.h"
#include "engine/zipformat/MemberTable.h"
#include "engine/zipformat/RenamePlan.h"

#include "support/ArchiveBuilder.h"
#include "support/ArchiveReading.h"
#include "support/Files.h"
#include "support/HandBuiltArchives.h"
#include "support/Run.h"
#include "support/TarBuilder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <map>
#include <sys/resource.h>

using namespace ziptest;

namespace {

std::vector<std::string> renamedNames(const zipformat::RenamePlan &plan)
{
    std::vector<std::string> names;
    for (const auto &[index, name] : plan.renamed)
        names.push_back(name);
    return names;
}

}  // namespace

TEST(RenamePlan, ANewNameIsRefusedWhenExtractionWouldRefuseOrChangeIt)
{
    const struct {
        std::string name;
        bool refused;
    } cases[] = {
        {"a.txt", false},
        {"dir/a.txt", false},
        {"dir/", false},
        {"\xC3\xA4.txt", false},
        {"", true},
        {"/etc/passwd", true},
        {"../up.txt", true},
        {"a/../../b", true},
        {"C:/x.txt", true},
        {"c:x.txt", true},
        {"a//b", true},
        {"./a", true},
        {"a/./b", true},
        {"a\\..\\b", true},
        {"a\\b", true},
        {std::string("a\0b", 3), true},
        {std::string(70000, 'n'), true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(!zipformat::refusedNewName(c.name).empty(), c.refused) << c.name.substr(0, 20);
}

TEST(RenamePlan, AFolderGoesByPrefixAndCollisionsAreRefusedWithTheName)
{
    const std::vector<std::string> names = {"docs/",     "docs/a.txt", "docs/sub/", "docs/sub/b.txt",
                                            "docsx.txt", "top.txt",    "z/"};
    const struct {
        std::vector<std::string> names;
        std::string from, to;
        std::vector<std::string> renamed;  // when the plan holds
        std::string refusal;               // a part of it, when refused
    } cases[] = {
        {names, "top.txt", "new.txt", {"new.txt"}, ""},
        {names, "docs/", "papers", {"papers/", "papers/a.txt", "papers/sub/", "papers/sub/b.txt"}, ""},
        {names, "docs/", "docs/sub/", {"docs/sub/", "docs/sub/a.txt", "docs/sub/sub/", "docs/sub/sub/b.txt"}, ""},
        {names, "docs/sub/", "deep/er/", {"deep/er/", "deep/er/b.txt"}, ""},
        {names, "top.txt", "top.txt", {}, ""},
        {names, "top.txt", "docsx.txt", {}, "\"docsx.txt\" is already in the archive"},
        {names, "docs/", "z/", {}, "\"z/\" is already in the archive"},
        {names, "top.txt", "docs", {}, "\"docs\" would be the name of a file and of a folder"},
        {names, "docs/", "top.txt", {}, "\"top.txt\" would be the name of a file and of a folder"},
        {names, "top.txt", "docsx.txt/in.txt", {}, "\"docsx.txt\" would be the name of a file and of a folder"},
        {{"d/x", "d/x", "e/"}, "d/", "f/", {}, "two members would be named \"f/x\""},
        {names, "top.txt", "sub/", {}, "a file's name cannot end in '/'"},
        {names, "top.txt", "../top.txt", {}, "leads outside"},
        {names, "docs/", "/abs/", {}, "absolute"},
        {names, "nothere.txt", "x.txt", {}, "no member has that name"},
        {names, "empty/", "full/", {}, "no member is in that folder"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.from + " -> " + c.to);
        const zipformat::RenamePlan plan = zipformat::planRename(c.names, c.from, c.to);
        if (c.refusal.empty()) {
            EXPECT_FALSE(plan.refused()) << plan.refusal;
            EXPECT_EQ(renamedNames(plan), c.renamed);
        } else {
            EXPECT_NE(plan.refusal.find(c.refusal), std::string::npos) << plan.refusal;
            EXPECT_TRUE(plan.renamed.empty());
        }
    }
}

namespace {

const std::string Password = "rename pw";

class RenameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ArchiveBuilder builder;
        builder.add(dirEntry("docs/"));
        Member deflated = fileEntry("docs/a.txt", textData(40000, 1));
        deflated.deferred = true;  // sizes in a ZIP64 data descriptor
        deflated.zip64 = true;
        builder.add(deflated);
        builder.add(traditionalEncrypted(streamed("docs/b.txt", textData(3000, 2)), Password));
        builder.add(aesEncrypted(fileEntry("docs/c.txt", textData(5000, 3)), Password));
        Member keep = stored("keep.txt", "kept");
        keep.localExtra = keep.centralExtra = unicodePathField("keep.txt", "keep.txt");
        builder.add(keep);
        builder.add(fileEntry("big.bin", randomData(300000, 4), 0));
        archive_ = dir_.write("t.zip", builder.build());
        bytes_ = readFile(archive_);
        contents_ = {{"docs/a.txt", textData(40000, 1)},
                     {"docs/b.txt", textData(3000, 2)},
                     {"docs/c.txt", textData(5000, 3)},
                     {"keep.txt", "kept"},
                     {"big.bin", randomData(300000, 4)}};

        engine_.MessageSink = [this](const std::string &text) { notices_.push_back(text); };
        engine_.OnMessage = [this](TZipEngine &, int code, const std::string &text) {
            if (code > 0)
                errors_.push_back(text);
        };
        engine_.OnPassword = [](const std::string &, int attempt, std::string &given) {
            given = Password;
            return attempt == 1 ? TZipEngine::PasswordAnswer::Given : TZipEngine::PasswordAnswer::Cancel;
        };
        engine_.setZipFilename(archive_);
        ASSERT_EQ(engine_.EntryCount(), 6);
    }

    std::vector<std::string> listedNames() const
    {
        std::vector<std::string> names;
        for (int i = 0; i < engine_.EntryCount(); ++i)
            names.push_back(engine_.Entries(i).FileName);
        return names;
    }
    // What our own extraction writes, with the password for the encrypted ones.
    std::map<std::string, std::string> extracted()
    {
        const std::string target = dir_ / ("out" + std::to_string(++extractions_));
        makeDirs(target);
        engine_.ExtrBaseDir = target;
        engine_.ExtrOptions = {ExtrDirNames};
        engine_.Extract();
        std::map<std::string, std::string> files;
        for (const auto &[name, data] : treeContents(target))
            if (!name.ends_with('/'))
                files[name] = data;
        return files;
    }
    void expectUntouched()
    {
        EXPECT_EQ(engine_.LastResult, 0);
        EXPECT_EQ(readFile(archive_), bytes_);
        EXPECT_EQ(listDir(dir_.path()), std::vector<std::string>{"t.zip"});  // no temporary archive left
    }

    // Runs `change` with a file-size limit below the archive's size, which
    // fails its writes part way, as a full disk would.
    static void underFileSizeLimit(const std::function<void()> &change)
    {
        struct rlimit saved {};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit low = saved;
        low.rlim_cur = 100000;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &low), 0);
        change();
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previous);
    }

    TempDir dir_;
    std::string archive_, bytes_;
    std::map<std::string, std::string> contents_;
    TZipEngine engine_;
    std::vector<std::string> notices_, errors_;
    int extractions_ = 0;
};

}  // namespace

TEST_F(RenameTest, AMemberGetsItsNewNameInBothHeadersAndKeepsItsData)
{
    const ArchiveInfo before = readArchive(archive_);
    const std::string name = "kept \xC3\xBC.txt";
    engine_.Rename("keep.txt", name);
    EXPECT_EQ(engine_.LastResult, 1);
    EXPECT_TRUE(errors_.empty());
    EXPECT_EQ(listedNames(),
              (std::vector<std::string>{"docs/", "docs/a.txt", "docs/b.txt", "docs/c.txt", name, "big.bin"}));

    const ArchiveInfo after = readArchive(archive_);
    ASSERT_TRUE(after.ok);
    const ArchiveMember *renamed = after.find(name);
    ASSERT_NE(renamed, nullptr);
    EXPECT_TRUE(renamed->flags & zipformat::FlagUtf8);
    EXPECT_FALSE(zipformat::findExtraBlock(renamed->extra, zipformat::UnicodePathId));
    EXPECT_EQ(renamed->record.find("keep.txt"), std::string::npos);  // nor in its local header
    EXPECT_EQ(renamed->packedData(), before.find("keep.txt")->packedData());
    for (const ArchiveMember &m : before.members) {
        if (m.name != "keep.txt") {
            EXPECT_EQ(after.find(m.name)->record, m.record) << m.name;
        }
    }

    std::map<std::string, std::string> expected = contents_;
    expected[name] = expected["keep.txt"];
    expected.erase("keep.txt");
    EXPECT_EQ(extracted(), expected);
}

TEST_F(RenameTest, AFolderRenamesEveryMemberUnderItAndEncryptedOnesStillDecrypt)
{
    const ArchiveInfo before = readArchive(archive_);
    engine_.Rename("docs/", "papers");
    EXPECT_EQ(engine_.LastResult, 4);
    EXPECT_TRUE(errors_.empty());
    EXPECT_EQ(listedNames(), (std::vector<std::string>{"papers/", "papers/a.txt", "papers/b.txt", "papers/c.txt",
                                                       "keep.txt", "big.bin"}));
    const ArchiveInfo after = readArchive(archive_);
    for (const char *name : {"a.txt", "b.txt", "c.txt"}) {
        const ArchiveMember *m = after.find(std::string("papers/") + name);
        ASSERT_NE(m, nullptr) << name;
        const ArchiveMember *old = before.find(std::string("docs/") + name);
        // Data, encryption header and data descriptor as they were; ASCII
        // names need no UTF-8 flag.
        EXPECT_EQ(m->packedData(), old->packedData()) << name;
        EXPECT_EQ(m->flags, old->flags) << name;
        EXPECT_EQ(m->method, old->method) << name;
    }
    std::map<std::string, std::string> expected;
    for (const auto &[name, data] : contents_)
        expected[name.starts_with("docs/") ? "papers/" + name.substr(5) : name] = data;
    EXPECT_EQ(extracted(), expected);
}

TEST_F(RenameTest, WhatUnzipReadsCleanlyAfterARename)
{
    // unzip does not read WinZip AES: the archive here holds none.
    ArchiveBuilder builder;
    Member deflated = fileEntry("d/a.txt", textData(40000, 1));
    deflated.deferred = true;
    deflated.zip64 = true;
    builder.add(dirEntry("d/")).add(deflated).add(streamed("d/s.txt", "streamed")).add(stored("x.txt", "x"));
    const std::string plain = dir_.write("plain.zip", builder.build());
    engine_.setZipFilename(plain);
    engine_.Rename("d/", "e/");
    EXPECT_EQ(engine_.LastResult, 3);
    const RunResult test = runTool({"unzip", "-tq", plain});
    EXPECT_EQ(test.exitCode, 0) << test.out;
}

TEST_F(RenameTest, ARefusedNameWritesNothingAndSaysWhy)
{
    const struct {
        const char *from, *to, *said;
    } cases[] = {
        {"keep.txt", "big.bin", "\"big.bin\" is already in the archive"},
        {"keep.txt", "../keep.txt", "leads outside"},
        {"docs/", "/papers/", "absolute"},
        {"nothere.txt", "x.txt", "no member has that name"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.to);
        errors_.clear();
        engine_.Rename(c.from, c.to);
        expectUntouched();
        ASSERT_EQ(errors_.size(), 1u);
        EXPECT_NE(errors_[0].find(c.said), std::string::npos) << errors_[0];
    }
}

TEST_F(RenameTest, ACancelOrAFailedWriteLeavesTheArchiveByteForByte)
{
    engine_.OnProgress = [](TZipEngine &sender, ProgressType type, const std::string &, int32_t) {
        if (type == FileBegin)
            sender.Cancel = true;
    };
    engine_.Rename("docs/", "papers/");
    expectUntouched();
    engine_.OnProgress = nullptr;

    underFileSizeLimit([this] { engine_.Rename("big.bin", "large.bin"); });
    expectUntouched();
    EXPECT_FALSE(errors_.empty());
}

TEST_F(RenameTest, ACommentIsWrittenOverCopiedMembersAndOneTooLongOrAFailedWriteChangesNothing)
{
    const ArchiveInfo before = readArchive(archive_);
    const std::string comment = "Release 2\r\nZ\x81rich";  // CP437 bytes, as stored
    engine_.SetComment(comment);
    EXPECT_EQ(engine_.LastResult, 1);
    EXPECT_TRUE(errors_.empty());
    EXPECT_EQ(orvex::summarizeArchive(engine_).comment, comment);
    const ArchiveInfo after = readArchive(archive_);
    ASSERT_EQ(after.members.size(), before.members.size());
    for (const ArchiveMember &m : before.members)
        EXPECT_EQ(after.find(m.name)->record, m.record) << m.name;  // encrypted ones too, without a password

    bytes_ = readFile(archive_);
    engine_.SetComment(std::string(65536, 'x'));
    expectUntouched();
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_NE(errors_[0].find("65,535"), std::string::npos) << errors_[0];

    underFileSizeLimit([this] { engine_.SetComment("another"); });
    expectUntouched();
    EXPECT_EQ(orvex::summarizeArchive(engine_).comment, comment);
    EXPECT_EQ(extracted(), contents_);
}

TEST_F(RenameTest, AnArchiveInAReadOnlyFormatIsRefusedAsDeleteRefusesIt)
{
    const std::string cpio = dir_.write("t.cpio", newcCpio({{"a.txt", "a"}}));
    const std::string cpioBytes = readFile(cpio);
    engine_.setZipFilename(cpio);
    ASSERT_TRUE(engine_.ReadOnly());
    engine_.FileSpecs = {"kept for the next add"};
    engine_.Rename("a.txt", "b.txt");
    EXPECT_EQ(engine_.LastResult, 0);
    EXPECT_EQ(readFile(cpio), cpioBytes);
    ASSERT_EQ(notices_.size(), 1u);
    EXPECT_NE(notices_[0].find("read-only"), std::string::npos) << notices_[0];
    EXPECT_EQ(engine_.FileSpecs, std::vector<std::string>{"kept for the next add"});
}

// A tar is written anew with the member, or a folder's members, under the
// new name; a name that is taken leaves it as it was.
TEST_F(RenameTest, ATarMemberIsRenamedInANewArchiveAndATakenNameChangesNothing)
{
    const std::string tar = dir_.write("t.tar", tarArchive({TarEntry{"d/", TarEntry::Directory, 0755, 0, "", ""},
                                                            TarEntry{"d/a.txt", TarEntry::File, 0644, 0, "a", ""},
                                                            TarEntry{"b.txt", TarEntry::File, 0644, 0, "b", ""}}));
    engine_.setZipFilename(tar);
    ASSERT_FALSE(engine_.ReadOnly());
    engine_.Rename("d/", "e/");
    EXPECT_EQ(engine_.LastResult, 2);
    const std::string renamed = readFile(tar);
    engine_.Rename("b.txt", "e/a.txt");
    EXPECT_EQ(engine_.LastResult, 0);
    EXPECT_EQ(readFile(tar), renamed);
    engine_.setZipFilename(tar);
    std::vector<std::string> names;
    for (const ArchiveEntry &entry : engine_.EntryList())
        names.push_back(entry.FileName);
    EXPECT_EQ(names, (std::vector<std::string>{"e/", "e/a.txt", "b.txt"}));
}
