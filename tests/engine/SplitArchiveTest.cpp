// Split archives: Info-ZIP's numbered disks (zip -s) and 7-Zip's byte
// pieces (7zz -v) are listed, tested and extracted whole through the
// listing, the extraction library and orvexzip; a missing part is named,
// changes are refused, and a lone part does not pass for the archive.

#include "engine/ArchiveSummary.h"
#include "support/ArchiveBuilder.h"
#include "support/ArchiveReading.h"
#include "support/EngineCalls.h"
#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

using namespace ziptest;

namespace {

// Given in this order, so that (Info-ZIP keeps it) `first` lies in the first
// part, `big` (larger than a part) runs through every one, and `last` lies in
// the last; 7-Zip puts `big` first.
const std::vector<std::string> TreeFiles = {"t/first.txt", "t/big.bin", "t/sub/last.txt"};

struct SplitSet {
    const char *tool;
    std::vector<std::string> parts;  // as the tool names them, in order
};

const SplitSet InfoZip{"zip", {"s.z01", "s.z02", "s.z03", "s.z04", "s.zip"}};
const SplitSet SevenZip{"7zz", {"v.zip.001", "v.zip.002", "v.zip.003", "v.zip.004", "v.zip.005"}};

class SplitArchiveTest : public ::testing::Test {
protected:
    // Makes the set in a fresh folder; false without the tool.
    bool make(const SplitSet &set)
    {
        if (!haveProgram(set.tool))
            return false;
        dir_ = std::make_unique<TempDir>();
        makeDirs(*dir_ / "t/sub");
        writeFile(*dir_ / "t/first.txt", textData(3000, 1));
        writeFile(*dir_ / "t/big.bin", randomData(300000, 2));
        writeFile(*dir_ / "t/sub/last.txt", textData(2000, 3));
        std::vector<std::string> args = set.tool == std::string("zip")
                                            ? std::vector<std::string>{"zip", "-q", "-s", "64k", "s.zip"}
                                            : std::vector<std::string>{"7zz", "a", "-tzip", "-v64k", "-bd", "v.zip"};
        args.insert(args.end(), TreeFiles.begin(), TreeFiles.end());
        const RunResult made = run(args, {}, dir_->path());
        EXPECT_EQ(made.exitCode, 0) << made.out << made.err;
        EXPECT_EQ(listDir(dir_->path()).size(), set.parts.size() + 1) << "the tool cut the set differently";
        original_ = treeContents(*dir_ / "t");
        return made.exitCode == 0;
    }
    std::map<std::string, std::string> partBytes(const SplitSet &set) const
    {
        std::map<std::string, std::string> bytes;
        for (const std::string &part : set.parts)
            if (exists(*dir_ / part))
                bytes[part] = readFile(*dir_ / part);
        return bytes;
    }
    CallResult extractTo(const std::string &opened, const std::string &target, bool test = false)
    {
        makeDirs(target);
        Options options;
        options.targetAsBase = true;
        options.test = test;
        return extract(*dir_ / opened, target, options);
    }

