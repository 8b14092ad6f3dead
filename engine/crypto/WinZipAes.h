// WinZip AES encryption of ZIP members (AE-1 and AE-2): the 0x9901 extra
// field, the key derivation, the AES counter mode with its little-endian
// counter and the truncated HMAC-SHA1 over the encrypted data. The
// primitives come from OpenSSL's libcrypto; this file only arranges them.
//
// The constructors of AesCtrCipher and AesAuthenticator, and deriveAesKeys,
// throw std::runtime_error when OpenSSL cannot set up its context (out of
// memory, a provider missing); callers catch it and report the member as
// failed. apply(), update() and finish() throw it too should OpenSSL fail
// once set up, which it does not do in practice.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace crypto {

inline constexpr uint16_t AesExtraId = 0x9901;
inline constexpr uint16_t AesMethod = 99;
inline constexpr size_t AesVerifierLength = 2, AesMacLength = 10;

struct AesExtra {
    uint16_t vendorVersion = 0;  // 1: AE-1 (CRC kept), 2: AE-2 (CRC field 0)
    int strength = 0;            // 1, 2, 3: AES-128, -192, -256
    uint16_t actualMethod = 0;   // the compression method of the data once decrypted
};

// Finds and checks the 0x9901 field (data size 7, vendor "AE", version 1 or 2,
// strength 1..3) in an extra-field block; nothing when absent or malformed.
std::optional<AesExtra> findAesExtra(const uint8_t *extra, size_t length);
// The 7-byte field's bytes including its 4-byte header, for writers.
std::array<uint8_t, 11> aesExtraField(const AesExtra &extra);

size_t aesSaltLength(int strength);  // 8, 12, 16
size_t aesKeyLength(int strength);   // 16, 24, 32

struct AesKeys {
    std::vector<uint8_t> encryption, authentication;
    std::array<uint8_t, AesVerifierLength> verifier{};
};

// PBKDF2-HMAC-SHA1, 1000 iterations, 2*keylen+2 bytes: encryption key,
// authentication key, verifier. `salt` holds aesSaltLength(strength) bytes.
// Throws std::runtime_error when OpenSSL fails or the strength is not 1..3.
AesKeys deriveAesKeys(std::string_view password, const uint8_t *salt, int strength);

class AesCtrCipher {  // symmetric: encrypts and decrypts
public:
    explicit AesCtrCipher(const std::vector<uint8_t> &key);  // 16, 24 or 32 bytes
    ~AesCtrCipher();
    AesCtrCipher(const AesCtrCipher &) = delete;
    AesCtrCipher &operator=(const AesCtrCipher &) = delete;

    // Continues the keystream where the last call left it, whatever the lengths.
    void apply(uint8_t *data, size_t length);

private:
    void refill();

    struct Context;
    std::unique_ptr<Context> context_;
};

class AesAuthenticator {  // HMAC-SHA1 over the ENCRYPTED data, truncated to 10 bytes
public:
    explicit AesAuthenticator(const std::vector<uint8_t> &key);
    ~AesAuthenticator();
    AesAuthenticator(const AesAuthenticator &) = delete;
    AesAuthenticator &operator=(const AesAuthenticator &) = delete;

    void update(const uint8_t *data, size_t length);
    // Once, after the last update.
    std::array<uint8_t, AesMacLength> finish();

private:
    struct Context;
    std::unique_ptr<Context> context_;
};

bool macMatches(const uint8_t *a, const uint8_t *b);  // constant time, AesMacLength bytes
bool randomBytes(uint8_t *data, size_t length);       // salts; false when the system has no randomness

}  // namespace crypto
