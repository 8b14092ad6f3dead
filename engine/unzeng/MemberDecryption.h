#pragma once
// Encrypted members: the password asked for and checked on the calling
// thread, and the decryption of the packed bytes on the worker, before they
// reach the decoder, so that whatever decodes a member (extraction, test, a
// link's target) sees plain compressed data.

#include "engine/common/CallRecords.h"
#include "engine/crypto/TraditionalCipher.h"
#include "engine/crypto/WinZipAes.h"
#include "engine/unzeng/ArchiveIndex.h"
#include "engine/unzeng/Decoders.h"
#include "engine/zipformat/ByteSource.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace unzeng {

// Flag bit 0 with the traditional cipher or WinZip AES. Strong encryption
// (bit 6), an encrypted central directory (bit 13) and method 99 without a
// usable 0x9901 field are not: such a member is refused as unsupported.
bool decryptable(const Member &member);

// The keys of one member whose password checked out. Made on the calling
// thread, then used by the one worker that decodes the member.
class MemberDecryption {
public:
    ~MemberDecryption();
    MemberDecryption(const MemberDecryption &) = delete;
    MemberDecryption &operator=(const MemberDecryption &) = delete;

    // The encrypted data proper: after the traditional header or the AES salt
    // and verifier, before the AES authentication code.
    uint64_t dataOffset() const { return dataOffset_; }
    uint64_t dataLength() const { return dataLength_; }

    // A whole member's data, read from dataOffset(): the authentication code
    // is checked first, before anything of it is decoded, then it is
    // decrypted in place.
    bool openWhole(const zipformat::RandomAccessSource &source, uint8_t *data, size_t length, std::string &error);
    // A streamed member: reads dataLength() bytes from dataOffset() in pieces
    // of `pieceSize` into `buffer`, decrypting them as they come.
    InputPieces pieces(const zipformat::RandomAccessSource &source, uint8_t *buffer, size_t pieceSize);
    // After a streamed member's last piece: whether its authentication code
    // matches (true without AES). The decoder may have stopped early, so the
    // rest of the data is read for the code first.
    bool finishStream(const zipformat::RandomAccessSource &source, std::string &error);
    // What a failed decode or CRC says about an encrypted member: with the
    // traditional cipher most likely a wrong password that passed the check
    // byte (1 in 256 do); with AES a changed stream when its code fails.
    std::string explain(const zipformat::RandomAccessSource &source, const std::string &error);

private:
    friend class PasswordKeeper;
    MemberDecryption() = default;
    // The keys for `password` when it fits the member (the traditional check
    // byte, the AES verifier), else nothing. `header` holds what precedes the
    // encrypted data. Throws std::runtime_error when OpenSSL fails.
    static std::unique_ptr<MemberDecryption> open(const Member &member, const uint8_t *header, uint64_t dataOffset,
                                                  uint64_t dataLength, std::string_view password);
    bool authenticate(const zipformat::RandomAccessSource &source, std::string &error);

    uint64_t dataOffset_ = 0, dataLength_ = 0;
    std::optional<crypto::TraditionalCipher> traditional_;  // past the 12-byte header
    crypto::AesKeys aesKeys_;
    std::unique_ptr<crypto::AesCtrCipher> aes_;
    std::unique_ptr<crypto::AesAuthenticator> authenticator_;
    uint64_t authenticated_ = 0;   // bytes the authenticator has seen
    std::optional<bool> verdict_;  // the authentication code, once compared
};

// Asks the caller for passwords and remembers the one that worked last, for
// the length of one call; wiped when the call ends.
class PasswordKeeper {
public:
    PasswordKeeper(PasswordCallback callback, void *instance) : callback_(callback), instance_(instance) {}
    ~PasswordKeeper();
    PasswordKeeper(const PasswordKeeper &) = delete;
    PasswordKeeper &operator=(const PasswordKeeper &) = delete;

    enum class Outcome { Unlocked, WrongPassword, NoPassword, Cancelled, Damaged };
    // Tries the remembered password, then asks (up to three wrong answers
    // per member). Unlocked fills `decryption`; Damaged sets `error`.
    // `beforeAsking` runs before the first question; false cancels.
    Outcome unlock(const zipformat::RandomAccessSource &source, const Member &member,
                   std::unique_ptr<MemberDecryption> &decryption, std::string &error,
                   const std::function<bool()> &beforeAsking);

private:
    PasswordCallback callback_;
    void *instance_;
    std::array<char, MaxPasswordLength> remembered_{};  // fixed, so no copy is left in freed memory
    size_t rememberedLength_ = 0;
    bool haveRemembered_ = false;
};

}  // namespace unzeng