    std::unique_ptr<TempDir> dir_;  // the set's folder, fresh for each set
    TempDir out_;
    std::map<std::string, std::string> original_;
};

TEST_F(SplitArchiveTest, EverySetIsListedTestedAndExtractedWholeFromAnyOfItsParts)
{
    struct Case {
        const SplitSet *set;
        const char *opened;
    };
    for (const Case &c : {Case{&InfoZip, "s.zip"}, Case{&InfoZip, "s.z02"}, Case{&SevenZip, "v.zip.001"},
                          Case{&SevenZip, "v.zip.003"}}) {
        SCOPED_TRACE(c.opened);
        if (!make(*c.set))
            GTEST_SKIP() << c.set->tool << " not found";
        const Listing listing = listArchive(*dir_ / c.opened);
        EXPECT_EQ(listing.error, "");
        std::vector<std::string> names = listing.names();
        std::sort(names.begin(), names.end());  // 7-Zip orders members its own way
        EXPECT_EQ(names, (std::vector<std::string>{"t/big.bin", "t/first.txt", "t/sub/last.txt"}));

        const CallResult tested = extractTo(c.opened, out_ / (std::string(c.opened) + "/tested"), true);
        EXPECT_TRUE(tested.errors().empty()) << tested.dump();
        const CallResult extracted = extractTo(c.opened, out_ / (std::string(c.opened) + "/engine"));
        EXPECT_TRUE(extracted.errors().empty()) << extracted.dump();
        EXPECT_EQ(treeContents(out_ / (std::string(c.opened) + "/engine/t")), original_);

        const RunResult cliTest = runOrvexzip({"test", *dir_ / c.opened});
        EXPECT_EQ(cliTest.exitCode, 0) << cliTest.err;
        const RunResult cli =
            runOrvexzip({"extract", *dir_ / c.opened, "--to", out_ / (std::string(c.opened) + "/cli"), "--paths"});
        EXPECT_EQ(cli.exitCode, 0) << cli.err;
        EXPECT_EQ(treeContents(out_ / (std::string(c.opened) + "/cli/t")), original_);
    }
}

TEST_F(SplitArchiveTest, MissingPartIsNamedAndWhatTheOthersHoldIsStillExtracted)
{
    struct Case {
        const SplitSet *set;
        const char *removed;
        const char *opened;
    };
    // The later cases leave out the part right before a last part shorter
    // than the end record's search: that search looks back across the gap.
    for (const Case &c : {Case{&InfoZip, "s.z02", "s.zip"}, Case{&SevenZip, "v.zip.002", "v.zip.001"},
                          Case{&InfoZip, "s.z04", "s.z01"}, Case{&SevenZip, "v.zip.004", "v.zip.005"}}) {
        SCOPED_TRACE(c.removed);
        if (!make(*c.set))
            GTEST_SKIP() << c.set->tool << " not found";
        std::filesystem::remove(*dir_ / c.removed);
        const std::string said = std::string("Part ") + c.removed + " of this split archive is missing";

        const Listing listing = listArchive(*dir_ / c.opened);
        EXPECT_NE(listing.error.find(said), std::string::npos) << listing.error;
        std::vector<std::string> names = listing.names();
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"t/first.txt", "t/sub/last.txt"}));

        const CallResult extracted = extractTo(c.opened, out_ / c.removed);
        EXPECT_TRUE(extracted.hasError(said)) << extracted.dump();
        EXPECT_TRUE(extracted.hasError("skipping t/big.bin: part " + std::string(c.removed))) << extracted.dump();
        std::map<std::string, std::string> expected = original_;
        expected.erase("big.bin");
        EXPECT_EQ(treeContents(out_ / (std::string(c.removed) + "/t")), expected);

        const RunResult cli =
            runOrvexzip({"extract", *dir_ / c.opened, "--to", out_ / (std::string(c.removed) + "/cli"), "--paths"});
        EXPECT_NE(cli.exitCode, 0);
        EXPECT_NE(cli.err.find(said), std::string::npos) << cli.err;
    }
}

TEST_F(SplitArchiveTest, WithoutThePartHoldingTheDirectoryNothingIsRead)
{
    struct Case {
        const SplitSet *set;
        const char *removed;
        const char *opened;
    };
    for (const Case &c : {Case{&InfoZip, "s.zip", "s.z01"}, Case{&SevenZip, "v.zip.005", "v.zip.001"}}) {
        SCOPED_TRACE(c.removed);
        if (!make(*c.set))
            GTEST_SKIP() << c.set->tool << " not found";
        std::filesystem::remove(*dir_ / c.removed);
        const std::string said = std::string("Part ") + c.removed + " of this split archive is missing";
        EXPECT_NE(listArchive(*dir_ / c.opened).error.find(said), std::string::npos);
        const CallResult extracted = extractTo(c.opened, out_ / c.removed);
        EXPECT_TRUE(extracted.hasError(said)) << extracted.dump();
        EXPECT_EQ(listTree(out_ / c.removed), std::vector<std::string>{});
    }
}

TEST_F(SplitArchiveTest, TheSummaryNamesEveryPartAndCountsTheirSizes)
{
    for (const SplitSet *set : {&InfoZip, &SevenZip}) {
        SCOPED_TRACE(set->tool);
        if (!make(*set))
            GTEST_SKIP() << set->tool << " not found";
        TZipEngine engine;
        engine.setZipFilename(*dir_ / set->parts.front());
        const orvex::ArchiveSummary s = orvex::summarizeArchive(engine);
        EXPECT_EQ(s.splitParts, set->parts);
        uint64_t total = 0;
        for (const auto &[name, bytes] : partBytes(*set))
            total += bytes.size();
        EXPECT_EQ(s.sizeOnDisk, total);
        EXPECT_EQ(s.files, TreeFiles.size());
    }
}

