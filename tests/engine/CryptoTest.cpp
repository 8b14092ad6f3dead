// The encryption primitives: the traditional cipher, WinZip AES's key
// derivation, counter mode, authentication and extra field, checked against
// published test values, against OpenSSL's plain AES, and against what
// Info-ZIP zip and 7-Zip write.

#include "support/ArchiveBuilder.h"
#include "support/ArchiveReading.h"
#include "support/Files.h"
#include "support/Run.h"

#include "engine/crypto/TraditionalCipher.h"
#include "engine/crypto/WinZipAes.h"
#include "engine/zipformat/ZipRecords.h"

#include <gtest/gtest.h>

#include <openssl/evp.h>
#include <zlib.h>

#include <stdexcept>

using namespace ziptest;

namespace {

uint8_t *bytesOf(std::string &s)
{
    return reinterpret_cast<uint8_t *>(s.data());
}

const uint8_t *bytesOf(const std::string &s)
{
    return reinterpret_cast<const uint8_t *>(s.data());
}

std::string hex(const uint8_t *p, size_t n)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (size_t i = 0; i < n; ++i) {
        out += digits[p[i] >> 4];
        out += digits[p[i] & 0xF];
    }
    return out;
}

template <typename Container>
std::string hex(const Container &c)
{
    return hex(reinterpret_cast<const uint8_t *>(c.data()), c.size());
}

std::vector<uint8_t> countingKey(size_t length)
{
    std::vector<uint8_t> key(length);
    for (size_t i = 0; i < length; ++i)
        key[i] = static_cast<uint8_t>(i);
    return key;
}

// Plain AES over whole blocks, as the reference the counter mode is built on.
std::string aesEcb(const std::vector<uint8_t> &key, const std::string &in)
{
    const EVP_CIPHER *type = key.size() == 16   ? EVP_aes_128_ecb()
                             : key.size() == 24 ? EVP_aes_192_ecb()
                                                : EVP_aes_256_ecb();
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    std::string out(in.size(), '\0');
    int written = 0;
    const bool ok = ctx && EVP_EncryptInit_ex(ctx, type, nullptr, key.data(), nullptr) == 1
                    && EVP_CIPHER_CTX_set_padding(ctx, 0) == 1
                    && EVP_EncryptUpdate(ctx, bytesOf(out), &written, bytesOf(in), static_cast<int>(in.size())) == 1;
    EVP_CIPHER_CTX_free(ctx);
    if (!ok || static_cast<size_t>(written) != in.size())
        throw std::runtime_error("reference AES failed");
    return out;
}

std::string inflateRaw(const std::string &packed, size_t size)
{
    std::string out(size, '\0');
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        return "inflateInit2 failed";
    z.next_in = const_cast<Bytef *>(bytesOf(packed));
    z.avail_in = static_cast<uInt>(packed.size());
    z.next_out = bytesOf(out);
    z.avail_out = static_cast<uInt>(out.size());
    const int rc = inflate(&z, Z_FINISH);
    inflateEnd(&z);
    return rc == Z_STREAM_END && z.avail_out == 0 ? out : "inflate failed";
}

// The only member of an encrypted archive, opened with `password` by the
// library: whether the header check passed, whether the AES MAC matched, and
// the content once decrypted and decompressed.
struct Opened {
    bool headerOk = false;
    bool macOk = false;
    std::string content;
};

