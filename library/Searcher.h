#pragma once

#include "Candidates.h"
#include "Folding.h"
#include "LibraryFile.h"
#include "Match.h"
#include "TermMatcher.h"

#include <QStringView>

#include <string>
#include <vector>

namespace library {

// The library's query engine: several terms, each any substring of a
// title, section, line, author's name or biography, folded alike; a piece
// the same text in several collections is one row. A single term of four
// units or more also finds text with one unit different, after every exact
// row.
class Searcher final {
  public:
    explicit Searcher(const LibraryFile& file);

    Results find(QStringView query, int limit) const;

    // The terms of a query as they are matched: folded, empty ones left out.
    std::vector<std::u16string> terms(QStringView query) const;

  private:
    struct Match {
        MatchClass matchClass = MatchClass::None;
        int segment = -1;
    };
    std::vector<uint32_t> candidates(const std::vector<std::u16string>& terms) const;
    std::vector<uint32_t> withAuthorsPieces(std::vector<uint32_t> documents) const;
    Match matchDocument(uint32_t document, const std::vector<std::u16string>& terms,
                        bool near) const;
    void collect(const std::vector<uint32_t>& documents, const std::vector<std::u16string>& terms,
                 bool near, std::vector<Row>& rows) const;
    void finish(std::vector<Row>& rows, int limit, Results& results) const;
    Row rowOf(uint32_t document, const Match& match, bool near) const;
    uint32_t editionLead(uint32_t piece) const;

    const LibraryFile& m_file;
    Folding m_folding;
    Candidates m_candidates;
    TermMatcher m_matcher;
};

} // namespace library
