#include "YearConverter.h"

#include "Sexagenary.h"
#include "YearQuery.h"

#include "store/EraColumn.h"

#include <algorithm>
#include <climits>

namespace find {
namespace {

// The year as a number to count with; a ruler's descriptive note such as
// "（共和政体）" is no name to show.
QString rulerShown(const QString& ruler) {
    return ruler.startsWith(u'（') || ruler.startsWith(u'(') ? QString() : ruler;
}

} // namespace

YearConverter::YearConverter(const std::vector<EraRow>& rows, int presentYear) {
    for (const EraRow& row : rows)
        addRow(row);
    // An era without a length runs until the next one of its dynasty begins;
    // the last of the table runs until the present.
    for (size_t i = 0; i < m_spans.size(); ++i) {
        Span& span = m_spans[i];
        if (span.last != INT_MIN)
            continue;
        span.last = span.first;
        if (i + 1 < m_spans.size() && m_spans[i + 1].dynasty == span.dynasty)
            span.last = std::max(span.first, m_spans[i + 1].first - 1);
        else if (i + 1 == m_spans.size())
            span.last = std::max(span.first, astronomical(presentYear));
    }
    countContinuedEras();
    if (m_spans.empty())
        return;
    m_first = INT_MAX;
    m_last = INT_MIN;
    for (const Span& span : m_spans) {
        m_first = std::min(m_first, span.first);
        m_last = std::max(m_last, span.last);
    }
    // Back to the reader's numbering, where 1 BC follows AD 1.
    m_first = m_first <= 0 ? m_first - 1 : m_first;
    m_last = m_last <= 0 ? m_last - 1 : m_last;
}

void YearConverter::addRow(const EraRow& row) {
    const QStringList names = store::eraEntries(row.names);
    const QStringList years = store::eraEntries(row.firstYears);
    for (qsizetype i = 0; i < years.size(); ++i) {
        const auto first = store::parseEraYear(years[i]);
        if (!first)
            continue;
        const store::EraName era = i < names.size() ? store::parseEraName(names[i]) : store::EraName{};
        const int start = astronomical(*first);
        const int last = era.length > 0 ? start + era.length - 1 : INT_MIN;
        m_spans.push_back(
            {row.entry, row.dynasty, rulerShown(row.ruler), era.name, start, last, start});
    }
}

void YearConverter::countContinuedEras() {
    // A successor who kept his predecessor's era went on counting its years
    // (金熙宗 came to the throne in 天会十三年, not in a 天会元年 of his own):
    // an era that takes up, in its dynasty, where the same era left off
    // counts from where that one began.
    for (size_t i = 1; i < m_spans.size(); ++i) {
        Span& span = m_spans[i];
        if (span.era.isEmpty())
            continue;
        for (size_t j = i; j-- > 0 && m_spans[j].dynasty == span.dynasty;) {
            const Span& earlier = m_spans[j];
            if (earlier.era != span.era)
                continue;
            if (earlier.first <= span.first && earlier.last >= span.first - 1)
                span.base = earlier.base;
            break;
        }
    }
}

std::vector<EraYear> YearConverter::erasIn(int year) const {
    std::vector<EraYear> found;
    const int when = astronomical(year);
    for (const Span& span : m_spans) {
        if (when < span.first || when > span.last)
            continue;
        found.push_back({span.entry, span.dynasty, span.ruler, span.era, when - span.base + 1,
                         sexagenaryName(year)});
    }
    return found;
}

} // namespace find
