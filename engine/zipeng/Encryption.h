#pragma once
// Encrypting new members with WinZip AES-256 in its AE-2 form: the member's
// data is salt + password verifier + the compressed bytes run through AES in
// counter mode + the first 10 bytes of an HMAC-SHA1 over those encrypted
// bytes. The headers say method 99 and carry the real method in the 0x9901
// field; their CRC is 0, since the MAC checks the data instead (a CRC of the
// plain text would tell about short files what the encryption hides).

#include "engine/crypto/WinZipAes.h"
#include "engine/zipeng/MemberRecord.h"

#include <array>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <span>
#include <string>
#include <string_view>

namespace zipeng {

// A password the job holds; its bytes are wiped when it goes away.
class Secret {
public:
    Secret() = default;
    // The bytes as they are, NULs included.
    explicit Secret(std::string_view bytes);
    ~Secret();
    Secret(const Secret &) = delete;
    Secret &operator=(const Secret &) = delete;
    Secret &operator=(Secret &&other) noexcept;

    bool empty() const { return text_.empty(); }
    const std::string &text() const { return text_; }

private:
    void wipe();
    std::string text_;
};

inline constexpr int AesStrength = 3;  // AES-256
inline constexpr size_t AesSaltBytes = 16;
inline constexpr size_t AesPrefixBytes = AesSaltBytes + crypto::AesVerifierLength;
// What encryption adds to a member's packed size.
inline constexpr size_t AesOverhead = AesPrefixBytes + crypto::AesMacLength;
inline constexpr uint16_t VersionAes = 51;

// The system's random source answers at all; checked before anything is
// written, so that a job that could not encrypt fails without a trace.
bool randomnessAvailable();

// One member's encryption: a fresh salt and the keys derived from it. Throws
// JobError when the system gives no random bytes, std::runtime_error when
// OpenSSL fails.
class MemberEncryption {
public:
    explicit MemberEncryption(const Secret &password);
    ~MemberEncryption();
    MemberEncryption(const MemberEncryption &) = delete;
    MemberEncryption &operator=(const MemberEncryption &) = delete;

    // The salt and the verifier, which go before the data.
    const std::array<uint8_t, AesPrefixBytes> &prefix() const { return prefix_; }
    // Encrypts the next bytes of the member in place and adds them to the MAC.
    void encrypt(uint8_t *data, size_t length);
    // The MAC, which goes after the data; once, after the last encrypt().
    std::array<uint8_t, crypto::AesMacLength> finish() { return mac_.finish(); }

private:
    std::array<uint8_t, AesPrefixBytes> prefix_;  // declared first: the keys come from its salt
    crypto::AesKeys keys_;
    crypto::AesCtrCipher cipher_;
    crypto::AesAuthenticator mac_;
};

// The pieces of one large member are deflated on any worker but must be
// encrypted in order, since the counter and the MAC run through the whole
// member: each piece's task encrypts its output once the pieces before it
// have. Tasks run in the order they were submitted, so the piece waited for
// has always started: no worker waits for a task still queued.
class PieceEncryption {
public:
    explicit PieceEncryption(const Secret &password) : member_(password) {}
    MemberEncryption &member() { return member_; }
    // Encrypts piece `index` (0 for the first) after those before it. Every
    // piece takes its turn, also with nothing to encrypt (a cancelled job,
    // a failed piece), or the pieces after it would wait forever. After a
    // `last` piece (the file may have come up short before its planned end)
    // the later ones encrypt nothing: they are not part of the member.
    void encryptInTurn(size_t index, uint8_t *data, size_t length, bool last);

private:
    MemberEncryption member_;
    std::mutex mutex_;
    std::condition_variable turn_;
    size_t next_ = 0;
    bool ended_ = false;
};

// Turns a new member's record into that of an encrypted one whose data was
// compressed with the record's method: method 99, the 0x9901 field, the
// encryption flag, CRC 0 and version 5.1.
void markEncrypted(MemberRecord &record);

}  // namespace zipeng
