#pragma once

#include "Corpus.h"

namespace store {
class ContentStore;
}

namespace find {

// Reads everything a search looks at from the content database, with the
// key of the tree node that opens each entry. The tree is built from the
// same queries in the same order, so the keys agree with it.
Corpus readCorpus(store::ContentStore& content);

} // namespace find
