#pragma once

namespace platform {

// The characters that carry a pinyin syllable: the CJK unified ideographs
// with their extensions and the compatibility ideographs. Punctuation, note
// markers, Latin letters and digits are not among them.
constexpr bool isHanCharacter(char32_t code) {
    return (code >= 0x3400 && code <= 0x4DBF) || (code >= 0x4E00 && code <= 0x9FFF) ||
           (code >= 0xF900 && code <= 0xFAFF) || (code >= 0x20000 && code <= 0x2FFFF);
}

} // namespace platform
