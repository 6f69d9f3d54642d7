#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <tuple>

namespace library {

// Where a term was found, best first: the order of the anthology's search,
// where a line typed inside a longer title (千山鸟飞绝 in a title that
// quotes it) comes after the poems that have it as a line.
enum class MatchClass {
    WholeTitle,
    TitleStart,
    AuthorName,
    FirstLine,
    AnyLine,
    TitleInside,
    Biography,
    None,
};

// One row of the library's results: a piece (shown once for all the
// collections that hold its text) or an author.
struct Row {
    MatchClass matchClass = MatchClass::None;
    bool near = false;   // one character differs from what was typed
    uint32_t fame = 0;
    uint32_t document = 0; // pieces first, then authors: the file's order
    QString collection;  // the kind a row shows: 全唐诗, 宋词, 诗经 …
    QString key;
    QString title;       // the piece's title, or the author's name
    QString author;      // the piece's author; empty for an author row
    QString snippet;     // the line that matched, or the first line
    QStringList editions; // the other collections that hold the same text
    bool isAuthor = false;
    int segment = -1;     // the part of the text that matched

    // Exact before near, then by class, then the better known, then the
    // order of the collections.
    auto order() const { return std::tuple(near, matchClass, ~fame, document); }
};

struct Results {
    int total = 0;
    std::vector<Row> rows;
};

} // namespace library
