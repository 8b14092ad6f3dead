#include "engine/zipeng/Encryption.h"

#include "engine/zipeng/ErrorCodes.h"
#include "engine/zipformat/ZipRecords.h"

#include <openssl/crypto.h>

#include <algorithm>
#include <string>
#include <utility>

namespace zipeng {

namespace {

void cleanse(std::vector<uint8_t> &bytes)
{
    if (!bytes.empty())
        OPENSSL_cleanse(bytes.data(), bytes.size());
}

// The salt in the first bytes, the verifier's place left for the keys.
std::array<uint8_t, AesPrefixBytes> freshSalt()
{
    std::array<uint8_t, AesPrefixBytes> prefix{};
    if (!crypto::randomBytes(prefix.data(), AesSaltBytes))
        throw JobError{InternalError, "Cannot encrypt: the system gives no random numbers"};
    return prefix;
}

}  // namespace

Secret::Secret(std::string_view bytes)
{
    // Sized once, so that no copy is left behind by a reallocation.
    text_.reserve(bytes.size());
    text_.append(bytes);
}

Secret::~Secret()
{
    wipe();
}

Secret &Secret::operator=(Secret &&other) noexcept
{
    if (this != &other) {
        wipe();
        text_ = std::move(other.text_);
        other.wipe();
    }
    return *this;
}

void Secret::wipe()
{
    if (text_.capacity() > 0)
        OPENSSL_cleanse(text_.data(), text_.capacity());
    text_.clear();
}

bool randomnessAvailable()
{
    uint8_t probe[AesSaltBytes];
    const bool ok = crypto::randomBytes(probe, sizeof probe);
    OPENSSL_cleanse(probe, sizeof probe);
    return ok;
}

MemberEncryption::MemberEncryption(const Secret &password)
    : prefix_(freshSalt()), keys_(crypto::deriveAesKeys(password.text(), prefix_.data(), AesStrength)),
      cipher_(keys_.encryption), mac_(keys_.authentication)
{
    std::copy(keys_.verifier.begin(), keys_.verifier.end(), prefix_.begin() + AesSaltBytes);
}

MemberEncryption::~MemberEncryption()
{
    cleanse(keys_.encryption);
    cleanse(keys_.authentication);
}

void MemberEncryption::encrypt(uint8_t *data, size_t length)
{
    cipher_.apply(data, length);
    mac_.update(data, length);
}

void PieceEncryption::encryptInTurn(size_t index, uint8_t *data, size_t length, bool last)
{
    std::unique_lock lock(mutex_);
    turn_.wait(lock, [&] { return next_ == index; });
    struct Pass {
        PieceEncryption &chain;
        ~Pass()
        {
            ++chain.next_;
            chain.turn_.notify_all();
        }
    } pass{*this};
    if (length > 0 && !ended_)
        member_.encrypt(data, length);
    ended_ = ended_ || last;
}

void markEncrypted(MemberRecord &record)
{
    const auto field = crypto::aesExtraField({2, AesStrength, record.method});
    record.extra.insert(record.extra.end(), field.begin(), field.end());
    record.method = crypto::AesMethod;
    record.flags |= zipformat::FlagEncrypted;
    record.crc = 0;
    record.versionNeeded = std::max(record.versionNeeded, VersionAes);
}

}  // namespace zipeng
