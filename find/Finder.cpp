#include "Finder.h"

#include "ChineseNumber.h"
#include "Normaliser.h"
#include "PinyinQuery.h"
#include "YearQuery.h"

#include <algorithm>

namespace find {
namespace {

QString yearText(int year) {
    return year < 0 ? QStringLiteral("公元前%1年").arg(-year)
                    : QStringLiteral("公元%1年").arg(year);
}

} // namespace

Finder::Finder(Corpus corpus, const PinyinSource& pinyin, Simplifier simplify, int presentYear)
    : m_index(std::move(corpus), pinyin), m_years(m_index.corpus().eraRows, presentYear),
      m_simplify(std::move(simplify)) {}

Results Finder::find(QStringView query, int limit) const {
    Results results;
    if (const auto year = parseYear(query))
        yearRows(*year, results);
    const std::vector<Hit> hits = bestPerEntry(query);
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

std::vector<Hit> Finder::bestPerEntry(QStringView query) const {
    std::vector<Hit> hits;
    if (const auto letters = pinyinLetters(query)) {
        m_index.findPinyin(letters->toStdString(), hits);
    } else {
        const QString typed = query.toString();
        QStringList spellings;
        if (m_simplify)
            spellings = m_simplify(typed);
        // As typed finds too: a character the conversion changes may be the
        // one the content uses (乾 in 乾隆 stays 乾).
        spellings << typed;
        QStringList searched;
        for (const QString& spelling : std::as_const(spellings)) {
            const QString text = folded(spelling);
            if (searched.contains(text))
                continue;
            searched << text;
            m_index.findText(text, hits);
        }
    }
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
            hit.rank.matchClass};
}

} // namespace find
