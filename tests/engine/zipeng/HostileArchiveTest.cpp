// Archives made to do harm when they are changed: members sharing bytes,
// stored names that lead out of the base directory, names that forge
// message lines.

#include "support/ArchiveBuilder.h"
#include "support/ArchiveReading.h"
#include "support/EngineCalls.h"
#include "support/Files.h"
#include "support/Run.h"

#include "engine/zipeng/ErrorCodes.h"
#include "engine/zipeng/MemberRecord.h"
#include "engine/zipeng/OutputArchive.h"

#include <gtest/gtest.h>

using namespace ziptest;

namespace {

zipeng::MemberRecord storedRecord(const std::string &name, const std::string &data, uint64_t offset)
{
    zipeng::MemberRecord r;
    r.name = name;
    r.versionMadeBy = (3 << 8) | 30;
    r.versionNeeded = zipeng::VersionStored;
    r.modDate = (40 << 9) | (1 << 5) | 1;  // 2020-01-01, older than any file written by the test
    r.crc = crc32Of(data);
    r.packedSize = r.unpackedSize = data.size();
    r.externalAttributes = 0100644u << 16;
    r.localOffset = offset;
    return r;
}

std::string bytes(const std::vector<uint8_t> &v)
{
    return std::string(v.begin(), v.end());
}

std::string localRecord(const zipeng::MemberRecord &r, const std::string &data)
{
    return bytes(zipeng::buildLocalHeader(r, false)) + data;
}

// The local records already in `body`, then a central directory of `central`.
std::string withDirectory(const std::string &body, const std::vector<zipeng::MemberRecord> &central)
{
    std::vector<uint8_t> directory;
    for (const zipeng::MemberRecord &r : central)
        zipeng::appendCentralRecord(directory, r);
    return body + bytes(directory) + bytes(zipeng::buildEndRecords(central.size(), body.size(), directory.size(), {}));
}

// Members named in `central` each get a stored local record of their own data.
std::string plainArchive(const std::vector<std::pair<std::string, std::string>> &members)
{
    std::string body;
    std::vector<zipeng::MemberRecord> central;
    for (const auto &[name, data] : members) {
        central.push_back(storedRecord(name, data, body.size()));
        body += localRecord(central.back(), data);
    }
    return withDirectory(body, central);
}

}  // namespace

TEST(HostileArchive, MembersSharingBytesAreNeitherCopiedNorDropped)
{
    const std::string payload = textData(100000, 4);
    struct Layout {
        const char *what;
        std::string archive;
        std::vector<std::string> overlapping;  // empty: the archive is sound
    };
    std::vector<Layout> layouts;
    {
        // Three directory entries for one local record, as a bomb repeats them.
        const zipeng::MemberRecord bomb = storedRecord("bomb", payload, 0);
        std::string body = localRecord(bomb, payload);
        const zipeng::MemberRecord small = storedRecord("small", "s", body.size());
        body += localRecord(small, "s");
        layouts.push_back({"shared record", withDirectory(body, {bomb, bomb, bomb, small}), {"bomb"}});
    }
    {
        // One member's stored data holds another's whole local record.
        const std::string innerData = "inner data";
        const zipeng::MemberRecord inner = storedRecord("inner", innerData, 30 + 5 + 4);
        const std::string outerData = "head" + localRecord(inner, innerData) + "tail";
        const zipeng::MemberRecord outer = storedRecord("outer", outerData, 0);
        std::string body = localRecord(outer, outerData);
        const zipeng::MemberRecord small = storedRecord("small", "s", body.size());
        body += localRecord(small, "s");
        layouts.push_back({"nested record", withDirectory(body, {outer, inner, small}), {"outer", "inner"}});
    }
    layouts.push_back({"sound", plainArchive({{"outer", payload}, {"inner", "i"}, {"small", "s"}}), {}});

    ScratchDir dir;
    writeFile("new.txt", "new\n");
    for (const Layout &layout : layouts) {
        for (const bool remove : {true, false}) {
            SCOPED_TRACE(std::string(layout.what) + (remove ? ", delete" : ", add"));
            writeFile("t.zip", layout.archive);
            Flags flags;
            flags.remove = remove;
            const CallResult r = callEngine("t.zip", {remove ? "small" : "new.txt"}, flags);
            if (layout.overlapping.empty()) {
                EXPECT_EQ(r.result, 1) << r.dump();
                EXPECT_TRUE(r.errors().empty()) << r.dump();
                continue;
            }
            EXPECT_EQ(r.result, 0) << r.dump();
            EXPECT_EQ(readFile("t.zip"), layout.archive);
            EXPECT_EQ(listDir("."), (std::vector<std::string>{"new.txt", "t.zip"}));
            EXPECT_EQ(r.errors().size(), 1u) << r.dump();
            if (r.errors().empty())
                continue;
            EXPECT_EQ(r.errors()[0].code, zipeng::FormatError);
            for (const std::string &name : layout.overlapping)
                EXPECT_NE(r.errors()[0].text.find('"' + name + '"'), std::string::npos) << r.errors()[0].text;
            EXPECT_EQ(r.errors()[0].text.find("\"small\""), std::string::npos) << r.errors()[0].text;
        }
    }
}