Opened openOnlyMember(const std::string &path, const std::string &password)
{
    Opened result;
    const ArchiveInfo info = readArchive(path);
    if (!info.ok || info.members.size() != 1)
        throw std::runtime_error("unreadable archive");
    const ArchiveMember &m = info.members[0];
    const auto local = zipformat::parseLocalHeader(
        zipformat::Bytes(reinterpret_cast<const uint8_t *>(m.record.data()), m.record.size()));
    if (!local || !(m.flags & 1) || local->recordSize() + m.packedSize > m.record.size())
        throw std::runtime_error("not an encrypted member");
    std::string data = m.record.substr(static_cast<size_t>(local->recordSize()), static_cast<size_t>(m.packedSize));

    uint16_t method = m.method;
    if (m.method == crypto::AesMethod) {
        const auto aes = crypto::findAesExtra(m.extra.data(), m.extra.size());
        if (!aes)
            throw std::runtime_error("no AES field");
        method = aes->actualMethod;
        const size_t saltLength = crypto::aesSaltLength(aes->strength);
        const size_t overhead = saltLength + crypto::AesVerifierLength + crypto::AesMacLength;
        if (data.size() < overhead)
            return result;
        const crypto::AesKeys keys = crypto::deriveAesKeys(password, bytesOf(data), aes->strength);
        result.headerOk = hex(keys.verifier) == hex(bytesOf(data) + saltLength, crypto::AesVerifierLength);
        std::string body = data.substr(saltLength + crypto::AesVerifierLength, data.size() - overhead);
        crypto::AesAuthenticator authenticator(keys.authentication);
        authenticator.update(bytesOf(body), body.size());
        const auto mac = authenticator.finish();
        result.macOk = crypto::macMatches(mac.data(), bytesOf(data) + data.size() - crypto::AesMacLength);
        crypto::AesCtrCipher(keys.encryption).apply(bytesOf(body), body.size());
        data = body;
    } else {
        crypto::TraditionalCipher cipher(password);
        result.headerOk = crypto::openTraditionalHeader(cipher, bytesOf(data),
                                                        crypto::traditionalCheckByte(m.flags, m.crc, m.modTime));
        data.erase(0, crypto::TraditionalHeaderLength);
        cipher.decrypt(bytesOf(data), data.size());
    }
    result.content = method == 8 ? inflateRaw(data, static_cast<size_t>(m.unpackedSize)) : data;
    return result;
}

// Text that compresses, then bytes that do not, over several counter batches.
std::string sampleContent()
{
    return textData(40000, 5) + randomData(9001, 6);
}

// ---- The traditional cipher -----------------------------------------------

TEST(TraditionalCipher, CheckByteIsTheCrcsHighByteOrWithADescriptorTheTimes)
{
    struct Case {
        uint16_t flags;
        uint32_t crc;
        uint16_t time;
        uint8_t expected;
    };
    const Case cases[] = {
        {0x0000, 0xAB123456, 0x9C21, 0xAB}, {0x0001, 0x00FFFFFF, 0x9C21, 0x00}, {0x0008, 0xAB123456, 0x9C21, 0x9C},
        {0x0009, 0xAB123456, 0x00FF, 0x00}, {0x0801, 0x7F000000, 0xFFFF, 0x7F},  // UTF-8 flag only
    };
    for (const Case &c : cases)
        EXPECT_EQ(crypto::traditionalCheckByte(c.flags, c.crc, c.time), c.expected) << std::hex << c.flags;
}

TEST(TraditionalCipher, StreamContinuesAcrossCallsOfAnyLength)
{
    const std::string plain = randomData(5000, 2);
    std::string whole = plain;
    crypto::TraditionalCipher("p\xC3\xA4ss").encrypt(bytesOf(whole), whole.size());
    ASSERT_NE(whole, plain);

    for (size_t step : {1u, 11u, 12u, 13u, 255u, 4097u}) {
        SCOPED_TRACE(step);
        std::string pieces = plain;
        crypto::TraditionalCipher encryptor("p\xC3\xA4ss");
        for (size_t at = 0; at < pieces.size(); at += step)
            encryptor.encrypt(bytesOf(pieces) + at, std::min(step, pieces.size() - at));
        EXPECT_EQ(pieces, whole);

        crypto::TraditionalCipher decryptor("p\xC3\xA4ss");
        for (size_t at = 0; at < pieces.size(); at += step)
            decryptor.decrypt(bytesOf(pieces) + at, std::min(step, pieces.size() - at));
        EXPECT_EQ(pieces, plain);
    }
}

TEST(TraditionalCipher, HeaderOpensOnlyWithThePassword)
{
    for (bool deferred : {false, true}) {
        SCOPED_TRACE(deferred);
        Member m = fileEntry("a.txt", sampleContent(), 8);
        m.deferred = deferred;
        TempDir dir;
        const std::string path = dir.write("a.zip", buildZip({traditionalEncrypted(m, "secret")}));
        const Opened right = openOnlyMember(path, "secret");
        EXPECT_TRUE(right.headerOk);
        EXPECT_TRUE(right.content == m.data);
        // The builder's header is fixed, so this wrong password is known to
        // miss the 1-in-256 check.
        EXPECT_FALSE(openOnlyMember(path, "Secret").headerOk);
    }
}

