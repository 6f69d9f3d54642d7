#pragma once

#include "Candidates.h"
#include "Folding.h"
#include "LibraryFile.h"
#include "Match.h"
#include "PinyinSearch.h"
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
    // A match before it is a row: its place in the ranking in one number
    // (near, class, fame, document from the highest bit down) and the part
    // of the text it is in.
    struct Hit {
        uint64_t order = 0;
        int segment = -1;
        bool operator<(const Hit& other) const { return order < other.order; }
    };
    std::vector<uint32_t> candidates(const std::vector<std::u16string>& terms) const;
    std::vector<uint32_t> withAuthorsPieces(std::vector<uint32_t> documents) const;
    Match matchDocument(uint32_t document, const std::vector<std::u16string>& terms, bool near,
                        bool held) const;
    // One unit: the classes in turn, each from its own list, reading text
    // only while the rows are not full; `unread` are only counted.
    void collectOneUnit(const std::vector<uint32_t>& documents, char16_t unit, size_t limit,
                        std::vector<Hit>& hits, std::vector<uint32_t>& unread) const;
    void collectTitles(const std::vector<uint32_t>& documents, char16_t unit,
                       std::vector<Hit>& hits, std::vector<uint32_t>& rest) const;
    void collectByFame(std::vector<uint32_t> pieces, const std::u16string& term, size_t limit,
                       std::vector<Hit>& hits, std::vector<uint32_t>& unread) const;
    size_t rankedTexts(const std::vector<Hit>& hits, MatchClass worst) const;
    void collectPinyin(const std::string& letters, std::vector<Hit>& hits) const;
    size_t distinctTexts(const std::vector<uint32_t>& documents,
                         const std::vector<Hit>& alreadyCounted) const;
    void collect(const std::vector<uint32_t>& documents, const std::vector<std::u16string>& terms,
                 bool near, std::vector<Hit>& hits) const;
    void finish(std::vector<Hit>& hits, const std::vector<std::u16string>& terms, int limit,
                Results& results) const;
    Row rowOf(const Hit& hit, const std::vector<std::u16string>& terms) const;
    uint32_t editionLead(uint32_t piece) const;

    const LibraryFile& m_file;
    Folding m_folding;
    Candidates m_candidates;
    TermMatcher m_matcher;
    PinyinSearch m_pinyin;
};

} // namespace library
