#pragma once

#include "Corpus.h"

#include <tuple>

namespace find {

// The classes of a match, best first. A year's eras come before everything a
// text search finds: a year typed is a question about the era table.
enum class MatchClass {
    Year,
    ExactTitle,
    TitlePrefix,
    Poet,
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

// Orders matches: typed pinyin that spells a whole name first (lb is 李白
// before 留别王维), then by class, then (within a class of names) a whole
// name before a beginning before an inside, then the order of the collection.
struct Rank {
    bool partialPinyin = false;
    MatchClass matchClass = MatchClass::Commentary;
    Coverage coverage = Coverage::Inside;
    int entry = 0;

    bool operator<(const Rank& other) const {
        return std::tie(partialPinyin, matchClass, coverage, entry) <
               std::tie(other.partialPinyin, other.matchClass, other.coverage, other.entry);
    }
};

} // namespace find