TEST(TraditionalCipherInterop, OpensWhatInfoZipWrites)
{
    // Assumes Info-ZIP zip 3.0, which marks its encrypted members with a data
    // descriptor, so the header checks against the time.
    if (!haveProgram("zip"))
        GTEST_SKIP() << "zip is not installed";
    TempDir dir;
    const std::string content = sampleContent();
    dir.write("data.bin", content);
    for (const char *level : {"-0", "-6"}) {
        SCOPED_TRACE(level);
        const std::string archive = std::string("a") + level + ".zip";
        ASSERT_EQ(sh(std::string("zip -q ") + level + " -P secret " + archive + " data.bin", dir.path()), 0);
        const Opened opened = openOnlyMember(dir / archive, "secret");
        EXPECT_TRUE(opened.headerOk);
        EXPECT_TRUE(opened.content == content);
    }
}

// ---- WinZip AES -------------------------------------------------------------

TEST(WinZipAes, SaltAndKeyLengthsFollowTheStrength)
{
    struct Case {
        int strength;
        size_t salt, key;
    };
    for (const Case &c : {Case{1, 8, 16}, Case{2, 12, 24}, Case{3, 16, 32}, Case{0, 0, 0}, Case{4, 0, 0}}) {
        EXPECT_EQ(crypto::aesSaltLength(c.strength), c.salt) << c.strength;
        EXPECT_EQ(crypto::aesKeyLength(c.strength), c.key) << c.strength;
    }
}

TEST(WinZipAes, KeysAreOnePbkdf2OutputSplitInThree)
{
    // No published PBKDF2-HMAC-SHA1 value uses 1000 rounds; what the
    // derivation gives as a whole is checked against 7-Zip below.
    const std::string password = "pass\xE2\x9C\x93word";
    const std::string salt = "0123456789abcdef";
    struct Case {
        int strength;
        int saltLength, keyLength;
    };
    for (const Case &c : {Case{1, 8, 16}, Case{2, 12, 24}, Case{3, 16, 32}}) {
        SCOPED_TRACE(c.strength);
        std::string expected(static_cast<size_t>(2 * c.keyLength + 2), '\0');
        ASSERT_EQ(PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()), bytesOf(salt), c.saltLength,
                                    1000, EVP_sha1(), static_cast<int>(expected.size()), bytesOf(expected)),
                  1);
        const crypto::AesKeys keys = crypto::deriveAesKeys(password, bytesOf(salt), c.strength);
        EXPECT_EQ(keys.encryption.size(), static_cast<size_t>(c.keyLength));
        EXPECT_EQ(hex(keys.encryption) + hex(keys.authentication) + hex(keys.verifier), hex(expected));
    }
    EXPECT_THROW(crypto::deriveAesKeys(password, bytesOf(salt), 0), std::runtime_error);
}

TEST(WinZipAes, CounterModeCountsLittleEndianFromOne)
{
    // Block i is XORed with AES(i + 1) written as a 128-bit little-endian
    // number: block 255 uses 00 01 00.., block 256 uses 01 01 00...
    constexpr size_t blocks = 700;
    std::string counters;
    for (uint64_t n = 1; n <= blocks; ++n) {
        put64(counters, n);
        put64(counters, 0);
    }
    ASSERT_EQ(hex(counters.substr(255 * 16, 16)), "00010000000000000000000000000000");
    ASSERT_EQ(hex(counters.substr(256 * 16, 16)), "01010000000000000000000000000000");

    for (size_t keyLength : {16u, 24u, 32u}) {
        SCOPED_TRACE(keyLength);
        const std::vector<uint8_t> key = countingKey(keyLength);  // 000102..., as in FIPS-197's examples
        const std::string keystream = aesEcb(key, counters);

        std::string whole(keystream.size(), '\0');
        crypto::AesCtrCipher(key).apply(bytesOf(whole), whole.size());
        EXPECT_EQ(hex(whole.substr(0, 16)), hex(keystream.substr(0, 16)));
        EXPECT_TRUE(whole == keystream);

        for (size_t step : {1u, 15u, 17u, 4095u, 4097u}) {
            SCOPED_TRACE(step);
            std::string pieces(keystream.size(), '\0');
            crypto::AesCtrCipher cipher(key);
            for (size_t at = 0; at < pieces.size(); at += step)
                cipher.apply(bytesOf(pieces) + at, std::min(step, pieces.size() - at));
            EXPECT_TRUE(pieces == keystream);
        }
    }
    EXPECT_THROW(crypto::AesCtrCipher(countingKey(20)), std::runtime_error);
}

