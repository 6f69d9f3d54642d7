#pragma once

#include "FoldTable.h"
#include "Layout.h"
#include "ReadingSections.h"

#include <string>
#include <vector>

namespace mklibrary {

// The postings of every unit and of every hashed pair of adjacent units
// (within one line, after folding), per document: pieces, then authors.
struct IndexSections {
    std::vector<uint32_t> unigramDirectory; // 65536 + 1 offsets
    std::vector<uint32_t> bigramDirectory;  // buckets + 1 offsets
    std::vector<uint32_t> titleStartDirectory; // 65536 + 1 offsets: pieces by their title's first unit
    std::vector<uint32_t> initialsDirectory;   // kInitialKeys + 1 offsets
    std::string postings;
};

IndexSections buildIndex(const Layout& layout, const FoldTable& fold,
                         const ReadingSections& readings);

} // namespace mklibrary
