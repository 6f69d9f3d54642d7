#pragma once

#include "Entry.h"
#include "Index.h"
#include "Snippet.h"
#include "YearConverter.h"

#include <QStringList>

#include <QString>
#include <QStringView>

#include <functional>
#include <vector>

namespace find {

// One row of results.
struct Result {
    Kind kind = Kind::Shi;
    QString key;       // the tree node to open
    QString title;     // title, poet, idiom, dynasty, or a year's era
    QString poet;      // the poet of a piece, the ruler of an era; else empty
    Snippet snippet;   // the matched text in its context
    QString highlight; // the text to mark on the opened page
    MatchClass matchClass = MatchClass::Commentary;
};

struct Results {
    int total = 0;
    std::vector<Result> rows; // the best `limit` of them, best first
    QString notice;           // said instead of results, e.g. a year outside the table
};

// The query engine: takes what the user typed and gives ranked results.
class Finder final {
  public:
    using Simplifier = std::function<QStringList(const QString&)>;

    // simplify turns Traditional and variant forms into the Simplified text
    // the content is written in, one spelling for each way of writing
    // Traditional that reads differently (著 in Taiwan is also 着); every
    // spelling is searched. presentYear ends the last era of the table.
    Finder(Corpus corpus, const PinyinSource& pinyin, Simplifier simplify, int presentYear);

    Results find(QStringView query, int limit) const;

  private:
    void yearRows(int year, Results& results) const;
    std::vector<Hit> bestPerEntry(QStringView query) const;
    Result rowOf(const Hit& hit) const;

    Index m_index;
    YearConverter m_years;
    Simplifier m_simplify;
};

} // namespace find