TEST(WinZipAes, AuthenticationIsHmacSha1CutToTenBytes)
{
    struct Case {
        std::string key, data, expected;  // RFC 2202 test cases 1 and 2, first 10 bytes
    };
    const Case cases[] = {
        {std::string(20, '\x0b'), "Hi There", "b617318655057264e28b"},
        {"Jefe", "what do ya want for nothing?", "effcdf6ae5eb2fa2d274"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.data);
        const std::vector<uint8_t> key(c.key.begin(), c.key.end());
        crypto::AesAuthenticator whole(key);
        whole.update(bytesOf(c.data), c.data.size());
        EXPECT_EQ(hex(whole.finish()), c.expected);

        crypto::AesAuthenticator pieces(key);
        for (size_t at = 0; at < c.data.size(); at += 3)
            pieces.update(bytesOf(c.data) + at, std::min<size_t>(3, c.data.size() - at));
        EXPECT_EQ(hex(pieces.finish()), c.expected);
    }
}

TEST(WinZipAes, MacComparisonSeesEveryByte)
{
    const std::string mac = "0123456789";
    EXPECT_TRUE(crypto::macMatches(bytesOf(mac), bytesOf(std::string(mac))));
    for (size_t at : {0u, 9u}) {
        std::string other = mac;
        other[at] ^= 0x40;
        EXPECT_FALSE(crypto::macMatches(bytesOf(mac), bytesOf(other))) << at;
    }
}

TEST(WinZipAes, RandomBytesFillTheWholeBuffer)
{
    std::string a(40, '\0'), b(40, '\0');
    ASSERT_TRUE(crypto::randomBytes(bytesOf(a), a.size()));
    ASSERT_TRUE(crypto::randomBytes(bytesOf(b), b.size()));
    EXPECT_NE(a.substr(24), std::string(16, '\0'));
    EXPECT_NE(a, b);
}

TEST(WinZipAes, OnlyAWellFormedAesFieldIsFound)
{
    // version, vendor, strength, method: the field's 7 bytes.
    auto field = [](uint16_t version, const char *vendor, uint8_t strength, uint16_t method) {
        std::string data;
        put16(data, version);
        data += vendor;
        data += static_cast<char>(strength);
        put16(data, method);
        return extraBlock(0x9901, data);
    };
    const std::string unicode = unicodePathField("a", "\xC3\xA4");
    struct Case {
        const char *what;
        std::string block;
        std::optional<crypto::AesExtra> expected;
    };
    const Case cases[] = {
        {"AE-1, AES-128, deflated", field(1, "AE", 1, 8), crypto::AesExtra{1, 1, 8}},
        {"AE-2, AES-192, stored", field(2, "AE", 2, 0), crypto::AesExtra{2, 2, 0}},
        {"AE-2, AES-256, bzip2", field(2, "AE", 3, 12), crypto::AesExtra{2, 3, 12}},
        {"after other fields", zip64Block({5, 6}) + unicode + field(2, "AE", 3, 8), crypto::AesExtra{2, 3, 8}},
        {"before a field", field(1, "AE", 2, 8) + unicode, crypto::AesExtra{1, 2, 8}},
        {"wrong vendor", field(2, "AF", 3, 8), std::nullopt},
        {"version 0", field(0, "AE", 3, 8), std::nullopt},
        {"version 3", field(3, "AE", 3, 8), std::nullopt},
        {"strength 0", field(2, "AE", 0, 8), std::nullopt},
        {"strength 4", field(2, "AE", 4, 8), std::nullopt},
        {"size 8", extraBlock(0x9901, field(2, "AE", 3, 8).substr(4) + "x"), std::nullopt},
        {"size 6", extraBlock(0x9901, field(2, "AE", 3, 8).substr(4, 6)), std::nullopt},
        {"missing", zip64Block({5, 6}) + unicode, std::nullopt},
        {"empty block", "", std::nullopt},
        {"cut short", field(2, "AE", 3, 8).substr(0, 9), std::nullopt},
        {"hidden in a longer field", extraBlock(0x7075, field(2, "AE", 3, 8)), std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const auto found = crypto::findAesExtra(bytesOf(c.block), c.block.size());
        ASSERT_EQ(found.has_value(), c.expected.has_value());
        if (found) {
            EXPECT_EQ(found->vendorVersion, c.expected->vendorVersion);
            EXPECT_EQ(found->strength, c.expected->strength);
            EXPECT_EQ(found->actualMethod, c.expected->actualMethod);
        }
    }
}

TEST(WinZipAes, WrittenFieldIsTheOneReadBack)
{
    const auto field = crypto::aesExtraField({2, 3, 8});
    EXPECT_EQ(hex(field), "0199070002004145030800");
    const auto back = crypto::findAesExtra(field.data(), field.size());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->vendorVersion, 2);
    EXPECT_EQ(back->strength, 3);
    EXPECT_EQ(back->actualMethod, 8);
}

