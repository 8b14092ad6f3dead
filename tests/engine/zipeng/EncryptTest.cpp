// Adding encrypted members: each one opened again here with the crypto
// library alone (keys from the stored salt, verifier, MAC, AES, inflate), the
// headers of both kinds, the pieces of a large member encrypted in order,
// members kept or deleted around encrypted ones, a cancel, and the peers.

#include "support/ArchiveReading.h"
#include "support/EngineCalls.h"
#include "support/Files.h"
#include "support/Run.h"

#include "engine/crypto/WinZipAes.h"
#include "engine/zipeng/JobOptions.h"
#include "engine/zipformat/LittleEndian.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <map>
#include <optional>
#include <set>
#include <tuple>

using namespace ziptest;
using zipformat::le16;

namespace {

const std::string Password = "secret";

std::optional<std::string> inflateRaw(const std::string &packed, size_t expected)
{
    std::string out(expected + 1, '\0');  // one byte more: a longer stream shows
    z_stream z{};
    if (inflateInit2(&z, -15) != Z_OK)
        return std::nullopt;
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.data()));
    z.avail_in = uInt(packed.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    const int rc = inflate(&z, Z_FINISH);
    out.resize(z.total_out);
    inflateEnd(&z);
    if (rc != Z_STREAM_END || z.avail_in != 0)
        return std::nullopt;
    return out;
}

// One encrypted member taken apart: what its local header says and what its
// data opens to with a password.
struct Opened {
    uint16_t localMethod = 0, localFlags = 0, localVersion = 0;
    uint32_t localCrc = 0;
    std::optional<crypto::AesExtra> localExtra, centralExtra;
    std::string salt;
    bool verifierMatches = false;
    bool macMatches = false;
    std::optional<std::string> plain;  // decrypted and decompressed, when the MAC matched
};

Opened openMember(const ArchiveMember &m, const std::string &password)
{
    Opened o;
    const auto *bytes = reinterpret_cast<const uint8_t *>(m.record.data());
    EXPECT_GE(m.record.size(), 30u);
    if (m.record.size() < 30)
        return o;
    o.localVersion = le16(bytes + 4);
    o.localFlags = le16(bytes + 6);
    o.localMethod = le16(bytes + 8);
    o.localCrc = zipformat::le32(bytes + 14);
    const size_t nameLength = le16(bytes + 26), extraLength = le16(bytes + 28);
    o.localExtra = crypto::findAesExtra(bytes + 30 + nameLength, extraLength);
    o.centralExtra = crypto::findAesExtra(m.extra.data(), m.extra.size());
    const size_t start = 30 + nameLength + extraLength;
    constexpr size_t saltLength = 16, overhead = saltLength + crypto::AesVerifierLength + crypto::AesMacLength;
    EXPECT_EQ(m.packedSize, m.record.size() - start) << m.name;
    if (m.record.size() < start + overhead || !o.centralExtra)
        return o;
    const uint8_t *salt = bytes + start;
    o.salt.assign(reinterpret_cast<const char *>(salt), saltLength);
    const crypto::AesKeys keys = crypto::deriveAesKeys(password, salt, 3);
    o.verifierMatches = std::equal(keys.verifier.begin(), keys.verifier.end(), salt + saltLength);
    const uint8_t *data = salt + saltLength + crypto::AesVerifierLength;
    const size_t dataLength = m.record.size() - start - overhead;
    crypto::AesAuthenticator mac(keys.authentication);
    mac.update(data, dataLength);
    o.macMatches = crypto::macMatches(mac.finish().data(), data + dataLength);
    if (!o.macMatches)
        return o;
    std::string packed(reinterpret_cast<const char *>(data), dataLength);
    crypto::AesCtrCipher(keys.encryption).apply(reinterpret_cast<uint8_t *>(packed.data()), packed.size());
    if (o.centralExtra->actualMethod == 0)
        o.plain = packed;
    else if (o.centralExtra->actualMethod == 8)
        o.plain = inflateRaw(packed, m.unpackedSize);
    return o;
}

