#pragma once

#include <QStringView>

#include <string>

namespace library {

// A toned syllable (jìng, lǜ) in the letters typed for it: lower case, no
// tone, ü as v. Empty when it is not a syllable ("-", a stray character).
std::string plainSyllable(QStringView toned);

} // namespace library
