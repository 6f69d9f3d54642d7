#pragma once

#include "Layout.h"

#include "library/Format.h"

#include <QString>

#include <string>
#include <vector>

namespace mklibrary {

// The readings as stored: every distinct syllable once, numbered; each
// document's title or name as syllable numbers; the study pieces' text
// readings as one run of UTF-16.
struct ReadingSections {
    QString syllables;                   // each ended by '\n'; number 0 is "no reading"
    std::vector<std::string> plain;      // each number's letters, for the index
    std::vector<uint32_t> nameDirectory; // documents + 1
    std::vector<uint16_t> names;
    std::vector<library::format::TextReadingEntry> textDirectory; // the pieces that have them
    QString text;
};

// Throws std::runtime_error when there are more syllables than numbers.
ReadingSections buildReadings(const Layout& layout);

} // namespace mklibrary
