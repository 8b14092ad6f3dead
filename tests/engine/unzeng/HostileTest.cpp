// Archives made to hurt: names and links that lead out of the target, members
// sharing bytes, sizes and CRCs that lie, headers that disagree.

#include "support/ArchiveBuilder.h"
#include "support/Compress.h"
#include "support/EngineCalls.h"
#include "support/Files.h"
#include "support/Run.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace ziptest;

namespace {

class UnzengHostile : public ::testing::Test {
protected:
    // The target is a directory inside the box, so anything written beside
    // it shows up in the box's listing.
    void SetUp() override { makeDirs(box / "t"); }

    CallResult run(const std::vector<Member> &entries, const Options &options = {})
    {
        const std::string archive = files / "a.zip";
        writeFile(archive, buildZip(entries));
        return extract(archive, target(), options);
    }
    std::string target() const { return box / "t"; }
    std::vector<std::string> inTarget() const { return listTree(target()); }

    TempDir files, box;
};

TEST_F(UnzengHostile, TraversalNamesAreRefusedOrStripped)
{
    Member windows = fileEntry("d\\win.txt", "w");
    windows.madeBy = 0x0014;  // FAT
    windows.externalAttributes = 0;
    const CallResult out =
        run({fileEntry("ok.txt", "ok"), fileEntry("../x", "1"), fileEntry("a/../../y", "2"), fileEntry("/abs1", "3"),
             fileEntry("//abs2", "4"), fileEntry("C:/drive", "5"), fileEntry("..\\bs", "6"), windows,
             fileEntry("./dot/./f", "7"), fileEntry("a/../inside", "8")});

    EXPECT_EQ(listTree(box.path()), (std::vector<std::string>{"t/", "t/abs1", "t/abs2", "t/d/", "t/d/win.txt", "t/dot/",
                                                              "t/dot/f", "t/drive", "t/ok.txt"}))
        << out.dump();
    EXPECT_EQ(out.result, 6);
    for (const char *refused : {"../x", "a/../../y", "..\\bs", "a/../inside"})
        EXPECT_TRUE(out.hasError(std::string("skipping ") + refused + ":", 2)) << refused << "\n" << out.dump();
    for (const char *stripped : {"/abs1", "//abs2", "C:/drive"})
        EXPECT_TRUE(out.hasError(std::string("stripped the absolute path prefix from ") + stripped, 1)) << stripped;
    EXPECT_EQ(readFile(target() + "/drive"), "5");
}

TEST_F(UnzengHostile, TheUnicodePathFieldIsUsedOnlyWhenItMatchesAndIsCheckedLikeAnyName)
{
    const auto unicodePath = unicodePathField;
    Member cp437 = fileEntry("caf\x82.txt", "1");
    cp437.centralExtra = unicodePath(cp437.name, "caf\xC3\xA9.txt");
    Member stale = fileEntry("renamed.txt", "2");
    stale.centralExtra = unicodePath("old-name.txt", "old-name.txt");
    Member sneaky = fileEntry("plain.txt", "3");
    sneaky.centralExtra = unicodePath(sneaky.name, "../plain.txt");
    const CallResult out = run({cp437, stale, sneaky});
    EXPECT_EQ(listTree(box.path()), (std::vector<std::string>{"t/", "t/caf\xC3\xA9.txt", "t/renamed.txt"}))
        << out.dump();
    EXPECT_TRUE(out.hasError("skipping plain.txt: the name leads outside", 2));
}

TEST_F(UnzengHostile, LinksThatLeaveTheTreeAreRefusedAndNothingIsWrittenThroughALink)
{
    const std::string outside = box / "outside";
    makeDirs(outside);
    ASSERT_EQ(::symlink(outside.c_str(), (target() + "/planted").c_str()), 0);

    const CallResult out = run({
        linkEntry("abs", outside),
        fileEntry("abs/x", "1"),  // absolute target
        linkEntry("up", "../.."),
        fileEntry("up/y", "2"),  // climbs out
        fileEntry("ok.txt", "ok"),
        linkEntry("sub/inner", "../ok.txt"),
        linkEntry("sub/self", "."),
        linkEntry("hop", "sub"),      // inside: kept
        fileEntry("hop/z", "3"),      // through a link the archive made
        fileEntry("planted/w", "4"),  // through a link that was there
        linkEntry("sub/deep", "../../x"),
        linkEntry("sub/mid", "a/../../b"),
    });

    EXPECT_TRUE(listTree(outside).empty());
    EXPECT_EQ(inTarget(), (std::vector<std::string>{"abs/", "abs/x", "hop -> sub", "ok.txt", "planted -> " + outside,
                                                    "sub/", "sub/inner -> ../ok.txt", "sub/self -> .", "up/", "up/y"}))
        << out.dump();
    EXPECT_EQ(out.result, 6);
    for (const char *refused : {"skipping abs:", "skipping up:", "skipping hop/z:", "skipping planted/w:",
                                "skipping sub/deep:", "skipping sub/mid:"})
        EXPECT_TRUE(out.hasError(refused, 2)) << refused << "\n" << out.dump();
    EXPECT_EQ(readFile(target() + "/sub/inner"), "ok");
}

TEST_F(UnzengHostile, LinksAreJudgedFromWhereTheyLandWhenFlattened)
{
    Options flat;
    flat.dirNames = false;
    const CallResult out = run({fileEntry("a/b/f", "f"), linkEntry("a/b/l", "../f")}, flat);
    EXPECT_EQ(inTarget(), std::vector<std::string>{"f"}) << out.dump();
    EXPECT_TRUE(out.hasError("skipping a/b/l:", 2));
}

TEST_F(UnzengHostile, MembersSharingBytesAreRefused)
{
    const std::string inner = "inner content";
    // A local header and data for "q.txt", hidden inside a.txt's stored data.
    std::string quoted = buildZip({fileEntry("q.txt", inner, 0)});
    quoted.resize(30 + 5 + inner.size());

    Member same = fileEntry("b.txt", "");
    same.shareHeaderOf = 0;  // the very same local header as a.txt
    Member hidden = fileEntry("q.txt", inner, 0);
    hidden.shareHeaderOf = 2;
    hidden.offsetAdjust = 30 + 9;  // into quote.txt's data
    Member tooLong = fileEntry("long.txt", "12345", 0);
    tooLong.packedSize = 5000;  // runs into the central directory
    tooLong.unpackedSize = 5000;

    const CallResult out = run({fileEntry("a.txt", std::string(1000, 'a'), 0), same, fileEntry("quote.txt", quoted, 0),
                                hidden, fileEntry("fine.txt", "fine"), tooLong});

    EXPECT_EQ(inTarget(), std::vector<std::string>{"fine.txt"}) << out.dump();
    EXPECT_EQ(out.result, 1);
    EXPECT_TRUE(out.hasError("skipping a.txt: its data overlaps another member's", 2)) << out.dump();
    EXPECT_TRUE(out.hasError("skipping b.txt:", 2));
    EXPECT_TRUE(out.hasError("skipping quote.txt: its data overlaps", 2));
    EXPECT_TRUE(out.hasError("skipping q.txt: its data overlaps", 2));
    EXPECT_TRUE(out.hasError("skipping long.txt: its data runs into the central directory", 2));
}

TEST_F(UnzengHostile, LyingSizesAndBadChecksumsLeaveNothingBehind)
{
    const std::string text = textData(100000, 1);
    Member shorter = fileEntry("shorter.txt", text);
    shorter.unpackedSize = 1000;
    Member longer = fileEntry("longer.txt", text.substr(0, 1000));
    longer.unpackedSize = 5000;
    Member zstdShorter = fileEntry("zstd.txt", text, 93);
    zstdShorter.unpackedSize = 100;
    Member storedSizes = fileEntry("stored.txt", "0123456789", 0);
    storedSizes.unpackedSize = 20;
    Member badCrc = fileEntry("crc-stored.txt", "hello", 0);
    badCrc.crc = 0x12345678;
    Member badCrcDeflated = fileEntry("crc-deflated.txt", text);
    badCrcDeflated.crc = crc32Of(text) ^ 1;
    Member garbage = fileEntry("garbage.txt", text.substr(0, 500));
    garbage.packed = randomData(300, 7);

    const CallResult out = run({shorter, longer, zstdShorter, storedSizes, badCrc, badCrcDeflated, garbage});

    EXPECT_TRUE(inTarget().empty()) << out.dump();
    EXPECT_EQ(out.result, 0);
    EXPECT_TRUE(out.hasError("shorter.txt: it decodes to more than its declared size of 1000 bytes", 2));
    EXPECT_TRUE(out.hasError("longer.txt: it decodes to 1000 bytes, but its declared size is 5000", 2));
    EXPECT_TRUE(out.hasError("zstd.txt:", 2));
    EXPECT_TRUE(out.hasError("skipping stored.txt: it is stored, but its two sizes differ", 2));
    EXPECT_TRUE(out.hasError("crc-stored.txt: bad CRC", 2));
    EXPECT_TRUE(out.hasError("crc-deflated.txt: bad CRC", 2));
    EXPECT_TRUE(out.hasError("garbage.txt:", 2));
}

// With no directory, a member whose end or CRC its local header leaves to a
// data descriptor is taken only where decoding its data finds that
// descriptor; anything else about it is judged as for any member.
TEST_F(UnzengHostile, WithoutADirectoryEachMemberIsTakenWholeOrNamed)
{
    auto deflatedStream = [](const std::string &name) {
        Member m = fileEntry(name, textData(3000, 5));
        m.deferred = true;
        return m;
    };
    Member encrypted = traditionalEncrypted(deflatedStream("encrypted.txt"), "secret");
    Member undecodable = deflatedStream("undecodable.txt");
    undecodable.packed = std::string(8, '\xFF');
    Member otherSize = deflatedStream("other-size.txt");
    otherSize.unpackedSize = 3001;
    Member otherCrc = deflatedStream("other-crc.txt");
    otherCrc.crc = 1;
    Member sizePastEnd = stored("size-past-end.txt", "data");
    sizePastEnd.localPackedSize = 100000;
    Member storedSizes = fileEntry("stored.txt", "0123456789", 0);
    storedSizes.unpackedSize = 20;
    Member zip64 = stored("zip64.txt", "sixty-four");
    zip64.zip64 = true;
    Member wideStream = deflatedStream("wide.txt");
    wideStream.zip64 = true;

    const struct {
        Member member;
        const char *failure;  // none: extracted whole
    } cases[] = {
        {streamed("stored-stream.txt", "stored data"), "its sizes are in a data descriptor"},
        {encrypted, "its sizes are in a data descriptor"},
        {undecodable, "its data cannot be decoded"},
        {otherSize, "no data descriptor that agrees with its data"},
        {otherCrc, "bad CRC"},
        {sizePastEnd, "the archive ends too early"},
        {storedSizes, "it is stored, but its two sizes differ"},
        {stored("../up.txt", "x"), "leads outside the target directory"},
        {zip64, nullptr},
        {wideStream, nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.member.name);
        const std::string archive = files / "walked.zip";
        // A directory record's signature with nothing usable after it ends the walk.
        writeFile(archive, ArchiveBuilder().add(c.member).buildMembersOnly() + std::string("PK\x01\x02", 4)
                               + std::string(18, '\0'));
        const CallResult out = extract(archive, target());
        std::vector<std::string> failures;
        for (const Callback &e : out.errors())
            if (e.code != 1)
                failures.push_back(e.text);
        EXPECT_TRUE(out.hasError("has no usable central directory; its members were found by their local headers", 1));
        if (c.failure) {
            ASSERT_EQ(failures.size(), 1u) << out.dump();
            EXPECT_NE(failures[0].find(c.failure), std::string::npos) << failures[0];
            EXPECT_EQ(listTree(box.path()), std::vector<std::string>{"t/"});
        } else {
            EXPECT_TRUE(failures.empty()) << out.dump();
            EXPECT_EQ(readFile(target() + "/" + c.member.name), c.member.data);
            ::unlink((target() + "/" + c.member.name).c_str());
        }
    }
}

TEST_F(UnzengHostile, LargeStreamedMembersThatLieAreStoppedAtTheirDeclaredSize)
{
    // Over the in-memory limit, so these go through the streaming path.
    const std::string packed = rawDeflate(std::string(80u << 20, '\0'), 1);
    Member lying = fileEntry("big-lying.bin", "");
    lying.packed = packed;
    lying.unpackedSize = 70u << 20;
    Member badCrc = fileEntry("big-crc.bin", "");
    badCrc.packed = packed;
    badCrc.unpackedSize = 80u << 20;
    badCrc.crc = 0;

    const CallResult out = run({lying, badCrc});

    EXPECT_TRUE(inTarget().empty()) << out.dump();
    EXPECT_TRUE(out.hasError("big-lying.bin: it decodes to more than its declared size", 2)) << out.dump();
    EXPECT_TRUE(out.hasError("big-crc.bin: bad CRC", 2)) << out.dump();
    // Progress for the lying member never ran past its declared size.
    size_t lyingSteps = 0;
    bool inLying = false;
    for (const Callback &e : out.calls) {
        if (e.action == ZipActionFileBegin)
            inLying = e.text == "big-lying.bin";
        lyingSteps += inLying && e.action == ZipActionFileStep;
    }
    EXPECT_LE(lyingSteps, (70u << 20) / 32768);
}

TEST_F(UnzengHostile, UnsupportedMethodsAndEncryptionAreNamedAndSkipped)
{
    Member jpeg = fileEntry("photo.bin", "xx", 96);
    Member wavpack = fileEntry("sound.bin", "xx", 97);
    Member secret = fileEntry("secret.txt", "xx", 0);
    secret.flags = 0x0041;  // strong encryption
    const CallResult out = run({jpeg, wavpack, secret, fileEntry("fine.txt", "fine")});

    EXPECT_EQ(inTarget(), std::vector<std::string>{"fine.txt"});
    EXPECT_EQ(out.result, 1);
    EXPECT_TRUE(out.hasError("skipping photo.bin: unsupported compression method 96", 81)) << out.dump();
    EXPECT_TRUE(out.hasError("skipping sound.bin: unsupported compression method 97", 81));
    EXPECT_TRUE(out.hasError("skipping secret.txt: it is encrypted", 81));
}

TEST_F(UnzengHostile, LocalAndCentralHeadersThatDisagreeAreRefused)
{
    Member renamed = fileEntry("claimed.txt", "x");
    renamed.localName = "actual.txt";
    Member remethod = fileEntry("method.txt", "y", 0);
    remethod.localMethod = 8;
    Member nowhere = fileEntry("nowhere.txt", "z");
    nowhere.shareHeaderOf = 0;
    nowhere.offsetAdjust = 3;  // no local header signature there
    const CallResult out = run({fileEntry("good.txt", "good"), renamed, remethod, nowhere});

    EXPECT_EQ(inTarget(), std::vector<std::string>{"good.txt"}) << out.dump();
    EXPECT_TRUE(out.hasError("skipping claimed.txt: its local header names it \"actual.txt\"", 2));
    EXPECT_TRUE(out.hasError("skipping method.txt: its local header gives compression method 8", 2));
    EXPECT_TRUE(out.hasError("skipping nowhere.txt: its local header is missing", 2));
}

TEST_F(UnzengHostile, NamesCannotForgeLinesOrReorderMessages)
{
    struct Case {
        const char *stored;  // refused for its leading "..", which puts it in a message
        const char *shown;
        bool utf8Flag = false;  // unflagged, a name that is no UTF-8 is read in a code page
    };
    const Case cases[] = {
        {"../a\nall 3 members verified OK", "../a?all 3 members verified OK"},
        {"../b\r\x1B[2K", "../b??[2K"},
        {"../c\x9B"
         "31m",
         "../c?31m", true},                          // a raw 8-bit CSI
        {"../d\xC2\x85\xC2\x9B", "../d??"},          // U+0085, U+009B
        {"../e\xE2\x80\xA8\xE2\x80\xA9", "../e??"},  // line and paragraph separators
        {"../f\xE2\x80\xAEtxt.exe\xE2\x80\xAA\xE2\x81\xA6\xE2\x81\xA9", "../f?txt.exe???"},  // bidi
        {"../caf\xC3\xA9 \xE2\x9C\x93", "../caf\xC3\xA9 \xE2\x9C\x93"},                      // ordinary UTF-8 stays
    };
    std::vector<Member> entries;
    for (const Case &c : cases) {
        entries.push_back(fileEntry(c.stored, "x"));
        entries.back().flags = static_cast<uint16_t>(c.utf8Flag ? 1u << 11 : 0);
    }
    entries.push_back(fileEntry("line\nbreak.txt", "kept"));
    Options verbose;
    verbose.verbose = true;
    const CallResult out = run(entries, verbose);

    for (const Case &c : cases)
        EXPECT_TRUE(out.hasError(std::string("skipping ") + c.shown + ": the name leads outside", 2)) << c.shown << "\n"
                                                                                                      << out.dump();
    bool shownSafely = false;
    for (const Callback &e : out.messages()) {
        EXPECT_EQ(e.text.find('\n'), std::string::npos) << e.text;
        shownSafely = shownSafely || e.text.find("line?break.txt") != std::string::npos;
    }
    EXPECT_TRUE(shownSafely) << out.dump();
    // Only the messages change: the file keeps its name.
    EXPECT_EQ(readFile(target() + "/line\nbreak.txt"), "kept");
}

TEST_F(UnzengHostile, DirectoriesAlwaysLetTheirOwnerIn)
{
    struct Case {
        const char *name;
        uint32_t mode;
        mode_t expected;
    };
    // A file member renamed to a directory name keeps a file's mode.
    const Case cases[] = {
        {"renamed", 0100644, 0744}, {"none/", 040000, 0700}, {"readonly/", 040555, 0755}, {"open/", 040775, 0775}};
    std::vector<Member> entries;
    for (const Case &c : cases) {
        Member e = std::string(c.name).ends_with('/') ? dirEntry(c.name) : fileEntry(c.name, "");
        e.externalAttributes = c.mode << 16;
        if (!std::string(c.name).ends_with('/'))
            e.centralExtra = unicodePathField(c.name, std::string(c.name) + "/");
        entries.push_back(e);
    }
    const CallResult out = run(entries);
    EXPECT_TRUE(out.errors().empty()) << out.dump();
    for (const Case &c : cases) {
        struct stat st {};
        ASSERT_EQ(::lstat((target() + "/" + c.name).c_str(), &st), 0) << c.name;
        EXPECT_TRUE(S_ISDIR(st.st_mode)) << c.name;
        EXPECT_EQ(st.st_mode & 07777, c.expected) << c.name;
    }
}

TEST_F(UnzengHostile, WhatIsNoArchiveIsReportedOnce)
{
    writeFile(files / "noise.zip", randomData(5000, 3));
    for (const std::string &name : {files / "noise.zip", files / "missing.zip", files.path()}) {
        const CallResult out = extract(name, target());
        EXPECT_EQ(out.result, 0);
        ASSERT_EQ(out.errors().size(), 1u) << out.dump();
        EXPECT_EQ(out.errors()[0].code, 9);
        EXPECT_EQ(out.calls.back().action, ZipActionBatchEnd);
    }
    EXPECT_TRUE(inTarget().empty());
}

}  // namespace
