#pragma once

#include "Entry.h"

#include <QString>

#include <vector>

namespace find {

// What a field of text is to the ranking. An alias is another name of a
// poet or a ruler (东坡, 唐太宗), found only when typed whole.
enum class Role { Title, Poet, Lines, Idiom, Dynasty, RulerOrEra, Alias, Commentary };

// Names are also found by pinyin; lines, aliases and commentary are not.
inline bool isName(Role role) {
    return role != Role::Lines && role != Role::Alias && role != Role::Commentary;
}

struct Field {
    int entry = 0;
    Role role = Role::Title;
    QString text;
    QString note; // of an alias: why it names its row
};

// One ruler's row of the era table, its columns as stored: era names with
// their lengths ("贞观(23)") and first years ("627", "前841"), one entry per
// era, separated by "<p>".
struct EraRow {
    int entry = 0;
    QString dynasty;
    QString ruler;
    QString names;
    QString firstYears;
};

// Everything a search looks at, in the order of the collection.
struct Corpus {
    std::vector<Entry> entries;
    std::vector<Field> fields;
    std::vector<EraRow> eraRows;
};

} // namespace find
