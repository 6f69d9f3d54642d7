#pragma once

#include "TonalRules.h"

// Characters of two tones in a place the pattern leaves free.
namespace metre {

// The tone a character left open at (line, position) takes when one of its
// tones makes the line and the line before it leave the pattern less than
// the other (望 in 平平望平仄 is read oblique, the accepted 平平仄平仄);
// Unknown when both serve alike.
Tone toneTheRulesPrefer(const Lines& lines, size_t line, int position);

} // namespace metre
