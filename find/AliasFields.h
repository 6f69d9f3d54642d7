#pragma once

#include "Corpus.h"

#include "store/Aliases.h"

#include <vector>

namespace find {

// Gives each alias to the row of its target as a field of its own: a poet's
// to the poet's row, a ruler's to each of his rows in the era table. Gives
// back the aliases whose target the corpus does not hold.
std::vector<store::Alias> addAliases(Corpus& corpus, const std::vector<store::Alias>& aliases);

} // namespace find
