#pragma once

#include "Corpus.h"
#include "Finder.h"

#include <memory>

namespace store {
class ContentStore;
}

namespace find {

// Everything the search looks at: the content with the aliases of its poets
// and rulers.
Corpus readSearchedCorpus(store::ContentStore& content);

// The query engine over the whole content of the database, with the pinyin
// data and the script conversion the reader ships with.
std::unique_ptr<Finder> buildFinder(store::ContentStore& content);

} // namespace find
