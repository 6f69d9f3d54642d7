#include "Searcher.h"

#include "Postings.h"
#include "RowText.h"
#include "SearchOrder.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace library {
namespace {

// Longer terms cannot be in any line; more terms than this are noise.
constexpr size_t kLongestTerm = 256;
constexpr size_t kMostTerms = 8;
constexpr size_t kShortestNear = 4;

} // namespace

Searcher::Searcher(const LibraryFile& file)
    : m_file(file), m_folding(file.foldTable()), m_candidates(file), m_matcher(m_folding),
      m_pinyin(file) {}

std::vector<std::u16string> Searcher::terms(QStringView query) const {
    std::vector<std::u16string> found;
    for (QStringView word : query.split(u' ', Qt::SkipEmptyParts)) {
        for (QStringView part : word.split(u'\u3000', Qt::SkipEmptyParts)) {
            std::u16string folded = m_folding.fold(part.left(qsizetype(kLongestTerm)));
            if (!folded.empty() && found.size() < kMostTerms &&
                std::find(found.begin(), found.end(), folded) == found.end())
                found.push_back(std::move(folded));
        }
    }
    return found;
}

std::vector<uint32_t> Searcher::withAuthorsPieces(std::vector<uint32_t> documents) const {
    // An author found by name stands for all their pieces when another
    // term narrows them (李白 静夜思).
    const uint32_t pieceCount = uint32_t(m_file.pieces().size());
    std::vector<uint32_t> added;
    for (uint32_t document : documents)
        if (document >= pieceCount) {
            const format::AuthorRecord& author = m_file.authors()[document - pieceCount];
            for (uint32_t i = 0; i < author.pieceCount; ++i)
                added.push_back(author.firstPiece + i);
        }
    documents.insert(documents.end(), added.begin(), added.end());
    std::sort(documents.begin(), documents.end());
    documents.erase(std::unique(documents.begin(), documents.end()), documents.end());
    return documents;
}

std::vector<uint32_t> Searcher::candidates(const std::vector<std::u16string>& terms) const {
    if (terms.size() == 1)
        return m_candidates.exact(terms[0]);
    // The shortest list, with the pieces of the authors in it, is narrowed
    // by the others: a piece stays when a list holds it or its author.
    std::vector<std::vector<uint32_t>> lists;
    for (const std::u16string& term : terms)
        lists.push_back(m_candidates.exact(term));
    std::sort(lists.begin(), lists.end(),
              [](const auto& a, const auto& b) { return a.size() < b.size(); });
    std::vector<uint32_t> found = withAuthorsPieces(std::move(lists[0]));
    const uint32_t pieceCount = uint32_t(m_file.pieces().size());
    for (size_t i = 1; i < lists.size() && !found.empty(); ++i) {
        const std::vector<uint32_t>& list = lists[i];
        const auto holds = [&](uint32_t document) {
            return std::binary_search(list.begin(), list.end(), document);
        };
        std::erase_if(found, [&](uint32_t document) {
            if (holds(document))
                return false;
            const uint32_t author =
                document < pieceCount ? m_file.pieces()[document].author : format::kNoAuthor;
            return author == format::kNoAuthor || !holds(pieceCount + author);
        });
    }
    return found;
}

Searcher::Match Searcher::matchDocument(uint32_t document, const std::vector<std::u16string>& terms,
                                        bool near, bool held) const {
    const uint32_t pieceCount = uint32_t(m_file.pieces().size());
    Match best;
    for (const std::u16string& term : terms) {
        TermMatcher::Found found;
        if (document < pieceCount) {
            const format::PieceRecord& piece = m_file.pieces()[document];
            found = m_matcher.inPiece(m_file.pieceText(piece), term, near, held);
            if (found.matchClass == MatchClass::None && terms.size() > 1 &&
                piece.author != format::kNoAuthor) {
                const format::AuthorRecord& author = m_file.authors()[piece.author];
                if (m_matcher.inAuthor(m_file.string(author.nameOffset, author.nameLength), {},
                                       term, false)
                        .matchClass == MatchClass::AuthorName)
                    found = {MatchClass::AuthorName, -2};
            }
        } else {
            const format::AuthorRecord& author = m_file.authors()[document - pieceCount];
            found = m_matcher.inAuthor(m_file.string(author.nameOffset, author.nameLength),
                                       m_file.string(author.bioOffset, author.bioLength), term,
                                       near);
        }
        if (found.matchClass == MatchClass::None)
            return {};
        // The row shows the line of the best placed term that is in the text.
        if (found.segment != -2 && (best.segment == -2 || found.matchClass < best.matchClass))
            best.segment = found.segment;
        else if (best.matchClass == MatchClass::None)
            best.segment = found.segment;
        best.matchClass = std::min(best.matchClass, found.matchClass);
    }
    return best;
}

uint32_t Searcher::editionLead(uint32_t piece) const {
    uint32_t lead = piece;
    uint32_t next = m_file.pieces()[piece].nextEdition;
    for (int steps = 0; next != piece && steps < 64; ++steps) {
        lead = std::min(lead, next);
        next = m_file.pieces()[next].nextEdition;
    }
    return lead;
}

