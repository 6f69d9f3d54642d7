#pragma once

#include "Analysis.h"

#include <vector>

// The tone pattern of one line of regulated verse.
namespace metre {

constexpr Tone opposite(Tone tone) {
    return tone == Tone::Level     ? Tone::Oblique
           : tone == Tone::Oblique ? Tone::Level
                                   : Tone::Unknown;
}

// The tones a line of 5 or 7 characters asks for, given the tone of its
// second character and of its last: the four five-character lines 仄仄平平仄,
// 平平仄仄平, 平平平仄仄 and 仄仄仄平平, and for seven characters the same with
// two characters before them of the tone opposite to their first.
std::vector<Tone> linePattern(int length, Tone second, Tone last);

// Whether the pattern binds this place (counted from 0): the second, fourth
// and sixth characters and the last. The others may take either tone as
// long as the line keeps clear of 孤平 and 三平尾.
bool binds(int length, int position);

} // namespace metre
