#pragma once

#include "Corpus.h"

#include <tuple>

namespace find {

// The classes of a match, best first. A year's eras come before everything a
// text search finds: a year typed is a question about the era table. A name
// typed whole (a poet's, or any alias) is a question about that poet or ruler.
// A whole line of verse typed is a question about the piece it stands in,
// not about the pieces that quote it. A short word (明月) is looked for in
// titles and first lines before the rest of the verse.
enum class MatchClass {
    Year,
    Name,
    ExactTitle,
    TitlePrefix,
    WholeLine,
    Poet,
    TitleWord,
    FirstLine,
    AnyLine,
    Idiom,
    Dynasty,
    RulerOrEra,
    TitleInfix,
    Commentary,
};

// How much of a name the match covers.
enum class Coverage { Whole, Beginning, Inside };

MatchClass classOf(Role role, Coverage coverage, bool onFirstLine);

// Orders matches: what was typed before what comes near it (one character
// or one letter off); then typed pinyin that spells a whole name (lb is 李白
// before 留别王维), then by class, then (within a class of names) a whole
// name before a beginning before an inside, then the order of the collection.
struct Rank {
    bool near = false;
    bool partialPinyin = false;
    MatchClass matchClass = MatchClass::Commentary;
    Coverage coverage = Coverage::Inside;
    int entry = 0;

    bool operator<(const Rank& other) const {
        return std::tie(near, partialPinyin, matchClass, coverage, entry) <
               std::tie(other.near, other.partialPinyin, other.matchClass, other.coverage,
                        other.entry);
    }
};

} // namespace find
