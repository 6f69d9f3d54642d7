#pragma once

#include "Entry.h"
#include "Index.h"
#include "Snippet.h"
#include "YearConverter.h"

#include <QHash>
#include <QString>
#include <QStringList>
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
    bool near = false; // found one character or one letter off what was typed
};

struct Results {
    int total = 0;
    std::vector<Result> rows; // the best `limit` of them, best first
    QString notice;           // said instead of results, e.g. a year outside the table
};

// The query engine: takes what the user typed and gives ranked results.
//
// Text is found as typed or in its Simplified form; terms separated by
// spaces must all be found in the same piece (its poet counts); four or more
// Chinese characters found nowhere are looked for one character off. Typed
// pinyin finds names and titles by whole readings or initials, and five or
// more letters also one slip off. A year gives the eras in force.
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
    std::vector<Hit> hitsOf(QStringView query) const;
    std::vector<Hit> pinyinHits(const QString& letters) const;
    QStringList foldedSpellings(const QString& typed) const;
    std::vector<Hit> textHits(const QString& term, bool nearIfNone) const;
    std::vector<Hit> allTermsHits(const QStringList& terms) const;
    bool namesOwnerOf(const QString& term, int entry) const;
    std::vector<Hit> bestPerEntry(std::vector<Hit> hits) const;
    Result rowOf(const Hit& hit) const;

    Index m_index;
    YearConverter m_years;
    Simplifier m_simplify;
    std::vector<QString> m_owners; // per entry, folded: a piece's poet, an era row's dynasty
    QHash<QString, QStringList> m_aliasPoets; // a folded alias: the poets it names
};

} // namespace find
