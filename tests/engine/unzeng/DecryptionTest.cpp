// Encrypted members: both ciphers with the right password, the questions
// asked (how often, in which order, with which attempt number), wrong,
// missing and cancelled passwords, and data that was changed or cut short;
// and what a member that failed leaves to a later one of the same name.

#include "support/ArchiveBuilder.h"
#include "support/Compress.h"
#include "support/EngineCalls.h"
#include "support/Files.h"

#include "engine/crypto/TraditionalCipher.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <unistd.h>

using namespace ziptest;

namespace {

// The answers a caller gives, one per question in order, and the questions
// it was asked.
struct PasswordScript {
    struct Answer {
        int32_t kind = PasswordGiven;
        std::string password;
    };
    std::vector<Answer> answers;
    std::vector<std::pair<std::string, int32_t>> asked;  // member, attempt
};

PasswordScript *currentScript = nullptr;  // the callback runs on the calling thread
std::optional<int32_t> claimedLength;     // the length answered instead of the password's own

int32_t scriptedPassword(void *, const char *member, int32_t attempt, char *buffer, int32_t bufferSize,
                         int32_t *passwordLength)
{
    PasswordScript &script = *currentScript;
    script.asked.emplace_back(member, attempt);
    if (script.asked.size() > script.answers.size())
        return PasswordNone;
    const PasswordScript::Answer &answer = script.answers[script.asked.size() - 1];
    if (answer.kind == PasswordGiven) {
        if (answer.password.size() > size_t(bufferSize))
            return PasswordCancel;
        std::memcpy(buffer, answer.password.data(), answer.password.size());
        *passwordLength = claimedLength.value_or(static_cast<int32_t>(answer.password.size()));
    }
    return answer.kind;
}

PasswordScript::Answer given(std::string password)
{
    return {PasswordGiven, std::move(password)};
}

class UnzengDecryption : public ::testing::Test {
protected:
    // Extracts into `target`; a null script means no password callback.
    CallResult run(const std::vector<Member> &entries, PasswordScript *script)
    {
        return runBytes(buildZip(entries), script);
    }
    CallResult runBytes(const std::string &bytes, PasswordScript *script)
    {
        const std::string archive = files / "a.zip";
        writeFile(archive, bytes);
        CallRecorder recorder;
        auto record = std::make_unique<UnzipCallRecord>();
        std::memset(record.get(), 0, sizeof *record);
        recorder.attach(*record, false, false);
        record->DirNamesFlag = dirNames;
        record->ArchiveName = archive.c_str();
        record->BaseDirectory = target.path().c_str();
        currentScript = script;
        record->Password = script ? &scriptedPassword : nullptr;
        CallResult out;
        out.result = orvex_unzeng_call(record.get());
        out.calls = std::move(recorder.calls);
        currentScript = nullptr;
        return out;
    }
    TempDir files, target;
    bool dirNames = true;
};

using Asked = std::vector<std::pair<std::string, int32_t>>;

Member aes(Member m, int strength, uint16_t version)
{
    AesOptions options;
    options.strength = strength;
    options.vendorVersion = version;
    return aesEncrypted(std::move(m), "secret", options);
}

TEST_F(UnzengDecryption, TheRightPasswordGivesTheExactBytes)
{
    const std::string text = textData(70000, 5), binary = randomData(5000, 6);
    Member deferred = fileEntry("deferred", text);
    deferred.deferred = true;
    deferred.modTime = 0x1234;  // the check byte comes from the time, not the CRC
    Member streamedStored = streamed("deferred-stored", binary);
    streamedStored.modTime = 0xBEEF;
    const struct {
        Member member;
        std::string data;
    } cases[] = {
        {traditionalEncrypted(fileEntry("zc-stored", binary, 0), "secret"), binary},
        {traditionalEncrypted(fileEntry("zc-deflated", text), "secret"), text},
        {traditionalEncrypted(deferred, "secret"), text},
        {traditionalEncrypted(streamedStored, "secret"), binary},
        {aes(fileEntry("aes128-ae1-stored", binary, 0), 1, 1), binary},
        {aes(fileEntry("aes192-ae2-deflated", text), 2, 2), text},
        {aes(fileEntry("aes256-ae2-stored", binary, 0), 3, 2), binary},
        {aes(fileEntry("aes256-ae1-deflated", text), 3, 1), text},
        {aes(fileEntry("aes128-ae2-empty", "", 0), 1, 2), ""},
    };
    for (const auto &c : cases) {
        PasswordScript script{{given("secret")}, {}};
        const CallResult out = run({c.member}, &script);
        EXPECT_EQ(out.result, 1) << c.member.name << "\n" << out.dump();
        EXPECT_TRUE(out.errors().empty()) << out.dump();
        EXPECT_EQ(readFile(target / c.member.name), c.data) << c.member.name;
        EXPECT_EQ(script.asked, (Asked{{c.member.name, 1}})) << c.member.name;
    }
}

TEST_F(UnzengDecryption, AnAe1MemberKeepsItsCrcCheckedAndAnAe2OneDoesNot)
{
    Member lying = fileEntry("ae1", "the data");
    lying.crc = 0x12345678;
    PasswordScript script{{given("secret")}, {}};
    const CallResult ae1 = run({aes(lying, 3, 1)}, &script);
    EXPECT_TRUE(ae1.hasError("ae1: bad CRC", 2)) << ae1.dump();
    EXPECT_FALSE(exists(target / "ae1"));

    lying.name = "ae2";  // AE-2 writes CRC 0 whatever the data
    PasswordScript again{{given("secret")}, {}};
    const CallResult ae2 = run({aes(lying, 3, 2)}, &again);
    EXPECT_EQ(ae2.result, 1) << ae2.dump();
    EXPECT_EQ(readFile(target / "ae2"), "the data");
}

TEST_F(UnzengDecryption, ThreeWrongPasswordsSkipTheMemberWithoutShowingThem)
{
    for (const Member &m : {traditionalEncrypted(fileEntry("zc", textData(1000, 2)), "secret"),
                            aes(fileEntry("aes", textData(1000, 2)), 3, 2)}) {
        PasswordScript script{{given("wrong1"), given("wrong2"), given("wrong3"), given("secret")}, {}};
        const CallResult out = run({m}, &script);
        EXPECT_EQ(script.asked, (Asked{{m.name, 1}, {m.name, 2}, {m.name, 3}}));
        EXPECT_EQ(out.result, 0);
        EXPECT_TRUE(out.hasError(m.name + ": wrong password", 2)) << out.dump();
        EXPECT_EQ(listTree(target.path()), std::vector<std::string>{}) << m.name;
        for (const Callback &c : out.calls)
            EXPECT_EQ(c.text.find("wrong"), c.text.find("wrong password")) << c.text;
    }
}

TEST_F(UnzengDecryption, TheRightPasswordOnTheSecondAttemptExtracts)
{
    PasswordScript script{{given("wrong"), given("secret")}, {}};
    const CallResult out = run({aes(fileEntry("f", "content"), 1, 2)}, &script);
    EXPECT_EQ(script.asked, (Asked{{"f", 1}, {"f", 2}}));
    EXPECT_EQ(out.result, 1) << out.dump();
    EXPECT_EQ(readFile(target / "f"), "content");
}

TEST_F(UnzengDecryption, APasswordThatWorkedIsTriedFirstOnTheNextMembers)
{
    Member other = traditionalEncrypted(fileEntry("other", "o"), "different");
    PasswordScript script{{given("secret"), given("different")}, {}};
    const CallResult out = run({aes(fileEntry("a", "1"), 3, 2), traditionalEncrypted(fileEntry("b", "2"), "secret"),
                                fileEntry("plain", "p"), other, traditionalEncrypted(fileEntry("c", "3"), "different")},
                               &script);
    // The remembered one failing on "other" counts as its first wrong answer.
    EXPECT_EQ(script.asked, (Asked{{"a", 1}, {"other", 2}}));
    EXPECT_EQ(out.result, 5) << out.dump();
    EXPECT_EQ(treeContents(target.path()),
              (std::map<std::string, std::string>{{"a", "1"}, {"b", "2"}, {"c", "3"}, {"other", "o"}, {"plain", "p"}}));
}

TEST_F(UnzengDecryption, WithoutAPasswordEncryptedMembersAreSkipped)
{
    const std::vector<Member> entries{traditionalEncrypted(fileEntry("zc", "1"), "secret"), fileEntry("plain", "p"),
                                      aes(fileEntry("aes", "2"), 2, 1)};
    PasswordScript none{{{PasswordNone, ""}, {PasswordNone, ""}}, {}};
    for (PasswordScript *script : {static_cast<PasswordScript *>(nullptr), &none}) {
        const CallResult out = run(entries, script);
        EXPECT_EQ(out.result, 1) << out.dump();
        for (const char *name : {"zc", "aes"})
            EXPECT_TRUE(out.hasError(std::string(name) + ": encrypted, no password given", 2)) << out.dump();
        EXPECT_EQ(listTree(target.path()), std::vector<std::string>{"plain"});
        ::unlink((target / "plain").c_str());
    }
    EXPECT_EQ(none.asked, (Asked{{"zc", 1}, {"aes", 1}}));
}

TEST_F(UnzengDecryption, ACancelAtTheQuestionStopsButKeepsWhatCameBefore)
{
    PasswordScript script{{given("secret"), {PasswordCancel, ""}}, {}};
    const CallResult out = run({fileEntry("first", textData(200000, 1)), aes(fileEntry("a", "1"), 3, 2),
                                traditionalEncrypted(fileEntry("b", "2"), "other"), fileEntry("after", "x")},
                               &script);
    EXPECT_EQ(script.asked, (Asked{{"a", 1}, {"b", 2}}));
    EXPECT_EQ(out.result, 2) << out.dump();
    EXPECT_EQ(listTree(target.path()), (std::vector<std::string>{"a", "first"}));
    EXPECT_EQ(out.count(ZipActionBatchEnd), 1);
}

// An answer is its bytes with their length: a NUL is part of it, and the
// longest password fits whole. The part before a NUL is a wrong password.
TEST_F(UnzengDecryption, AnAnswerIsItsWholeBytesNulsIncluded)
{
    const std::string nulInside("ab\0cd", 5), nulFirst("\0xyz", 4), longest(MaxPasswordLength, 'k');
    const struct {
        Member member;
        std::vector<PasswordScript::Answer> answers;
        Asked asked;
    } cases[] = {
        {aesEncrypted(fileEntry("aes", "1"), nulInside), {given("ab"), given(nulInside)}, {{"aes", 1}, {"aes", 2}}},
        {traditionalEncrypted(fileEntry("zc", "2"), nulFirst), {given(""), given(nulFirst)}, {{"zc", 1}, {"zc", 2}}},
        {aesEncrypted(fileEntry("long", "3"), longest), {given(longest)}, {{"long", 1}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.member.name);
        PasswordScript script{c.answers, {}};
        const CallResult out = run({c.member}, &script);
        EXPECT_EQ(script.asked, c.asked);
        EXPECT_EQ(out.result, 1) << out.dump();
        EXPECT_EQ(readFile(target / c.member.name), c.member.data);
    }
}

// A length the buffer cannot hold is no password the caller gave: nothing of
// it is tried, and the call stops as at a cancel.
TEST_F(UnzengDecryption, AnAnswerWithAnImpossibleLengthStopsTheCall)
{
    const std::string password(MaxPasswordLength, 'k');
    for (const int32_t length : {-1, MaxPasswordLength + 1}) {
        SCOPED_TRACE(length);
        PasswordScript script{{given(password), given(password)}, {}};
        claimedLength = length;
        const CallResult out = run({aesEncrypted(fileEntry("a", "1"), password), fileEntry("after", "x")}, &script);
        claimedLength.reset();
        EXPECT_EQ(script.asked, (Asked{{"a", 1}}));
        EXPECT_EQ(out.result, 0) << out.dump();
        EXPECT_EQ(listTree(target.path()), std::vector<std::string>{});
    }
}

TEST_F(UnzengDecryption, ChangedAesDataIsRefusedBeforeAByteIsKept)
{
    const std::string text = textData(50000, 3);
    const struct {
        const char *name;
        uint16_t method;
        AesOptions options;
    } cases[] = {
        {"data-stored", 0, {.corruptDataAt = 100}}, {"data-deflated", 8, {.corruptDataAt = 10}},
        {"mac-stored", 0, {.corruptMac = true}},    {"mac-deflated", 8, {.corruptMac = true}},
        {"last-byte-cut", 8, {.truncateBy = 1}},
    };
    for (const auto &c : cases) {
        PasswordScript script{{given("secret")}, {}};
        const CallResult out = run({aesEncrypted(fileEntry(c.name, text, c.method), "secret", c.options)}, &script);
        EXPECT_EQ(out.result, 0) << c.name;
        EXPECT_TRUE(out.hasError(std::string(c.name) + ": authentication failed (the data was changed)", 2))
            << out.dump();
        EXPECT_EQ(listTree(target.path()), std::vector<std::string>{}) << c.name;
    }
}

// Without folder names "a/x" and "b/x" meet at "x": a first one that was not
// written leaves the file to the second.
TEST_F(UnzengDecryption, AMemberThatFailedLeavesItsFileToTheNextOfTheSameName)
{
    dirNames = false;
    Member badCrc = fileEntry("a/x", "first", 0);
    badCrc.crc = 0x12345678;
    const struct {
        const char *why;
        Member first;
    } cases[] = {
        {"bad CRC", badCrc},
        {"changed AES data", aesEncrypted(fileEntry("a/x", textData(5000, 1)), "secret", {.corruptDataAt = 10})},
        {"wrong password", traditionalEncrypted(fileEntry("a/x", "first"), "other")},
    };
    for (const auto &c : cases) {
        PasswordScript script{{given("secret")}, {}};
        const CallResult out = run({c.first, fileEntry("b/x", "second")}, &script);
        EXPECT_EQ(out.result, 1) << c.why << out.dump();
        EXPECT_EQ(treeContents(target.path()), (std::map<std::string, std::string>{{"x", "second"}})) << c.why;
        ::unlink((target / "x").c_str());
    }
}

TEST_F(UnzengDecryption, EncryptedMembersCutShortAreErrors)
{
    Member shortHeader = fileEntry("short-header", "x", 0);
    shortHeader.packed = std::string(11, 'h');
    shortHeader.flags = 0x0001;
    Member shortStored = traditionalEncrypted(fileEntry("short-stored", "0123456789", 0), "secret");
    shortStored.packed->resize(shortStored.packed->size() - 3);
    Member shortDeflated = traditionalEncrypted(fileEntry("short-deflated", textData(5000, 1)), "secret");
    shortDeflated.packed->resize(shortDeflated.packed->size() / 2);
    AesOptions noMac;
    noMac.truncateBy = 11;  // of the 10-byte code and a byte of data: salt and verifier stay
    AesOptions onlySalt;
    onlySalt.truncateBy = 30;
    for (const Member &m :
         {shortHeader, shortStored, shortDeflated, aesEncrypted(fileEntry("aes-no-mac", "tiny", 0), "secret", noMac),
          aesEncrypted(fileEntry("aes-salt-only", "tiny", 0), "secret", onlySalt)}) {
        PasswordScript script{{given("secret")}, {}};
        const CallResult out = run({m, fileEntry("next", "n")}, &script);
        EXPECT_EQ(out.result, 1) << m.name << "\n" << out.dump();
        EXPECT_TRUE(out.hasError(m.name + ":", 2)) << out.dump();
        EXPECT_EQ(listTree(target.path()), std::vector<std::string>{"next"}) << m.name;
        ::unlink((target / "next").c_str());
    }
}

TEST_F(UnzengDecryption, AWrongPasswordPassingTheCheckByteIsReportedAsWrong)
{
    const Member m = traditionalEncrypted(fileEntry("f", textData(3000, 9)), "secret");
    // One password in 256 decrypts the header to the right last byte.
    const auto *header = reinterpret_cast<const uint8_t *>(m.packed->data());
    std::string impostor;
    for (int i = 0; impostor.empty(); ++i) {
        crypto::TraditionalCipher right("secret"), candidate("guess" + std::to_string(i));
        std::array<uint8_t, crypto::TraditionalHeaderLength> plain{}, tried{};
        std::memcpy(plain.data(), header, plain.size());
        std::memcpy(tried.data(), header, tried.size());
        right.decrypt(plain.data(), plain.size());
        candidate.decrypt(tried.data(), tried.size());
        if (tried.back() == plain.back())
            impostor = "guess" + std::to_string(i);
    }
    PasswordScript script{{given(impostor)}, {}};
    const CallResult out = run({m}, &script);
    EXPECT_EQ(out.result, 0);
    EXPECT_TRUE(out.hasError("f: wrong password", 2)) << out.dump();
    EXPECT_EQ(listTree(target.path()), std::vector<std::string>{});
}

TEST_F(UnzengDecryption, AnEncryptedLinkIsDecryptedLikeAFile)
{
    PasswordScript script{{given("secret")}, {}};
    const CallResult out = run({fileEntry("target.txt", "t"), aes(linkEntry("link", "target.txt"), 1, 2)}, &script);
    EXPECT_EQ(out.result, 2) << out.dump();
    EXPECT_EQ(treeContents(target.path()),
              (std::map<std::string, std::string>{{"link", "link:target.txt"}, {"target.txt", "t"}}));
}

TEST_F(UnzengDecryption, StrongEncryptionStaysUnsupported)
{
    Member strong = fileEntry("strong", "s", 0);
    strong.flags = 0x0041;
    Member noField = fileEntry("no-field", "s", 0);
    noField.flags = 0x0001;
    noField.method = 99;
    PasswordScript script{{given("secret")}, {}};
    const CallResult out = run({strong, noField}, &script);
    EXPECT_TRUE(out.hasError("skipping strong: it is encrypted with strong encryption", 81)) << out.dump();
    EXPECT_TRUE(out.hasError("skipping no-field: it is encrypted with AES", 81)) << out.dump();
    EXPECT_TRUE(script.asked.empty());
}

// Past 64 MiB a member is decoded into its file as it streams: the file is
// only put in place once the authentication code at the end matches.
TEST_F(UnzengDecryption, AStreamedAesMemberIsKeptOnlyWhenItsCodeMatches)
{
    // Stored, so that building and checking it cost little more than the cipher.
    const std::string chunk = randomData(4096, 7);
    std::string big;
    big.reserve((64u << 20) + chunk.size());
    while (big.size() <= (64u << 20))
        big += chunk;
    const std::string archive = buildZip({aesEncrypted(fileEntry("big", big, 0), "secret")});
    std::string changed = archive;
    changed[changed.size() / 2] ^= 0x01;  // well inside the encrypted data

    PasswordScript first{{given("secret")}, {}};
    const CallResult refused = runBytes(changed, &first);
    EXPECT_TRUE(refused.hasError("big: authentication failed (the data was changed)", 2)) << refused.dump();
    EXPECT_EQ(listTree(target.path()), std::vector<std::string>{});

    PasswordScript second{{given("secret")}, {}};
    const CallResult out = runBytes(archive, &second);
    EXPECT_EQ(out.result, 1) << out.dump();
    EXPECT_TRUE(readFile(target / "big") == big);
}

}  // namespace
