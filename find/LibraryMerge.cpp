#include "LibraryMerge.h"

#include "library/Folding.h"

#include <QSet>

namespace find {
namespace {

MatchClass classOf(library::MatchClass matchClass) {
    switch (matchClass) {
    case library::MatchClass::WholeTitle: return MatchClass::ExactTitle;
    case library::MatchClass::TitleStart: return MatchClass::TitlePrefix;
    case library::MatchClass::TitleInside: return MatchClass::TitleInfix;
    case library::MatchClass::AuthorName: return MatchClass::Poet;
    case library::MatchClass::FirstLine: return MatchClass::FirstLine;
    case library::MatchClass::AnyLine: return MatchClass::AnyLine;
    case library::MatchClass::Biography:
    case library::MatchClass::None: break;
    }
    return MatchClass::Commentary;
}

QString identity(const library::Folding& folding, const QString& title, const QString& poet) {
    const std::u16string a = folding.fold(title), b = folding.fold(poet);
    return QString::fromUtf16(a.data(), qsizetype(a.size())) + u'|' +
           QString::fromUtf16(b.data(), qsizetype(b.size()));
}

MergedRow rowOf(const Result& row) {
    return {kindLabel(row.kind), row.key, row.title, row.poet, row.snippet.plain()};
}

MergedRow rowOf(const library::Row& row) {
    return {row.collection, row.key, row.title, row.author, row.snippet};
}

} // namespace

MergedResults mergeWithLibrary(const Results& anthology, const library::Results& fromLibrary,
                               const library::Folding* folding, int limit) {
    MergedResults merged;
    merged.notice = anthology.notice;
    QSet<QString> inAnthology;
    if (folding)
        for (const Result& row : anthology.rows)
            if (!row.poet.isEmpty())
                inAnthology.insert(identity(*folding, row.title, row.poet));
    std::vector<const library::Row*> libraryRows;
    int dropped = 0;
    for (const library::Row& row : fromLibrary.rows) {
        if (folding && !row.isAuthor && inAnthology.contains(identity(*folding, row.title, row.author)))
            ++dropped;
        else
            libraryRows.push_back(&row);
    }
    merged.total = anthology.total + fromLibrary.total - dropped;
    size_t a = 0, l = 0;
    while (int(merged.rows.size()) < limit && (a < anthology.rows.size() || l < libraryRows.size())) {
        const bool takeAnthology =
            l == libraryRows.size() ||
            (a < anthology.rows.size() &&
             (libraryRows[l]->near || anthology.rows[a].matchClass <= classOf(libraryRows[l]->matchClass)));
        merged.rows.push_back(takeAnthology ? rowOf(anthology.rows[a++]) : rowOf(*libraryRows[l++]));
    }
    return merged;
}

} // namespace find
