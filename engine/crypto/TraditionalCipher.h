// The PKWARE "traditional" stream cipher of old encrypted ZIP members: read
// support, plus encryption for tests and builders (the writers never use it,
// it is too weak to offer). No library we use has it, so it lives here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace crypto {

class TraditionalCipher {
public:
    explicit TraditionalCipher(std::string_view password);
    void decrypt(uint8_t *data, size_t length);  // in place, continues the stream
    void encrypt(uint8_t *data, size_t length);  // in place (tests and builders only: we never write this cipher)

private:
    void updateKeys(uint8_t plain);
    uint8_t keystreamByte() const;

    std::array<uint32_t, 3> keys_{};
};

inline constexpr size_t TraditionalHeaderLength = 12;

// The byte the 12-byte header must end with once decrypted: the CRC's high
// byte, or with a data descriptor (general flag bit 3) the DOS time's high byte.
uint8_t traditionalCheckByte(uint16_t generalFlags, uint32_t crc, uint16_t dosTime);

// Decrypts a copy of the header with `cipher` (which then continues with the
// data) and compares its last byte. A match is only a 1-in-256 hint that the
// password is right; the member's CRC has the last word.
bool openTraditionalHeader(TraditionalCipher &cipher, const uint8_t *header12, uint8_t checkByte);

}  // namespace crypto
