#include "Searcher.h"

#include "Postings.h"
#include "RowText.h"

#include <algorithm>
#include <unordered_map>

namespace library {
namespace {

// Longer terms cannot be in any line; more terms than this are noise.
constexpr size_t kLongestTerm = 256;
constexpr size_t kMostTerms = 8;
constexpr size_t kShortestNear = 4;

} // namespace

Searcher::Searcher(const LibraryFile& file)
    : m_file(file), m_folding(file.foldTable()), m_candidates(file), m_matcher(m_folding) {}

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
    std::vector<uint32_t> found;
    for (size_t i = 0; i < terms.size(); ++i) {
        std::vector<uint32_t> documents = withAuthorsPieces(m_candidates.exact(terms[i]));
        found = i == 0 ? std::move(documents) : postings::intersect(found, documents);
        if (found.empty())
            break;
    }
    return found;
}

Searcher::Match Searcher::matchDocument(uint32_t document, const std::vector<std::u16string>& terms,
                                        bool near) const {
    const uint32_t pieceCount = uint32_t(m_file.pieces().size());
    Match best;
    for (const std::u16string& term : terms) {
        TermMatcher::Found found;
        if (document < pieceCount) {
            const format::PieceRecord& piece = m_file.pieces()[document];
            found = m_matcher.inPiece(m_file.pieceText(piece), term, near);
            if (found.matchClass == MatchClass::None && terms.size() > 1 &&
                piece.author != format::kNoAuthor) {
                const format::AuthorRecord& author = m_file.authors()[piece.author];
                if (m_matcher.inAuthor(m_file.string(author.nameOffset, author.nameLength), {},
                                       term, false)
                        .matchClass == MatchClass::AuthorName)
                    found = {MatchClass::AuthorName, -1};
            }
        } else {
            const format::AuthorRecord& author = m_file.authors()[document - pieceCount];
            found = m_matcher.inAuthor(m_file.string(author.nameOffset, author.nameLength),
                                       m_file.string(author.bioOffset, author.bioLength), term,
                                       near);
        }
        if (found.matchClass == MatchClass::None)
            return {};
        if (found.matchClass < best.matchClass || best.segment < 0)
            best = {std::min(best.matchClass, found.matchClass),
                    found.segment >= 0 ? found.segment : best.segment};
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
                       std::vector<Row>& rows) const {
    for (uint32_t document : documents) {
        const Match match = matchDocument(document, terms, near);
        if (match.matchClass == MatchClass::None)
            continue;
        Row row;
        row.matchClass = match.matchClass;
        row.near = near;
        row.document = document;
        if (document < m_file.pieces().size())
            row.fame = m_file.pieces()[document].fame;
        row.segment = match.segment;
        rows.push_back(std::move(row));
    }
}

Results Searcher::find(QStringView query, int limit) const {
    Results results;
    const std::vector<std::u16string> folded = terms(query);
    if (folded.empty() || limit <= 0)
        return results;
    std::vector<Row> rows;
    const std::vector<uint32_t> exact = candidates(folded);
    collect(exact, folded, false, rows);
    if (folded.size() == 1 && folded[0].size() >= kShortestNear) {
        std::vector<uint32_t> near = m_candidates.near(folded[0]);
        std::vector<uint32_t> notExact;
        std::set_difference(near.begin(), near.end(), exact.begin(), exact.end(),
                            std::back_inserter(notExact));
        collect(notExact, folded, true, rows);
    }
    finish(rows, limit, results);
    return results;
}

void Searcher::finish(std::vector<Row>& rows, int limit, Results& results) const {
    // One row per text: the best placed of its editions stands for all.
    const uint32_t pieceCount = uint32_t(m_file.pieces().size());
    std::sort(rows.begin(), rows.end(),
              [](const Row& a, const Row& b) { return a.order() < b.order(); });
    std::unordered_map<uint32_t, bool> seen;
    std::vector<Row> kept;
    for (Row& row : rows) {
        const uint32_t group = row.document < pieceCount ? editionLead(row.document)
                                                         : row.document;
        if (!seen.emplace(group, true).second)
            continue;
        ++results.total;
        if (int(kept.size()) < limit)
            kept.push_back(std::move(row));
    }
    for (Row& row : kept)
        rowText::fill(m_file, row);
    results.rows = std::move(kept);
}

} // namespace library
