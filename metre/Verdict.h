#pragma once

#include <QStringList>

// The verdict under a poem, in plain words.
namespace metre {

struct Analysis;
class RhymeTable;

// For a regulated poem: its form, 平起 or 仄起, whether the first line
// rhymes; its rhyme group and any neighbouring groups borrowed; then its
// departures by line and position, or that it keeps the pattern. For any
// other poem: why only the rhymes are marked, and its rhymes.
QStringList verdict(const Analysis& analysis, const RhymeTable& table);

} // namespace metre
