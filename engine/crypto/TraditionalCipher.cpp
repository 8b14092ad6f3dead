#include "engine/crypto/TraditionalCipher.h"

#include <zlib.h>

namespace crypto {

namespace {

// The cipher's key schedule steps a raw CRC-32 register (no pre- or
// post-inversion) one byte at a time, so zlib's table is used directly rather
// than its crc32(), which inverts around every call.
uint32_t crcStep(uint32_t crc, uint8_t byte)
{
    static const z_crc_t *const table = get_crc_table();
    return static_cast<uint32_t>(table[(crc ^ byte) & 0xffu]) ^ (crc >> 8);
}

}  // namespace

TraditionalCipher::TraditionalCipher(std::string_view password) : keys_{0x12345678u, 0x23456789u, 0x34567890u}
{
    for (char c : password)
        updateKeys(static_cast<uint8_t>(c));
}

void TraditionalCipher::updateKeys(uint8_t plain)
{
    keys_[0] = crcStep(keys_[0], plain);
    keys_[1] = (keys_[1] + (keys_[0] & 0xffu)) * 134775813u + 1u;
    keys_[2] = crcStep(keys_[2], static_cast<uint8_t>(keys_[1] >> 24));
}

uint8_t TraditionalCipher::keystreamByte() const
{
    // Only the low 16 bits of key 2 take part; the product fits in 32 bits.
    const uint32_t temp = (keys_[2] & 0xffffu) | 2u;
    return static_cast<uint8_t>((temp * (temp ^ 1u)) >> 8);
}

void TraditionalCipher::decrypt(uint8_t *data, size_t length)
{
    for (size_t i = 0; i < length; ++i) {
        const auto plain = static_cast<uint8_t>(data[i] ^ keystreamByte());
        updateKeys(plain);
        data[i] = plain;
    }
}

void TraditionalCipher::encrypt(uint8_t *data, size_t length)
{
    for (size_t i = 0; i < length; ++i) {
        const uint8_t plain = data[i];
        data[i] = static_cast<uint8_t>(plain ^ keystreamByte());
        updateKeys(plain);
    }
}

uint8_t traditionalCheckByte(uint16_t generalFlags, uint32_t crc, uint16_t dosTime)
{
    // With a data descriptor the CRC was not known when the header was
    // written, so the writer used the modification time instead.
    if (generalFlags & 0x0008u)
        return static_cast<uint8_t>(dosTime >> 8);
    return static_cast<uint8_t>(crc >> 24);
}

bool openTraditionalHeader(TraditionalCipher &cipher, const uint8_t *header12, uint8_t checkByte)
{
    std::array<uint8_t, TraditionalHeaderLength> header{};
    for (size_t i = 0; i < header.size(); ++i)
        header[i] = header12[i];
    cipher.decrypt(header.data(), header.size());
    return header[TraditionalHeaderLength - 1] == checkByte;
}

}  // namespace crypto
