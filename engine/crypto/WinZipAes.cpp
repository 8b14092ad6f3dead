#include "engine/crypto/WinZipAes.h"

#include <openssl/core_names.h>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/params.h>
#include <openssl/rand.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>
#include <stdexcept>

namespace crypto {

namespace {

uint16_t readLe16(const uint8_t *p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

void writeLe16(uint8_t *p, uint16_t value)
{
    p[0] = static_cast<uint8_t>(value);
    p[1] = static_cast<uint8_t>(value >> 8);
}

void writeLe64(uint8_t *p, uint64_t value)
{
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(p, &value, sizeof value);
    } else {
        for (size_t i = 0; i < 8; ++i)
            p[i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

const EVP_CIPHER *ecbCipher(size_t keyLength)
{
    switch (keyLength) {
    case 16: return EVP_aes_128_ecb();
    case 24: return EVP_aes_192_ecb();
    case 32: return EVP_aes_256_ecb();
    default: return nullptr;
    }
}

constexpr size_t BlockLength = 16;
// Counter blocks encrypted per OpenSSL call: enough for the AES-NI path to
// run at full speed, small enough to stay in the first-level cache.
constexpr size_t BatchBlocks = 256;

}  // namespace

std::optional<AesExtra> findAesExtra(const uint8_t *extra, size_t length)
{
    size_t pos = 0;
    while (length - pos >= 4) {
        const uint16_t id = readLe16(extra + pos);
        const uint16_t size = readLe16(extra + pos + 2);
        pos += 4;
        if (size > length - pos)
            return std::nullopt;
        if (id != AesExtraId) {
            pos += size;
            continue;
        }
        const uint8_t *data = extra + pos;
        if (size != 7 || data[2] != 'A' || data[3] != 'E')
            return std::nullopt;
        AesExtra result;
        result.vendorVersion = readLe16(data);
        result.strength = data[4];
        result.actualMethod = readLe16(data + 5);
        if (result.vendorVersion < 1 || result.vendorVersion > 2 || result.strength < 1 || result.strength > 3)
            return std::nullopt;
        return result;
    }
    return std::nullopt;
}

std::array<uint8_t, 11> aesExtraField(const AesExtra &extra)
{
    std::array<uint8_t, 11> field{};
    writeLe16(field.data(), AesExtraId);
    writeLe16(field.data() + 2, 7);
    writeLe16(field.data() + 4, extra.vendorVersion);
    field[6] = 'A';
    field[7] = 'E';
    field[8] = static_cast<uint8_t>(extra.strength);
    writeLe16(field.data() + 9, extra.actualMethod);
    return field;
}

size_t aesSaltLength(int strength)
{
    return strength >= 1 && strength <= 3 ? 4 + 4 * static_cast<size_t>(strength) : 0;
}

size_t aesKeyLength(int strength)
{
    return strength >= 1 && strength <= 3 ? 8 + 8 * static_cast<size_t>(strength) : 0;
}

AesKeys deriveAesKeys(std::string_view password, const uint8_t *salt, int strength)
{
    const size_t keyLength = aesKeyLength(strength);
    if (keyLength == 0)
        throw std::runtime_error("AES strength out of range");
    if (password.size() > INT_MAX)
        throw std::runtime_error("password too long");
    std::vector<uint8_t> derived(2 * keyLength + AesVerifierLength);
    if (PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()), salt,
                          static_cast<int>(aesSaltLength(strength)), 1000, EVP_sha1(), static_cast<int>(derived.size()),
                          derived.data())
        != 1)
        throw std::runtime_error("AES key derivation failed");
    AesKeys keys;
    const auto middle = derived.begin() + static_cast<std::ptrdiff_t>(keyLength);
    keys.encryption.assign(derived.begin(), middle);
    keys.authentication.assign(middle, middle + static_cast<std::ptrdiff_t>(keyLength));
    std::copy(middle + static_cast<std::ptrdiff_t>(keyLength), derived.end(), keys.verifier.begin());
    OPENSSL_cleanse(derived.data(), derived.size());
    return keys;
}

// The counter is a 128-bit little-endian number starting at 1, which
// OpenSSL's CTR mode (big-endian) cannot count, so counter blocks are made
// here in batches and encrypted with AES-ECB.
struct AesCtrCipher::Context {
    EVP_CIPHER_CTX *cipher = nullptr;
    uint64_t counterLow = 1, counterHigh = 0;
    std::array<uint8_t, BatchBlocks * BlockLength> counters{}, keystream{};
    size_t position = BatchBlocks * BlockLength;  // keystream used up: refill first

