#pragma once

#include <QString>

namespace dic {

// True when text is one Hanyu Pinyin syllable in lower case with exactly one
// tone mark, on the vowel that carries it (a or e first, then the o of ou,
// else the last vowel): "zhāo", "lǜ", "guān"; not "zhao", "zháō", "gūan".
bool isTonedSyllable(const QString& text);

// True when text is one syllable in the neutral tone: lower case, no tone
// mark ("le", "zhe", "me").
bool isNeutralSyllable(const QString& text);

// The characters that verse may read in the neutral tone, as particles
// (守着 zhe, 白了 le, 天哪 na); every other character carries a tone.
bool isParticle(char32_t character);

} // namespace dic
