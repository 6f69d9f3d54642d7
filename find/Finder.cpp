#include "Finder.h"

#include "ChineseNumber.h"
#include "Normaliser.h"
#include "PinyinQuery.h"
#include "YearQuery.h"

#include "platform/HanCharacter.h"

#include <algorithm>
#include <optional>
#include <tuple>

namespace find {
namespace {

// Typed pinyin this long is a whole spelling worth forgiving a slip in.
constexpr qsizetype kForgivenLetters = 5;
// Chinese characters typed this many and found nowhere are looked for one off.
constexpr int kForgivenCharacters = 4;
// A query this short is a word, looked for in titles beside first lines.
constexpr qsizetype kLongestWord = 3;
// More terms than this are pasted text, not terms: each would cost a search.
constexpr qsizetype kMostTerms = 8;

QString yearText(int year) {
    return year < 0 ? QStringLiteral("公元前%1年").arg(-year)
                    : QStringLiteral("公元%1年").arg(year);
}

int hanCount(const QString& text) {
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size()) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        count += platform::isHanCharacter(code) ? 1 : 0;
    }
    return count;
}

QStringList termsOf(QStringView query) {
    QStringList terms;
    for (const QString& part : query.toString().split(QChar(u' '), Qt::SkipEmptyParts)) {
        for (const QString& piece : part.split(QChar(u'\u3000'), Qt::SkipEmptyParts)) {
            if (!folded(piece).isEmpty())
                terms << piece;
        }
    }
    return terms;
}

} // namespace

Finder::Finder(Corpus corpus, const PinyinSource& pinyin, Simplifier simplify, int presentYear)
    : m_index(std::move(corpus), pinyin), m_years(m_index.corpus().eraRows, presentYear),
      m_simplify(std::move(simplify)) {
    const Corpus& indexed = m_index.corpus();
    for (const Entry& entry : indexed.entries) {
        const bool piece = entry.kind == Kind::Shi || entry.kind == Kind::Ci || entry.kind == Kind::Qu;
        m_owners.push_back(piece                        ? folded(entry.poet)
                           : entry.kind == Kind::Era ? folded(entry.title)
                                                     : QString());
    }
    for (const Field& field : indexed.fields) {
        const Entry& entry = indexed.entries[size_t(field.entry)];
        if (field.role == Role::Alias && entry.kind == Kind::Poet)
            m_aliasPoets[folded(field.text)].append(folded(entry.title));
    }
}

Results Finder::find(QStringView query, int limit) const {
    Results results;
    if (const auto year = parseYear(query))
        yearRows(*year, results);
    const std::vector<Hit> hits = hitsOf(query);
    results.total += int(hits.size());
    for (const Hit& hit : hits) {
        if (int(results.rows.size()) >= limit)
            break;
        results.rows.push_back(rowOf(hit));
    }
    if (int(results.rows.size()) > limit)
        results.rows.resize(size_t(std::max(limit, 0)));
    return results;
}

void Finder::yearRows(int year, Results& results) const {
    if (!m_years.covers(year)) {
        results.notice =
            QStringLiteral("%1不在纪元表的范围内（%2至%3）")
                .arg(yearText(year), yearText(m_years.firstYear()), yearText(m_years.lastYear()));
        return;
    }
    const std::vector<EraYear> eras = m_years.erasIn(year);
    if (eras.empty())
        results.notice = QStringLiteral("纪元表中没有%1的年号").arg(yearText(year));
    for (const EraYear& era : eras) {
        const Entry& entry = m_index.corpus().entries[size_t(era.entry)];
        const QString named = era.era.isEmpty() ? era.ruler : era.era;
        const QString ordinal = eraYearNumber(era.ordinal) + u'年';
        Result row{Kind::Era,
                   entry.key,
                   era.dynasty + u' ' + named + ordinal,
                   era.ruler,
                   {yearText(year) + QStringLiteral("，") + era.sexagenary + QStringLiteral("，"),
                    named + ordinal,
                    {}},
                   named,
                   MatchClass::Year};
        results.rows.push_back(std::move(row));
        ++results.total;
    }
}

std::vector<Hit> Finder::hitsOf(QStringView query) const {
    if (const auto letters = pinyinLetters(query))
        return bestPerEntry(pinyinHits(*letters));
    const QStringList terms = termsOf(query);
    if (terms.size() > 1 && terms.size() <= kMostTerms)
        return allTermsHits(terms);
    return bestPerEntry(textHits(query.toString(), true));
}

std::vector<Hit> Finder::pinyinHits(const QString& letters) const {
    std::vector<Hit> hits;
    const std::string plain = letters.toStdString();
    m_index.findPinyin(plain, hits);
    if (letters.size() >= kForgivenLetters)
        m_index.findPinyinNear(plain, hits);
    return hits;
}