// The member reads back as `content` with the password, and its headers say
// what an AE-2 member of WinZip AES-256 says.
void expectEncrypted(const ArchiveMember &m, const std::string &content, uint16_t method)
{
    SCOPED_TRACE(m.name);
    const Opened o = openMember(m, Password);
    for (const auto &[version, flags, stored, crc] :
         {std::tuple{m.versionNeeded, m.flags, m.method, m.crc},
          std::tuple{o.localVersion, o.localFlags, o.localMethod, o.localCrc}}) {
        EXPECT_EQ(version, 51);
        EXPECT_EQ(flags & 1, 1);
        EXPECT_EQ(stored, 99);
        EXPECT_EQ(crc, 0u);
    }
    for (const std::optional<crypto::AesExtra> &extra : {o.localExtra, o.centralExtra}) {
        ASSERT_TRUE(extra.has_value());
        EXPECT_EQ(extra->vendorVersion, 2);
        EXPECT_EQ(extra->strength, 3);
        EXPECT_EQ(extra->actualMethod, method);
    }
    EXPECT_EQ(m.unpackedSize, content.size());
    EXPECT_TRUE(o.verifierMatches);
    EXPECT_TRUE(o.macMatches);
    ASSERT_TRUE(o.plain.has_value());
    EXPECT_TRUE(*o.plain == content) << "the data differs";
}

void expectPlain(const ArchiveMember &m)
{
    EXPECT_EQ(m.flags & 1, 0) << m.name;
    EXPECT_NE(m.method, 99) << m.name;
    EXPECT_FALSE(crypto::findAesExtra(m.extra.data(), m.extra.size())) << m.name;
}

Flags encrypting(int level = 6)
{
    Flags flags;
    flags.level = level;
    flags.password = Password;
    return flags;
}

}  // namespace

TEST(Encrypt, MembersOpenWithThePasswordAndOnlyWithIt)
{
    ScratchDir dir;
    const std::string text = textData(12000, 1), noise = randomData(12000, 2), big = textData(300000, 3),
                      bigNoise = randomData(200000, 4);
    writeFile("text.txt", text);
    writeFile("noise.bin", noise);
    writeFile("empty", "");
    writeFile("big.txt", big);
    writeFile("big.bin", bigNoise);
    makeDirs("dir");
    // Files to deflate above 16 KiB, and files to store above 100 KB, go
    // through the writer; it has the larger ones deflated in pieces of 16 KiB
    // on both workers, whose encryption must still follow the pieces' order.
    const Override<uint64_t> whole(zipeng::tuning::wholeFileLimit, 100000);
    const Override<size_t> piece(zipeng::tuning::streamChunk, 16u << 10);
    struct Case {
        const char *name;
        int level;
        const std::string &content;
        uint16_t method;
    };
    const Case cases[] = {
        {"text.txt", 6, text, 8},                             // deflated whole on a worker
        {"text.txt", 0, text, 0},                             // stored whole on a worker
        {"noise.bin", 6, noise, 0},                           // does not shrink: stored on a worker
        {"empty", 6, "", 0},         {"big.txt", 6, big, 8},  // deflated in pieces
        {"big.txt", 0, big, 0},                               // stored by the writer
        {"big.bin", 6, bigNoise, 0},                          // seen not to shrink: stored by the writer
    };
    std::set<std::string> salts;
    bool wrongVerifierSeen = false;
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.name) + " level " + std::to_string(c.level));
        ::unlink("t.zip");
        const CallResult r = callEngine("t.zip", {c.name, "dir"}, encrypting(c.level));
        ASSERT_EQ(r.result, 1) << r.dump();  // the folder uncounted
        EXPECT_TRUE(r.errors().empty()) << r.dump();
        const ArchiveInfo info = readArchive("t.zip");
        ASSERT_TRUE(info.ok);
        ASSERT_NE(info.find(c.name), nullptr);
        expectEncrypted(*info.find(c.name), c.content, c.method);
        expectPlain(*info.find("dir/"));
        const Opened right = openMember(*info.find(c.name), Password);
        salts.insert(right.salt);
        const Opened wrong = openMember(*info.find(c.name), "Secret");
        EXPECT_FALSE(wrong.macMatches);
        wrongVerifierSeen |= !wrong.verifierMatches;
        for (const Callback &m : r.calls)
            EXPECT_EQ(m.text.find(Password), std::string::npos) << m.text;
    }
    // The verifier has 16 bits, so one may match by chance; seven cannot.
    EXPECT_TRUE(wrongVerifierSeen);
    EXPECT_EQ(salts.size(), std::size(cases)) << "a salt was used twice";
}