TEST_F(SplitArchiveTest, AddDeleteAndRenameOnASetAreRefusedAndEveryPartStaysAsItWas)
{
    for (const SplitSet *set : {&InfoZip, &SevenZip}) {
        SCOPED_TRACE(set->tool);
        if (!make(*set))
            GTEST_SKIP() << set->tool << " not found";
        const auto before = partBytes(*set);
        for (const std::string &opened : {set->parts.front(), set->parts.back()}) {
            writeFile(*dir_ / "new.txt", "new");
            Flags add;
            add.base = dir_->path();
            const CallResult added = callEngine(*dir_ / opened, {"new.txt"}, add);
            EXPECT_TRUE(added.hasError(opened + " is a split archive; Orvex 97 cannot change it")) << added.dump();
            Flags remove;
            remove.remove = true;
            const CallResult removed = callEngine(*dir_ / opened, {"t/first.txt"}, remove);
            EXPECT_TRUE(removed.hasError("is a split archive; Orvex 97 cannot change it")) << removed.dump();
            const RunResult cli = runOrvexzip({"delete", *dir_ / opened, "t/first.txt"});
            // The component refuses before the library is called.
            EXPECT_NE(cli.err.find(opened + " is a split archive, which is read-only"), std::string::npos) << cli.err;
            TZipEngine engine;
            engine.setZipFilename(*dir_ / opened);
            EXPECT_TRUE(engine.ReadOnly());
            engine.Rename("t/first.txt", "t/renamed.txt");
            EXPECT_EQ(engine.LastResult, 0);
        }
        EXPECT_EQ(partBytes(*set), before);
        EXPECT_EQ(listDir(dir_->path()).size(), set->parts.size() + 2);  // the parts, t and new.txt
    }
}

// A part on its own, copied away or renamed, says which part it is and
// which are missing, and gives only the members that lie wholly in it.
TEST_F(SplitArchiveTest, LonePartIsNamedAsOnePartOfASplitArchive)
{
    if (!make(InfoZip))
        GTEST_SKIP() << "zip not found";
    struct Case {
        const char *copiedAs;
        const char *said;
    };
    for (const Case &c : {Case{"s.zip", "s.zip is part 5 of a split archive of 5 parts; the other parts, s.z01, "
                                        "s.z02, s.z03 and s.z04, are missing"},
                          Case{"renamed.ZIP", "renamed.ZIP is part 5 of a split archive of 5 parts; the other parts, "
                                              "renamed.Z01, renamed.Z02, renamed.Z03 and renamed.Z04, are missing"}}) {
        SCOPED_TRACE(c.copiedAs);
        TempDir alone;
        std::filesystem::copy_file(*dir_ / "s.zip", alone / c.copiedAs);
        const Listing listing = listArchive(alone / c.copiedAs);
        EXPECT_EQ(listing.error.rfind(c.said, 0), 0u) << listing.error;
        EXPECT_EQ(listing.names(), std::vector<std::string>{"t/sub/last.txt"});
        Options options;
        options.targetAsBase = true;
        const CallResult extracted = extract(alone / c.copiedAs, out_.path(), options);
        EXPECT_TRUE(extracted.hasError(c.said)) << extracted.dump();
        EXPECT_EQ(listTree(out_ / "t"), (std::vector<std::string>{"sub/", "sub/last.txt"}));
        std::filesystem::remove_all(out_ / "t");
    }
}

// Disk numbers are the file's word: one past the set, or of a missing part,
// places no member anywhere else.
TEST(SplitArchiveRecords, MembersAreTakenOnlyFromTheDisksTheirRecordsName)
{
    std::string bytes =
        buildZip({stored("on-this-disk", "kept"), stored("on-a-missing-disk", "lost"), stored("past-the-set", "lost")});
    const size_t end = bytes.size() - 22;
    bytes[end + 4] = bytes[end + 6] = '\x02';  // this is disk 2, and so is the directory's
    size_t record = bytes.find("PK\x01\x02");
    for (const char disk : {'\x02', '\x00', '\x09'}) {
        bytes[record + 34] = disk;
        record = bytes.find("PK\x01\x02", record + 1);
    }
    TempDir dir;
    const std::string archive = dir.write("x.zip", bytes);
    dir.write("x.z02", "present, but no member of it is named");

    const Listing listing = listArchive(archive);
    EXPECT_EQ(listing.names(), std::vector<std::string>{"on-this-disk"});
    EXPECT_EQ(listing.error.rfind("Part x.z01 of this split archive is missing; ", 0), 0u) << listing.error;
    for (const char *said : {"skipping on-a-missing-disk: part x.z01 of this split archive is missing",
                             "skipping past-the-set: its local header lies outside the archive's data"})
        EXPECT_NE(listing.error.find(said), std::string::npos) << listing.error;
    TempDir out;
    Options options;
    options.targetAsBase = true;
    extract(archive, out.path(), options);
    EXPECT_EQ(treeContents(out.path()), (std::map<std::string, std::string>{{"on-this-disk", "kept"}}));
}

}  // namespace
