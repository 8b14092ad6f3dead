#include "engine/unzeng/MemberDecryption.h"

#include <openssl/crypto.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <vector>

namespace unzeng {

namespace {

constexpr uint16_t FlagStrongEncryption = 0x0040;
constexpr uint16_t FlagEncryptedDirectory = 0x2000;
constexpr int WrongAnswersAllowed = 3;
constexpr const char *AuthenticationFailed = "authentication failed (the data was changed)";
constexpr const char *ReadFailed = "the archive could not be read";

// What precedes a member's encrypted data, read once however many passwords
// are tried on it.
struct EncryptionHeader {
    std::array<uint8_t, 16 + crypto::AesVerifierLength> bytes{};  // the 12-byte header, or salt and verifier
    uint64_t dataOffset = 0, dataLength = 0;
};

bool readHeader(const zipformat::RandomAccessSource &source, const Member &m, EncryptionHeader &header,
                std::string &error)
{
    const size_t before = m.aes ? crypto::aesSaltLength(m.aes->strength) + crypto::AesVerifierLength
                                : crypto::TraditionalHeaderLength;
    const size_t after = m.aes ? crypto::AesMacLength : 0;
    if (m.packedSize < before + after) {
        error = m.aes ? "its encrypted data is shorter than its salt, verifier and authentication code"
                      : "its encrypted data is shorter than its 12-byte header";
        return false;
    }
    header.dataOffset = m.dataOffset + before;
    header.dataLength = m.packedSize - before - after;
    // A stored member is written whole from what it holds: the two sizes must agree.
    if (m.method == MethodStored && header.dataLength != m.unpackedSize) {
        error = "it is stored, but its encrypted data holds " + std::to_string(header.dataLength)
                + " bytes for a size of " + std::to_string(m.unpackedSize);
        return false;
    }
    if (source.readAt(m.dataOffset, header.bytes.data(), before) != before) {
        error = ReadFailed;
        return false;
    }
    return true;
}

}  // namespace

bool decryptable(const Member &m)
{
    if (m.flags & (FlagStrongEncryption | FlagEncryptedDirectory))
        return false;
    return m.aes || m.method != crypto::AesMethod;
}

std::unique_ptr<MemberDecryption> MemberDecryption::open(const Member &m, const uint8_t *header, uint64_t dataOffset,
                                                         uint64_t dataLength, std::string_view password)
{
    std::unique_ptr<MemberDecryption> d(new MemberDecryption);
    d->dataOffset_ = dataOffset;
    d->dataLength_ = dataLength;
    if (!m.aes) {
        crypto::TraditionalCipher cipher(password);
        const uint8_t check = crypto::traditionalCheckByte(m.flags, m.crc, m.localDosTime);
        const bool fits = crypto::openTraditionalHeader(cipher, header, check);
        d->traditional_ = cipher;
        OPENSSL_cleanse(&cipher, sizeof cipher);
        return fits ? std::move(d) : nullptr;
    }
    d->aesKeys_ = crypto::deriveAesKeys(password, header, m.aes->strength);
    const uint8_t *verifier = header + crypto::aesSaltLength(m.aes->strength);
    if (!std::equal(d->aesKeys_.verifier.begin(), d->aesKeys_.verifier.end(), verifier))
        return nullptr;
    d->aes_ = std::make_unique<crypto::AesCtrCipher>(d->aesKeys_.encryption);
    d->authenticator_ = std::make_unique<crypto::AesAuthenticator>(d->aesKeys_.authentication);
    return d;
}

MemberDecryption::~MemberDecryption()
{
    for (std::vector<uint8_t> *key : {&aesKeys_.encryption, &aesKeys_.authentication})
        if (!key->empty())
            OPENSSL_cleanse(key->data(), key->size());
    if (traditional_)
        OPENSSL_cleanse(&*traditional_, sizeof *traditional_);
}

bool MemberDecryption::authenticate(const zipformat::RandomAccessSource &source, std::string &error)
{
    if (!authenticator_)
        return true;
    if (!verdict_) {
        // The decoder may have stopped before the end of the data.
        std::vector<uint8_t> rest(size_t(std::min<uint64_t>(dataLength_ - authenticated_, 1 << 16)));
        while (authenticated_ < dataLength_) {
            const size_t n = size_t(std::min<uint64_t>(rest.size(), dataLength_ - authenticated_));
            if (source.readAt(dataOffset_ + authenticated_, rest.data(), n) != n) {
                error = ReadFailed;
                return false;
            }
            authenticator_->update(rest.data(), n);
            authenticated_ += n;
        }
        std::array<uint8_t, crypto::AesMacLength> stored{};
        if (source.readAt(dataOffset_ + dataLength_, stored.data(), stored.size()) != stored.size()) {
            error = ReadFailed;
            return false;
        }
        const std::array<uint8_t, crypto::AesMacLength> computed = authenticator_->finish();
        verdict_ = crypto::macMatches(stored.data(), computed.data());
    }
    if (!*verdict_)
        error = AuthenticationFailed;
    return *verdict_;
}

bool MemberDecryption::openWhole(const zipformat::RandomAccessSource &source, uint8_t *data, size_t length,
                                 std::string &error)
{
    if (traditional_) {
        traditional_->decrypt(data, length);
        return true;
    }
    authenticator_->update(data, length);
    authenticated_ += length;
    if (!authenticate(source, error))
        return false;
    aes_->apply(data, length);
    return true;
}

InputPieces MemberDecryption::pieces(const zipformat::RandomAccessSource &source, uint8_t *buffer, size_t pieceSize)
{
    return [this, &source, buffer, pieceSize, done = uint64_t(0)](const uint8_t *&data, size_t &n) mutable {
        const size_t want = size_t(std::min<uint64_t>(pieceSize, dataLength_ - done));
        data = buffer;
        n = want == 0 ? 0 : source.readAt(dataOffset_ + done, buffer, want);
        done += n;
        if (traditional_) {
            traditional_->decrypt(buffer, n);
        } else {
            authenticator_->update(buffer, n);
            authenticated_ += n;
            aes_->apply(buffer, n);
        }
        return n == want;
    };
}

bool MemberDecryption::finishStream(const zipformat::RandomAccessSource &source, std::string &error)
{
    return authenticate(source, error);
}

std::string MemberDecryption::explain(const zipformat::RandomAccessSource &source, const std::string &error)
{
    if (traditional_)
        return "wrong password, or the data is damaged: " + error;
    std::string why;
    if (!authenticate(source, why))
        return why;
    return error;
}

PasswordKeeper::~PasswordKeeper()
{
    OPENSSL_cleanse(remembered_.data(), remembered_.size());
}

PasswordKeeper::Outcome PasswordKeeper::unlock(const zipformat::RandomAccessSource &source, const Member &m,
                                               std::unique_ptr<MemberDecryption> &decryption, std::string &error,
                                               const std::function<bool()> &beforeAsking)
{
    EncryptionHeader header;
    if (!readHeader(source, m, header, error))
        return Outcome::Damaged;
    std::array<char, MaxPasswordLength> answer{};
    struct Wipe {
        std::array<char, MaxPasswordLength> &bytes;
        ~Wipe() { OPENSSL_cleanse(bytes.data(), bytes.size()); }
    } wipe{answer};
    try {
        auto fits = [&](std::string_view password) {
            decryption = MemberDecryption::open(m, header.bytes.data(), header.dataOffset, header.dataLength, password);
            return decryption != nullptr;
        };
        int wrong = 0;
        if (haveRemembered_) {
            if (fits(std::string_view(remembered_.data(), rememberedLength_)))
                return Outcome::Unlocked;
            wrong = 1;
        }
        // Attempts count the wrong answers of this member, the remembered one included.
        for (; wrong < WrongAnswersAllowed; ++wrong) {
            if (!callback_)
                return wrong ? Outcome::WrongPassword : Outcome::NoPassword;
            if (beforeAsking && !beforeAsking())
                return Outcome::Cancelled;
            answer.fill('\0');
            int32_t given = PasswordCancel;
            int32_t length = -1;
            try {
                given =
                    callback_(instance_, m.shownName().c_str(), wrong + 1, answer.data(), MaxPasswordLength, &length);
            } catch (...) {
                given = PasswordCancel;  // nothing may pass back through the library's frames
            }
            if (given == PasswordCancel)
                return Outcome::Cancelled;
            if (given != PasswordGiven)
                return wrong ? Outcome::WrongPassword : Outcome::NoPassword;
            // Not what the caller meant, whatever it was: trying a part of it,
            // or bytes past the buffer, would be a guess.
            if (length < 0 || length > MaxPasswordLength)
                return Outcome::Cancelled;
            const std::string_view password(answer.data(), size_t(length));
            if (fits(password)) {
                remembered_ = answer;
                rememberedLength_ = password.size();
                haveRemembered_ = true;
                return Outcome::Unlocked;
            }
        }
    } catch (const std::exception &e) {
        decryption.reset();
        error = std::string("cannot set up the decryption: ") + e.what();
        return Outcome::Damaged;
    }
    return Outcome::WrongPassword;
}

}  // namespace unzeng