QStringList Finder::foldedSpellings(const QString& typed) const {
    QStringList spellings;
    if (m_simplify)
        spellings = m_simplify(typed);
    // As typed finds too: a character the conversion changes may be the one
    // the content uses (乾 in 乾隆 stays 乾).
    spellings << typed;
    QStringList searched;
    for (const QString& spelling : std::as_const(spellings)) {
        const QString text = folded(spelling);
        if (!searched.contains(text))
            searched << text;
    }
    return searched;
}

std::vector<Hit> Finder::textHits(const QString& typed, bool nearIfNone) const {
    std::vector<Hit> hits;
    const QStringList spellings = foldedSpellings(typed);
    for (const QString& text : spellings)
        m_index.findText(text, hits);
    const QString& simplified = spellings.front();
    if (hits.empty() && nearIfNone && hanCount(simplified) >= kForgivenCharacters)
        m_index.findNear(simplified, hits);
    if (simplified.size() <= kLongestWord) {
        for (Hit& hit : hits)
            if (hit.rank.matchClass == MatchClass::TitleInfix)
                hit.rank.matchClass = MatchClass::TitleWord;
    }
    return hits;
}

bool Finder::namesOwnerOf(const QString& term, int entry) const {
    const QString& owner = m_owners[size_t(entry)];
    if (owner.isEmpty())
        return false;
    if (owner.contains(term))
        return true;
    const auto poets = m_aliasPoets.constFind(term);
    return poets != m_aliasPoets.constEnd() && poets->contains(owner);
}

std::vector<Hit> Finder::allTermsHits(const QStringList& terms) const {
    // Every term must be found in the entry. A term that names the piece's
    // poet (or the era row's dynasty) counts as a name; the entry ranks by
    // the term it answers least well, then by how well it answers the rest
    // (杜甫's own pieces before others whose notes speak of him).
    const size_t count = m_index.corpus().entries.size();
    std::vector<int> found(count, 0);
    std::vector<int> classes(count, 0);
    std::vector<std::optional<Hit>> worst(count);
    for (const QString& term : terms) {
        const QStringList spellings = foldedSpellings(term);
        std::vector<std::optional<Hit>> best(count);
        for (const Hit& hit : textHits(term, false)) {
            std::optional<Hit>& slot = best[size_t(hit.rank.entry)];
            if (!slot || hit.rank < slot->rank)
                slot = hit;
        }
        for (size_t e = 0; e < count; ++e) {
            const bool owner = std::any_of(spellings.begin(), spellings.end(),
                                           [&](const QString& text) { return namesOwnerOf(text, int(e)); });
            if (owner) {
                ++found[e];
                classes[e] += int(MatchClass::Name);
            } else if (best[e]) {
                ++found[e];
                classes[e] += int(best[e]->rank.matchClass);
                if (!worst[e] || worst[e]->rank.matchClass < best[e]->rank.matchClass)
                    worst[e] = best[e];
            }
        }
    }
    std::vector<Hit> hits;
    for (size_t e = 0; e < count; ++e)
        if (found[e] == int(terms.size()) && worst[e])
            hits.push_back(*worst[e]);
    std::sort(hits.begin(), hits.end(), [&](const Hit& a, const Hit& b) {
        return std::tie(a.rank.matchClass, classes[size_t(a.rank.entry)], a.rank) <
               std::tie(b.rank.matchClass, classes[size_t(b.rank.entry)], b.rank);
    });
    return hits;
}

std::vector<Hit> Finder::bestPerEntry(std::vector<Hit> hits) const {
    std::sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.rank < b.rank; });
    // Each entry once, at its best match.
    std::vector<bool> seen(m_index.corpus().entries.size(), false);
    std::vector<Hit> unique;
    for (const Hit& hit : hits) {
        if (seen[size_t(hit.rank.entry)])
            continue;
        seen[size_t(hit.rank.entry)] = true;
        unique.push_back(hit);
    }
    return unique;
}

Result Finder::rowOf(const Hit& hit) const {
    const Corpus& corpus = m_index.corpus();
    const Field& field = corpus.fields[size_t(hit.field)];
    const Entry& entry = corpus.entries[size_t(hit.rank.entry)];
    if (field.role == Role::Alias) {
        // The alias, whom it names and why; the page shows the name itself.
        const QString target = entry.kind == Kind::Era ? entry.poet : entry.title;
        return {entry.kind,
                entry.key,
                entry.title,
                entry.poet,
                {{}, field.text, QStringLiteral("，即%1（%2）").arg(target, field.note)},
                target,
                hit.rank.matchClass,
                hit.rank.near};
    }
    int begin = hit.begin;
    int end = hit.end;
    if (hit.inFolded) {
        const Folded map = fold(field.text, true);
        begin = map.origin[size_t(hit.begin)];
        end = map.origin[size_t(hit.end - 1)] + 1;
    }
    return {entry.kind,
            entry.key,
            entry.title,
            entry.poet,
            snippetAround(field.text, begin, end),
            shownText(field.text, begin, end),
            hit.rank.matchClass,
            hit.rank.near};
}

} // namespace find
