#pragma once

#include "Corpus.h"

#include <QString>

#include <vector>

namespace find {

// One era in force in a given year.
struct EraYear {
    int entry = 0; // the era row's entry
    QString dynasty;
    QString ruler;
    QString era; // empty where the table names only the ruler
    int ordinal = 1;
    QString sexagenary;
};

// Turns a year into the eras in force that year. Each era runs for the
// length the table gives it; where the table gives none, until the next
// era of its dynasty begins, and the last era of the table until the present.
// A year may fall in several eras: a change of era within the year, a year
// shared by two rulers, rival dynasties.
class YearConverter final {
  public:
    YearConverter(const std::vector<EraRow>& rows, int presentYear);

    std::vector<EraYear> erasIn(int year) const;
    int firstYear() const { return m_first; }
    int lastYear() const { return m_last; }
    bool covers(int year) const { return year >= m_first && year <= m_last; }

  private:
    struct Span {
        int entry;
        QString dynasty;
        QString ruler;
        QString era;
        int first; // astronomical years
        int last;
        int base; // the era's first year, which its ordinals count from
    };
    void addRow(const EraRow& row);
    void countContinuedEras();

    std::vector<Span> m_spans;
    int m_first = 0;
    int m_last = 0;
};

} // namespace find
