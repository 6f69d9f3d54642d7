#include "Checksum.h"

#include <array>
#include <bit>
#include <cstring>

namespace library {
namespace {

// Eight tables: the first is the classic byte table; table k gives the
// effect of a byte followed by k zero bytes. Eight bytes then cost eight
// look-ups that do not wait on one another, instead of a chain of eight,
// which matters because the reader checks its tables while it starts.
using Tables = std::array<std::array<uint32_t, 256>, 8>;

constexpr Tables makeTables() {
    Tables tables{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
        tables[0][n] = c;
    }
    for (uint32_t n = 0; n < 256; ++n)
        for (size_t k = 1; k < 8; ++k)
            tables[k][n] = (tables[k - 1][n] >> 8) ^ tables[0][tables[k - 1][n] & 0xff];
    return tables;
}

constexpr Tables kTables = makeTables();

uint32_t bytewise(const unsigned char* bytes, size_t size, uint32_t crc) {
    for (size_t i = 0; i < size; ++i)
        crc = kTables[0][(crc ^ bytes[i]) & 0xff] ^ (crc >> 8);
    return crc;
}

// Little-endian words, as every machine the reader is built for reads them.
uint32_t eightAtATime(const unsigned char* bytes, size_t blocks, uint32_t crc) {
    for (size_t b = 0; b < blocks; ++b, bytes += 8) {
        uint32_t low, high;
        std::memcpy(&low, bytes, 4);
        std::memcpy(&high, bytes + 4, 4);
        low ^= crc;
        crc = kTables[7][low & 0xff] ^ kTables[6][(low >> 8) & 0xff] ^
              kTables[5][(low >> 16) & 0xff] ^ kTables[4][low >> 24] ^ kTables[3][high & 0xff] ^
              kTables[2][(high >> 8) & 0xff] ^ kTables[1][(high >> 16) & 0xff] ^
              kTables[0][high >> 24];
    }
    return crc;
}

} // namespace

uint32_t checksum(const void* data, size_t size, uint32_t crc) {
    static_assert(std::endian::native == std::endian::little,
                  "the eight-byte steps read words as little-endian");
    const auto* bytes = static_cast<const unsigned char*>(data);
    crc = ~crc;
    crc = eightAtATime(bytes, size / 8, crc);
    crc = bytewise(bytes + size / 8 * 8, size % 8, crc);
    return ~crc;
}

} // namespace library
