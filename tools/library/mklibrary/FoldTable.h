#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace mklibrary {

using FoldTable = std::array<uint16_t, 65536>;

// Each UTF-16 unit's folded form: Traditional and variant forms to the
// Simplified form OpenCC gives for the character alone (Traditional, Taiwan,
// Hong Kong and Japanese variant tables), then the reviewed additions in
// `additionsPath`; Latin letters to lower case; punctuation, spaces and
// controls to 0 (dropped). Every chain is followed to its end, so folding
// twice changes nothing.
FoldTable buildFoldTable(const QString& additionsPath);

} // namespace mklibrary
