#pragma once

#include <QStringList>

namespace metre {
struct Analysis;
class RhymeTable;
} // namespace metre

// The metre of a poem as the page shows it: a small mark under each
// character and the verdict under the poem.
namespace pages {

struct MetreView {
    // Per Han character of the text, in order, the HTML under it; empty
    // where the character carries no mark.
    QStringList marks;
    // The verdict, one plain line each.
    QStringList verdict;
    // Where the rhyme groups come from, in small print under the verdict.
    QString credit;
};

// ○ level, ● oblique, ◎ two tones the place leaves open, ？ not in the
// table; after the sign 入 for an entering tone, 读平 or 读仄 where the place
// or the reading here decided between two tones; under it the rhyme group at
// a rhyme position.
MetreView metreView(const metre::Analysis& analysis, const metre::RhymeTable& table);

// The head line that sets the marks and the verdict.
QString metreStyleLine();

} // namespace pages
