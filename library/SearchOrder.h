#pragma once

#include "Match.h"

#include <cstdint>

namespace library {

// A match's place in the ranking in one number: near, class, fame and
// document from the highest bit down, so that the smaller ranks first.
inline uint64_t orderOf(bool near, MatchClass matchClass, uint32_t fame, uint32_t document) {
    return (uint64_t(near) << 63) | (uint64_t(matchClass) << 60) |
           (uint64_t(~fame & 0x0fffffffu) << 32) | document;
}

inline MatchClass classOf(uint64_t order) {
    return MatchClass((order >> 60) & 7);
}

} // namespace library
