// The checksum the library file is written and checked with: the standard
// CRC-32, whatever the length and alignment of what it runs over, so that
// files written by one build open in another.
#include "library/Checksum.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// One bit at a time, straight from the polynomial.
uint32_t referenceCrc(const unsigned char* bytes, size_t size, uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= bytes[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc & 1) ? 0xedb88320u ^ (crc >> 1) : crc >> 1;
    }
    return ~crc;
}

TEST(Checksum, IsTheStandardCrc32OfKnownInputs) {
    EXPECT_EQ(library::checksum("123456789", 9), 0xcbf43926u);
    EXPECT_EQ(library::checksum("", 0), 0u);
    const char* fox = "The quick brown fox jumps over the lazy dog";
    EXPECT_EQ(library::checksum(fox, std::strlen(fox)), 0x414fa339u);
}

TEST(Checksum, AgreesWithTheReferenceAtEveryLengthAndAlignment) {
    std::vector<unsigned char> bytes(300);
    uint32_t seed = 12345;
    for (unsigned char& b : bytes) {
        seed = seed * 1103515245u + 12345u;
        b = static_cast<unsigned char>(seed >> 16);
    }
    for (size_t start = 0; start < 9; ++start)
        for (size_t size = 0; start + size <= 70; ++size)
            ASSERT_EQ(library::checksum(bytes.data() + start, size),
                      referenceCrc(bytes.data() + start, size))
                << "from " << start << ", " << size << " bytes";
    EXPECT_EQ(library::checksum(bytes.data(), bytes.size()),
              referenceCrc(bytes.data(), bytes.size()));
}

TEST(Checksum, ContinuesFromAnEarlierPart) {
    const char* text = "关关雎鸠，在河之洲。窈窕淑女，君子好逑。";
    const size_t size = std::strlen(text);
    for (size_t split : {size_t(0), size_t(1), size_t(7), size_t(8), size / 2, size})
        EXPECT_EQ(library::checksum(text + split, size - split, library::checksum(text, split)),
                  library::checksum(text, size))
            << "split at " << split;
}

} // namespace