// The password is the record's PasswordLength bytes, NULs included: the part
// before a NUL does not open the member.
TEST(Encrypt, ThePasswordIsItsWholeBytes)
{
    ScratchDir dir;
    const std::string text = textData(3000, 11);
    writeFile("text.txt", text);
    const struct {
        std::string password;
        std::string before;  // a shorter password that must not open it
    } cases[] = {
        {std::string("ab\0cd", 5), "ab"},
        {std::string("\0xyz", 4), ""},
        {std::string(size_t(MaxPasswordLength), 'k'), std::string(size_t(MaxPasswordLength) - 1, 'k')},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.password.size());
        ::unlink("t.zip");
        Flags flags = encrypting();
        flags.password = c.password;
        const CallResult r = callEngine("t.zip", {"text.txt"}, flags);
        ASSERT_EQ(r.result, 1) << r.dump();
        const ArchiveInfo info = readArchive("t.zip");
        ASSERT_NE(info.find("text.txt"), nullptr);
        const ArchiveMember &m = *info.find("text.txt");
        const Opened right = openMember(m, c.password);
        ASSERT_TRUE(right.plain.has_value());
        EXPECT_TRUE(*right.plain == text);
        EXPECT_FALSE(openMember(m, c.before).macMatches);
    }
}

// A Password with a length that is no password's fails the call with code
// 16 before anything is written: never a member in the clear, never one with
// a part of the password.
TEST(Encrypt, APasswordWithAnUnusableLengthWritesNothing)
{
    ScratchDir dir;
    writeFile("text.txt", "text");
    const std::string bytes(size_t(MaxPasswordLength) + 1, 'k');
    for (const int32_t length : {0, -1, MaxPasswordLength + 1}) {
        SCOPED_TRACE(length);
        CallRecorder recorder;
        auto record = bareAddRecord("t.zip", "text.txt");
        recorder.attach(*record, false, false);
        record->Password = bytes.data();
        record->PasswordLength = length;
        CallResult r;
        r.result = orvex_zipeng_call(record.get());
        r.calls = std::move(recorder.calls);
        EXPECT_EQ(r.result, 0);
        EXPECT_EQ(r.errors().size(), 1u) << r.dump();
        EXPECT_TRUE(r.hasError("password", 16)) << r.dump();
        EXPECT_EQ(listDir("."), std::vector<std::string>{"text.txt"});
    }
}

