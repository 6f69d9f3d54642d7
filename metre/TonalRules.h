#pragma once

#include "Analysis.h"
#include "Verses.h"

#include <vector>

// The departures of a regulated line from its pattern, named where the
// tradition names them.
namespace metre {

// The tones of every line as read (Unknown where a character is not in the
// table or its tone is left open) and the pattern of every line.
struct Lines {
    const std::vector<Verse>& verses;
    const std::vector<std::vector<Tone>>& tones;
    const std::vector<std::vector<Tone>>& patterns;
};

// The departures of line index (from 0): 孤平 and its rescue in the line
// itself, a fourth character gone oblique and rescued by the third of the
// following line, the pattern 平平仄平仄, 三平尾, then every other place the
// pattern binds whose tone is the other one.
QList<Departure> lineDepartures(const Lines& lines, int index);

} // namespace metre