TEST(HostileArchive, RefreshingTheWholeArchiveReadsOnlyNamesExtractionWouldAccept)
{
    ScratchDir dir;
    makeDirs("base/sub");
    makeDirs("outside");
    writeFile("base/ok", "fresh\n");
    writeFile("outside/secret", "secret\n");
    // Each would read outside/secret (or, cut at its NUL, base/ok) if taken as a path.
    const std::vector<std::string> unsafe = {
        "../outside/secret",           dir / "outside/secret",     "sub/../../outside/secret",
        "sub\\..\\..\\outside/secret", std::string("ok\0tail", 7),
    };
    std::vector<std::pair<std::string, std::string>> members = {{"ok", "old\n"}};
    for (const std::string &name : unsafe)
        members.push_back({name, "old\n"});
    const std::string original = plainArchive(members);

    for (const bool update : {false, true}) {
        SCOPED_TRACE(update ? "update" : "freshen");
        writeFile("f.zip", original);
        const ArchiveInfo before = readArchive("f.zip");
        Flags flags;
        flags.update = update;
        flags.freshen = !update;
        flags.base = dir / "base";
        const CallResult r = callEngine("f.zip", {}, flags);
        EXPECT_EQ(r.result, 1) << r.dump();
        const ArchiveInfo after = readArchive("f.zip");
        ASSERT_EQ(after.names(), before.names());
        EXPECT_EQ(after.find("ok")->crc, crc32Of("fresh\n"));
        for (const std::string &name : unsafe)
            EXPECT_EQ(after.find(name)->record, before.find(name)->record) << name;
        EXPECT_EQ(r.errors().size(), unsafe.size()) << r.dump();
        for (const Callback &e : r.errors())
            EXPECT_EQ(e.code, zipeng::OpenError) << e.text;
    }
}

TEST(HostileArchive, NamesCannotForgeOrTurnMessageLines)
{
    struct Case {
        std::string stored;
        std::string shown;
    };
    const Case cases[] = {
        {"a\nall 3 members verified OK", "a?all 3 members verified OK"},
        {"b\r\x1b[2K", "b??[2K"},
        {"c\x9b"
         "31m",
         "c?31m"},  // a lone C1 byte, as a Latin-1 terminal reads it
        {"d\xC2\x85"
         "e",
         "d?e"},                                 // U+0085, next line
        {"f\xE2\x80\xA8g\xE2\x80\xA9", "f?g?"},  // line and paragraph separators
        {"h\xE2\x80\xAEtxt.exe", "h?txt.exe"},   // right-to-left override
        {"i\xE2\x81\xA6j\xE2\x81\xA9", "i?j?"},  // isolates
        {"k\xC4\x9B\xE2\x80\xAF\xE2\x81\xAA",
         "k\xC4\x9B\xE2\x80\xAF\xE2\x81\xAA"},  // kept: 0x9B inside U+011B, U+202F, U+206A
        {"l\xE9t\xE9", "l\xE9t\xE9"},           // Latin-1 text that is not UTF-8 stays as it is
    };
    ScratchDir dir;
    std::vector<std::string> stored, shown;
    for (const Case &c : cases) {
        writeFile(c.stored, "x");
        stored.push_back(c.stored);
        shown.push_back(c.shown);
    }
    Flags flags;
    flags.verbose = true;
    const CallResult added = callEngine("n.zip", stored, flags);
    ASSERT_EQ(added.result, int(std::size(cases))) << added.dump();
    EXPECT_EQ(readArchive("n.zip").names(), stored);  // the archive keeps them as they are
    EXPECT_EQ(added.begun(), shown);

    flags.remove = true;
    const CallResult removed = callEngine("n.zip", {"*"}, flags);
    ASSERT_EQ(removed.result, int(std::size(cases))) << removed.dump();
    EXPECT_EQ(removed.begun(), shown);
    std::vector<std::string> texts;
    for (const Callback &m : removed.messages())
        texts.push_back(m.text);
    std::vector<std::string> expected;
    for (const std::string &name : shown)
        expected.push_back("deleting: " + name);
    EXPECT_EQ(texts, expected);
}
