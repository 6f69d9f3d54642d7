#pragma once

#include <cstddef>
#include <cstdint>

namespace library {

// CRC-32 (the polynomial of zlib and PNG), continued from `crc`.
uint32_t checksum(const void* data, size_t size, uint32_t crc = 0);

} // namespace library