TEST(Encrypt, MembersKeptOrDeletedAroundEncryptedOnesStayAsTheyWere)
{
    ScratchDir dir;
    writeFile("plain.txt", textData(5000, 4));
    writeFile("a.txt", textData(6000, 5));
    writeFile("b.txt", textData(7000, 6));
    ASSERT_EQ(callEngine("t.zip", {"plain.txt"}).result, 1);
    ASSERT_EQ(callEngine("t.zip", {"a.txt"}, encrypting()).result, 1);
    const ArchiveInfo first = readArchive("t.zip");
    ASSERT_EQ(callEngine("t.zip", {"b.txt"}, encrypting()).result, 1);
    const ArchiveInfo before = readArchive("t.zip");
    ASSERT_EQ(before.names(), (std::vector<std::string>{"plain.txt", "a.txt", "b.txt"}));
    for (const char *name : {"plain.txt", "a.txt"})
        EXPECT_TRUE(before.find(name)->record == first.find(name)->record) << name;
    expectPlain(*before.find("plain.txt"));
    expectEncrypted(*before.find("a.txt"), textData(6000, 5), 8);

    Flags remove;
    remove.remove = true;
    const CallResult r = callEngine("t.zip", {"a.txt"}, remove);
    ASSERT_EQ(r.result, 1) << r.dump();
    const ArchiveInfo after = readArchive("t.zip");
    ASSERT_EQ(after.names(), (std::vector<std::string>{"plain.txt", "b.txt"}));
    for (const char *name : {"plain.txt", "b.txt"})
        EXPECT_TRUE(after.find(name)->record == before.find(name)->record) << name;
    expectEncrypted(*after.find("b.txt"), textData(7000, 6), 8);
}

TEST(Encrypt, ACancelLeavesTheOldArchive)
{
    ScratchDir dir;
    writeFile("old.txt", "old\n");
    ASSERT_EQ(callEngine("t.zip", {"old.txt"}).result, 1);
    const std::string before = readFile("t.zip");
    writeFile("a.txt", textData(200000, 7));
    writeFile("b.txt", textData(200000, 8));
    const Override<uint64_t> whole(zipeng::tuning::wholeFileLimit, 100000);
    const Override<size_t> piece(zipeng::tuning::streamChunk, 16u << 10);
    for (const int level : {0, 6}) {
        SCOPED_TRACE(level);
        const CallResult r = callEngine("t.zip", {"a.txt", "b.txt"}, encrypting(level), cancelAt(ZipActionFileStep, 3));
        EXPECT_EQ(r.result, 0);
        EXPECT_TRUE(readFile("t.zip") == before);
        EXPECT_EQ(listDir("."), (std::vector<std::string>{"a.txt", "b.txt", "old.txt", "t.zip"}));
    }
}

// The peers' verdicts are the point here: what we encrypt must open with the
// tools people use. Assumed: 7-Zip 22.01 or later (7zz), bsdtar 3.6.2.
TEST(Encrypt, PeersOpenWhatWeEncrypt)
{
    ScratchDir dir;
    const std::string text = textData(50000, 9), noise = randomData(3000, 10);
    makeDirs("in");
    writeFile("in/text.txt", text);
    writeFile("in/noise.bin", noise);
    writeFile("in/empty", "");
    Flags flags = encrypting();
    flags.recurse = true;
    ASSERT_EQ(callEngine("t.zip", {"in"}, flags).result, 3);  // in/ uncounted
    const std::map<std::string, std::string> expected = {
        {"in/text.txt", text}, {"in/noise.bin", noise}, {"in/empty", ""}};
    if (haveProgram("7zz")) {
        const RunResult test = runTool({"7zz", "t", "-p" + Password, "t.zip"});
        EXPECT_EQ(test.exitCode, 0) << test.out;
        const RunResult wrong = runTool({"7zz", "t", "-pnot" + Password, "t.zip"});
        EXPECT_NE(wrong.exitCode, 0) << wrong.out;
        const RunResult x = runTool({"7zz", "x", "-p" + Password, "-o7z", "t.zip"});
        EXPECT_EQ(x.exitCode, 0) << x.out;
        EXPECT_EQ(treeContents("7z"), expected);
    }
    if (haveProgram("bsdtar")) {
        makeDirs("tar");
        const RunResult x = run({"bsdtar", "-x", "--passphrase", Password, "-C", "tar", "-f", "t.zip"});
        EXPECT_EQ(x.exitCode, 0) << x.err;
        EXPECT_EQ(treeContents("tar"), expected);
    }
}
