// Names from other systems: members whose names carry no UTF-8 flag and are
// no UTF-8 land on disk under their decoded names, by the same rules as any
// name, and are found by either name.

#include "support/ArchiveBuilder.h"
#include "support/EngineCalls.h"
#include "support/Files.h"

#include <gtest/gtest.h>

using namespace ziptest;

namespace {

const std::string Cafe437 = "caf\x82.txt";
const std::string CafeUtf8 = "caf\xC3\xA9.txt";
const std::string Report866 = "\xAE\xE2\xE7\xF1\xE2.txt";                       // "отчёт.txt" in 866
const std::string ReportUtf8 = "\xD0\xBE\xD1\x82\xD1\x87\xD1\x91\xD1\x82.txt";  // отчёт.txt
const std::string Folder866 = "\x84\xAE\xAA\xE3\xAC\xA5\xAD\xE2\xEB";           // "Документы" in 866
const std::string FolderUtf8 = "\xD0\x94\xD0\xBE\xD0\xBA\xD1\x83\xD0\xBC\xD0\xB5\xD0\xBD\xD1\x82\xD1\x8B";

class UnzengCodePageNames : public ::testing::Test {
protected:
    CallResult run(const std::vector<Member> &members, Options options = {})
    {
        const std::string archive = files / "a.zip";
        writeFile(archive, buildZip(members));
        options.targetAsBase = true;
        options.verbose = true;
        return extract(archive, box.path(), options);
    }
    TempDir files, box;
};

}  // namespace

TEST_F(UnzengCodePageNames, NamesAreWrittenDecodedAsTheChosenOrGuessedCodePageReadsThem)
{
    const struct {
        const char *what;
        std::vector<Member> members;
        std::optional<std::string> charset;
        std::vector<std::string> tree;
    } cases[] = {
        {"437 guessed", {fileEntry(Cafe437, "c")}, std::nullopt, {CafeUtf8}},
        {"866 chosen",
         {fileEntry(Folder866 + "/" + Report866, "r")},
         "866",
         {FolderUtf8 + "/", FolderUtf8 + "/" + ReportUtf8}},
        {"866 guessed",
         {fileEntry(Folder866 + "/" + Report866, "r")},
         "auto",
         {FolderUtf8 + "/", FolderUtf8 + "/" + ReportUtf8}},
        {"437 chosen for Russian bytes",
         {fileEntry(Report866, "r")},
         "437",
         {"\xC2\xAB\xCE\x93\xCF\x84\xC2\xB1\xCE\x93.txt"}},
        // Flagged UTF-8 keeps its bytes, whatever they are.
        {"flagged",
         {[] {
             Member m = fileEntry("raw\x82.txt", "f");
             m.flags = 1u << 11;
             return m;
         }()},
         "866",
         {"raw\x82.txt"}},
    };
    for (const auto &c : cases) {
        TempDir target;
        Options options;
        options.nameCharset = c.charset;
        options.targetAsBase = true;
        const std::string archive = files / "a.zip";
        writeFile(archive, buildZip(c.members));
        const CallResult out = extract(archive, target.path(), options);
        EXPECT_EQ(listTree(target.path()), c.tree) << c.what << "\n" << out.dump();
    }
}

TEST_F(UnzengCodePageNames, ReportsNameTheMemberAsTheListingShowsIt)
{
    const CallResult out = run({fileEntry(Cafe437, "c")});
    EXPECT_EQ(out.begun(), std::vector<std::string>{CafeUtf8});
    bool named = false;
    for (const Callback &message : out.messages()) {
        named = named || message.text.find(CafeUtf8) != std::string::npos;
        EXPECT_EQ(message.text.find(Cafe437), std::string::npos) << message.text;
    }
    EXPECT_TRUE(named) << out.dump();
}

TEST_F(UnzengCodePageNames, ADecodedNameIsJudgedLikeAnyName)
{
    const CallResult out = run({fileEntry("../" + Cafe437, "up"), fileEntry("ok/" + Cafe437, "in")});
    EXPECT_EQ(listTree(box.path()), (std::vector<std::string>{"ok/", "ok/" + CafeUtf8})) << out.dump();
    EXPECT_TRUE(out.hasError("skipping ../" + CafeUtf8 + ":", 2)) << out.dump();
}

TEST_F(UnzengCodePageNames, AMemberIsFoundByItsDecodedNameOrItsStoredBytes)
{
    for (const std::string &requested : {CafeUtf8, Cafe437}) {
        TempDir target;
        Options options;
        options.specs = {requested};
        options.targetAsBase = true;
        const std::string archive = files / "a.zip";
        writeFile(archive, buildZip({fileEntry(Cafe437, "c"), fileEntry("other.txt", "o")}));
        const CallResult out = extract(archive, target.path(), options);
        EXPECT_EQ(listTree(target.path()), std::vector<std::string>{CafeUtf8}) << out.dump();
        EXPECT_EQ(out.errors().size(), 0u) << out.dump();
    }
}
