#pragma once

#include "LibraryFile.h"

#include <string>
#include <vector>

namespace library {

// The documents that may hold a folded term, from the index: every unit's
// list for one unit, else the intersection of the lists of its pairs of
// units, shortest first. They are candidates only: the hashed pair lists
// hold other pairs too, so every candidate is checked against its text.
class Candidates final {
  public:
    explicit Candidates(const LibraryFile& file) : m_file(file) {}

    std::vector<uint32_t> exact(const std::u16string& term) const;
    // Documents that may hold the term with one unit changed: for each
    // unit, the documents holding all the pairs that do not touch it.
    std::vector<uint32_t> near(const std::u16string& term) const;

  private:
    // Each pair's list, decoded once per search.
    class PairLists;
    // The intersection of the pair lists of term[begin, end).
    std::vector<uint32_t> pairs(size_t begin, size_t end, PairLists& lists) const;

    const LibraryFile& m_file;
};

} // namespace library