void Searcher::collect(const std::vector<uint32_t>& documents,
                       const std::vector<std::u16string>& terms, bool near,
                       std::vector<Hit>& hits) const {
    // One unit is found in the unit's own list, which holds exactly the
    // documents that have it: no need to read past the first line.
    const bool held = !near && terms.size() == 1 && terms[0].size() == 1;
    const uint32_t pieceCount = uint32_t(m_file.pieces().size());
    for (uint32_t document : documents) {
        const Match match = matchDocument(document, terms, near, held);
        if (match.matchClass == MatchClass::None)
            continue;
        const uint32_t fame = document < pieceCount ? m_file.pieces()[document].fame : 0;
        hits.push_back({orderOf(near, match.matchClass, fame, document), match.segment});
    }
}

Results Searcher::find(QStringView query, int limit) const {
    Results results;
    const std::vector<std::u16string> folded = terms(query);
    if (folded.empty() || limit <= 0)
        return results;
    std::vector<Hit> hits;
    if (const std::optional<std::string> letters = pinyinLetters(query)) {
        collectPinyin(*letters, hits);
        finish(hits, {}, limit, results);
        return results;
    }
    const std::vector<uint32_t> exact = candidates(folded);
    std::vector<uint32_t> unread;
    if (folded.size() == 1 && folded[0].size() == 1) {
        collectOneUnit(exact, folded[0][0], size_t(limit), hits, unread);
    } else {
        collect(exact, folded, false, hits);
    }
    if (folded.size() == 1 && folded[0].size() >= kShortestNear) {
        std::vector<uint32_t> near = m_candidates.near(folded[0]);
        std::vector<uint32_t> notExact;
        std::set_difference(near.begin(), near.end(), exact.begin(), exact.end(),
                            std::back_inserter(notExact));
        collect(notExact, folded, true, hits);
    }
    finish(hits, folded, limit, results);
    results.total += int(distinctTexts(unread, hits));
    return results;
}

void Searcher::collectPinyin(const std::string& letters, std::vector<Hit>& hits) const {
    const uint32_t pieceCount = uint32_t(m_file.pieces().size());
    for (const PinyinSearch::Found& found : m_pinyin.find(letters)) {
        const uint32_t fame = found.document < pieceCount ? m_file.pieces()[found.document].fame : 0;
        hits.push_back({orderOf(false, found.matchClass, fame, found.document), 0});
    }
}

size_t Searcher::distinctTexts(const std::vector<uint32_t>& documents,
                               const std::vector<Hit>& alreadyCounted) const {
    // Pieces without editions are texts of their own; the others count once
    // per text, and not at all when a counted edition stands for them.
    const uint32_t pieceCount = uint32_t(m_file.pieces().size());
    std::unordered_set<uint32_t> leads;
    for (const Hit& hit : alreadyCounted) {
        const uint32_t document = uint32_t(hit.order);
        if (document < pieceCount && m_file.pieces()[document].nextEdition != document)
            leads.insert(editionLead(document));
    }
    size_t count = 0;
    for (uint32_t document : documents) {
        if (document < pieceCount && m_file.pieces()[document].nextEdition != document)
            count += leads.insert(editionLead(document)).second;
        else
            ++count;
    }
    return count;
}

void Searcher::finish(std::vector<Hit>& hits, const std::vector<std::u16string>& terms, int limit,
                      Results& results) const {
    // One row per text: the best placed of its editions stands for all.
    // Most pieces stand alone; only those with editions need a look.
    const uint32_t pieceCount = uint32_t(m_file.pieces().size());
    const auto documentOf = [](const Hit& hit) { return uint32_t(hit.order); };
    const auto hasEditions = [&](uint32_t document) {
        return document < pieceCount && m_file.pieces()[document].nextEdition != document;
    };
    std::unordered_map<uint32_t, bool> seen;
    for (const Hit& hit : hits) {
        const uint32_t document = documentOf(hit);
        if (!hasEditions(document) || seen.emplace(editionLead(document), true).second)
            ++results.total;
    }
    // Only the best few need an order; a few more than shown make up for
    // the editions that fold into one row.
    size_t sorted = std::min(hits.size(), size_t(limit) + size_t(limit) / 2 + 16);
    std::partial_sort(hits.begin(), hits.begin() + ptrdiff_t(sorted), hits.end());
    seen.clear();
    for (size_t i = 0; i < hits.size() && int(results.rows.size()) < limit; ++i) {
        if (i == sorted) {
            std::sort(hits.begin() + ptrdiff_t(i), hits.end());
            sorted = hits.size();
        }
        const uint32_t document = documentOf(hits[i]);
        if (hasEditions(document) && !seen.emplace(editionLead(document), true).second)
            continue;
        results.rows.push_back(rowOf(hits[i], terms));
    }
}

Row Searcher::rowOf(const Hit& hit, const std::vector<std::u16string>& terms) const {
    Row row;
    row.near = hit.order >> 63;
    row.matchClass = MatchClass((hit.order >> 60) & 7);
    row.fame = uint32_t(~(hit.order >> 32) & 0x0fffffffu);
    row.document = uint32_t(hit.order);
    row.segment = hit.segment;
    if (row.segment == -1 && row.document < m_file.pieces().size())
        row.segment = matchDocument(row.document, terms, row.near, false).segment;
    rowText::fill(m_file, row);
    return row;
}

} // namespace library
