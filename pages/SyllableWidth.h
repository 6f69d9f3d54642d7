#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// How wide a pinyin syllable sets, so that every character of a piece can
// stand in a cell of one width with its syllable centred over it.
namespace pages {

// The advance of a syllable, in ems of the font it is set in. Letters are
// taken at the widest of the common text faces, so the estimate errs wide;
// anything unexpected counts as a full em.
double syllableEms(QStringView syllable);

// The width of one cell, in ems of the verse, for syllables set at 0.7 em
// with 0.15 em of their own size on either side: wide enough for the longest
// of them and never narrower than a character with some air around it.
double cellEms(const std::vector<QStringList>& lines);

// The style attribute that gives the ruby of one line its cell width, e.g.
// ` style="--cell: 2.84em"` (two decimals, rounded up).
QString cellStyle(double ems);

} // namespace pages
