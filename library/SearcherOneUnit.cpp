// The search for one unit (天, 月): it is in tens of thousands of pieces,
// too many to read. The index lists the titles that begin with it, and
// authors are told apart by their name alone. Only when those do not fill
// the rows are the other pieces read, the better known first, and only
// until the first lines found fill them: a first line ranks before every
// later line, and among first lines the better known lead. The pieces not
// read are counted.
#include "Postings.h"
#include "SearchOrder.h"
#include "Searcher.h"

#include <algorithm>
#include <iterator>
#include <unordered_set>

namespace library {

void Searcher::collectTitles(const std::vector<uint32_t>& documents, char16_t unit,
                             std::vector<Hit>& hits, std::vector<uint32_t>& rest) const {
    const std::vector<uint32_t> starts =
        postings::decode(m_file.titleStartList(unit), uint32_t(m_file.pieces().size()));
    std::set_difference(documents.begin(), documents.end(), starts.begin(), starts.end(),
                        std::back_inserter(rest));
    for (uint32_t document : starts) {
        const format::PieceRecord& piece = m_file.pieces()[document];
        const TermMatcher::Found found = m_matcher.unitInTitle(m_file.pieceText(piece), unit);
        if (found.matchClass != MatchClass::WholeTitle &&
            found.matchClass != MatchClass::TitleStart) {
            // Only a damaged list says so: the piece is read with the rest.
            if (std::binary_search(documents.begin(), documents.end(), document))
                rest.push_back(document);
            continue;
        }
        hits.push_back({orderOf(false, found.matchClass, piece.fame, document), found.segment});
    }
    std::sort(rest.begin(), rest.end());
}

size_t Searcher::rankedTexts(const std::vector<Hit>& hits, MatchClass worst) const {
    std::vector<uint32_t> documents;
    for (const Hit& hit : hits)
        if (classOf(hit.order) <= worst)
            documents.push_back(uint32_t(hit.order));
    return distinctTexts(documents, {});
}

void Searcher::collectOneUnit(const std::vector<uint32_t>& documents, char16_t unit, size_t limit,
                              std::vector<Hit>& hits, std::vector<uint32_t>& unread) const {
    const uint32_t pieceCount = uint32_t(m_file.pieces().size());
    std::vector<uint32_t> rest;
    collectTitles(documents, unit, hits, rest);
    std::vector<uint32_t> pieces;
    const std::u16string term(1, unit);
    for (uint32_t document : rest) {
        if (document >= pieceCount) {
            // An author holds it in the name, or else in the biography.
            const format::AuthorRecord& author = m_file.authors()[document - pieceCount];
            const TermMatcher::Found found = m_matcher.inAuthor(
                m_file.string(author.nameOffset, author.nameLength), {}, term, false);
            const bool named = found.matchClass == MatchClass::AuthorName;
            hits.push_back({orderOf(false, named ? MatchClass::AuthorName : MatchClass::Biography,
                                    0, document),
                            named ? 0 : 1});
        } else {
            pieces.push_back(document);
        }
    }
    if (rankedTexts(hits, MatchClass::FirstLine) >= limit)
        unread = std::move(pieces);
    else
        collectByFame(std::move(pieces), term, limit, hits, unread);
}

void Searcher::collectByFame(std::vector<uint32_t> pieces, const std::u16string& term, size_t limit,
                             std::vector<Hit>& hits, std::vector<uint32_t>& unread) const {
    std::vector<std::pair<uint32_t, uint32_t>> byFame; // (~fame, document)
    byFame.reserve(pieces.size());
    for (uint32_t document : pieces)
        byFame.emplace_back(~m_file.pieces()[document].fame, document);
    std::sort(byFame.begin(), byFame.end());
    // Texts already in better classes, and those found here, each once.
    std::unordered_set<uint32_t> leads;
    size_t texts = 0;
    for (const Hit& hit : hits) {
        const uint32_t document = uint32_t(hit.order);
        if (classOf(hit.order) > MatchClass::FirstLine)
            continue;
        if (document >= m_file.pieces().size() || m_file.pieces()[document].nextEdition == document)
            ++texts;
        else
            texts += leads.insert(editionLead(document)).second;
    }
    const std::vector<std::u16string> terms{term};
    size_t i = 0;
    for (; i < byFame.size() && texts < limit; ++i) {
        const uint32_t document = byFame[i].second;
        const Match match = matchDocument(document, terms, false, true);
        if (match.matchClass == MatchClass::None)
            continue;
        const format::PieceRecord& piece = m_file.pieces()[document];
        hits.push_back({orderOf(false, match.matchClass, piece.fame, document), match.segment});
        if (match.matchClass == MatchClass::FirstLine)
            texts += piece.nextEdition == document || leads.insert(editionLead(document)).second;
    }
    for (; i < byFame.size(); ++i)
        unread.push_back(byFame[i].second);
}

} // namespace library