// What the test builder writes is what the readers' tests rely on: a member
// that opens, and damage that the checks see.
TEST(WinZipAes, BuiltMembersOpenAndTheirDamageIsSeen)
{
    struct Case {
        const char *what;
        AesOptions options;
        const char *password;
        bool headerOk, macOk;
    };
    const Case cases[] = {
        {"AE-2, AES-256", {}, "secret", true, true},
        {"AE-1, AES-128", {.strength = 1, .vendorVersion = 1}, "secret", true, true},
        {"AE-2, AES-192", {.strength = 2}, "secret", true, true},
        {"data byte flipped", {.corruptDataAt = 1000}, "secret", true, false},
        {"MAC flipped", {.corruptMac = true}, "secret", true, false},
        {"wrong password", {}, "Secret", false, false},
    };
    const std::string content = sampleContent();
    for (uint16_t method : {uint16_t{0}, uint16_t{8}}) {
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(c.what) + (method ? ", deflated" : ", stored"));
            const Member m = aesEncrypted(fileEntry("a.bin", content, method), "secret", c.options);
            TempDir dir;
            const std::string path = dir.write("a.zip", buildZip({m}));
            const ArchiveInfo info = readArchive(path);
            ASSERT_EQ(info.members.size(), 1u);
            EXPECT_EQ(info.members[0].crc, c.options.vendorVersion == 1 ? crc32Of(content) : 0u);
            const Opened opened = openOnlyMember(path, c.password);
            EXPECT_EQ(opened.headerOk, c.headerOk);
            EXPECT_EQ(opened.macOk, c.macOk);
            if (c.headerOk && c.macOk) {
                EXPECT_TRUE(opened.content == content);
            }
        }
    }
    // Cut into the salt: too short to hold the salt, verifier and MAC.
    TempDir dir;
    const std::string tiny =
        dir.write("t.zip", buildZip({aesEncrypted(fileEntry("t", "0123", 0), "secret", {.truncateBy = 13})}));
    EXPECT_EQ(readArchive(tiny).members[0].packedSize, 16u + 2 + 4 + 10 - 13);
    EXPECT_FALSE(openOnlyMember(tiny, "secret").headerOk);
}

TEST(WinZipAesInterop, Opens7ZipArchivesOfEachStrength)
{
    if (!haveProgram("7zz"))
        GTEST_SKIP() << "7zz is not installed";
    struct Case {
        const char *encryption, *method;
    };
    const Case cases[] = {
        {"AES128", "Copy"},    {"AES192", "Deflate"},    {"AES256", "Copy"},
        {"AES256", "Deflate"}, {"ZipCrypto", "Deflate"},  // the traditional cipher, checked against the CRC
    };
    TempDir dir;
    const std::string content = sampleContent();
    dir.write("data.bin", content);
    for (const Case &c : cases) {
        const std::string archive = std::string(c.encryption) + c.method + ".zip";
        SCOPED_TRACE(archive);
        ASSERT_EQ(sh(std::string("7zz a -bd -bso0 -tzip -psecret -mem=") + c.encryption + " -mm=" + c.method + " "
                         + archive + " data.bin",
                     dir.path()),
                  0);
        const Opened opened = openOnlyMember(dir / archive, "secret");
        EXPECT_TRUE(opened.headerOk);
        if (std::string(c.encryption) != "ZipCrypto") {
            EXPECT_TRUE(opened.macOk);
        }
        EXPECT_TRUE(opened.content == content);
    }
}

}  // namespace
