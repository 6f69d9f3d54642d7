#pragma once

#include <QList>
#include <QStringView>

#include <vector>

// The verse lines of a poem's text: its Han characters, broken at the
// punctuation and at the line ends, with their Traditional forms.
namespace metre {

struct Verse {
    QList<char32_t> shown;
    // The character that stands in each place of the converted text; 0
    // where no converted text was given or it does not line up.
    QList<char32_t> traditional;
    // The place of the first character among all Han characters of the text.
    int first = 0;
};

// The verses of text, as the page shows it (note markers and tags carry no
// Han characters and are passed over), paired place by place with those of
// traditional when it holds as many Han characters.
std::vector<Verse> versesOf(QStringView text, QStringView traditional);

// How many Han characters text holds.
int hanCount(QStringView text);

} // namespace metre