    ~Context()
    {
        EVP_CIPHER_CTX_free(cipher);
        OPENSSL_cleanse(keystream.data(), keystream.size());  // as good as the key for this member
    }
};

AesCtrCipher::AesCtrCipher(const std::vector<uint8_t> &key) : context_(std::make_unique<Context>())
{
    const EVP_CIPHER *type = ecbCipher(key.size());
    if (!type)
        throw std::runtime_error("AES key length not 16, 24 or 32 bytes");
    context_->cipher = EVP_CIPHER_CTX_new();
    if (!context_->cipher || EVP_EncryptInit_ex(context_->cipher, type, nullptr, key.data(), nullptr) != 1
        || EVP_CIPHER_CTX_set_padding(context_->cipher, 0) != 1)
        throw std::runtime_error("AES set-up failed");
}

AesCtrCipher::~AesCtrCipher() = default;

void AesCtrCipher::refill()
{
    Context &c = *context_;
    uint64_t low = c.counterLow, high = c.counterHigh;
    for (size_t block = 0; block < BatchBlocks; ++block) {
        uint8_t *p = c.counters.data() + block * BlockLength;
        writeLe64(p, low);
        writeLe64(p + 8, high);
        if (++low == 0)
            ++high;
    }
    c.counterLow = low;
    c.counterHigh = high;
    int written = 0;
    if (EVP_EncryptUpdate(c.cipher, c.keystream.data(), &written, c.counters.data(),
                          static_cast<int>(c.counters.size()))
            != 1
        || static_cast<size_t>(written) != c.keystream.size())
        throw std::runtime_error("AES encryption failed");
    c.position = 0;
}

void AesCtrCipher::apply(uint8_t *data, size_t length)
{
    Context &c = *context_;
    while (length > 0) {
        if (c.position == c.keystream.size())
            refill();
        const size_t n = std::min(length, c.keystream.size() - c.position);
        const uint8_t *key = c.keystream.data() + c.position;
        // Eight bytes at a time: the compiler will not vectorise a loop
        // whose two pointers might overlap.
        size_t i = 0;
        for (; i + 8 <= n; i += 8) {
            uint64_t word, stream;
            std::memcpy(&word, data + i, 8);
            std::memcpy(&stream, key + i, 8);
            word ^= stream;
            std::memcpy(data + i, &word, 8);
        }
        for (; i < n; ++i)
            data[i] ^= key[i];
        data += n;
        length -= n;
        c.position += n;
    }
}

struct AesAuthenticator::Context {
    EVP_MAC *mac = nullptr;
    EVP_MAC_CTX *context = nullptr;

    ~Context()
    {
        EVP_MAC_CTX_free(context);
        EVP_MAC_free(mac);
    }
};

AesAuthenticator::AesAuthenticator(const std::vector<uint8_t> &key) : context_(std::make_unique<Context>())
{
    Context &c = *context_;
    c.mac = EVP_MAC_fetch(nullptr, "HMAC", nullptr);
    if (c.mac)
        c.context = EVP_MAC_CTX_new(c.mac);
    char digest[] = "SHA1";
    const OSSL_PARAM params[] = {OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_DIGEST, digest, 0),
                                 OSSL_PARAM_construct_end()};
    if (!c.context || EVP_MAC_init(c.context, key.data(), key.size(), params) != 1)
        throw std::runtime_error("HMAC-SHA1 set-up failed");
}

AesAuthenticator::~AesAuthenticator() = default;

void AesAuthenticator::update(const uint8_t *data, size_t length)
{
    if (length > 0 && EVP_MAC_update(context_->context, data, length) != 1)
        throw std::runtime_error("HMAC-SHA1 failed");
}

std::array<uint8_t, AesMacLength> AesAuthenticator::finish()
{
    std::array<uint8_t, EVP_MAX_MD_SIZE> full{};
    size_t written = 0;
    if (EVP_MAC_final(context_->context, full.data(), &written, full.size()) != 1 || written < AesMacLength)
        throw std::runtime_error("HMAC-SHA1 failed");
    std::array<uint8_t, AesMacLength> mac{};
    std::copy_n(full.begin(), AesMacLength, mac.begin());
    return mac;
}

bool macMatches(const uint8_t *a, const uint8_t *b)
{
    return CRYPTO_memcmp(a, b, AesMacLength) == 0;
}

bool randomBytes(uint8_t *data, size_t length)
{
    while (length > 0) {
        const size_t n = std::min<size_t>(length, INT_MAX);
        if (RAND_bytes(data, static_cast<int>(n)) != 1)
            return false;
        data += n;
        length -= n;
    }
    return true;
}

}  // namespace crypto
