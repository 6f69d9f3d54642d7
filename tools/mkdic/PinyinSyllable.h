#pragma once

#include <QString>

namespace dic {

// True when text is one Hanyu Pinyin syllable in lower case with exactly one
// tone mark, on the vowel that carries it (a or e first, then the o of ou,
// else the last vowel): "zhāo", "lǜ", "guān"; not "zhao", "zháō", "gūan".
bool isTonedSyllable(const QString& text);

} // namespace dic
