#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// Pinyin over the characters of a poem page, as HTML ruby.
namespace pages {

// The readings of one piece: one syllable per Han character of the title,
// and per line of the text one per Han character of that line. Borrowed:
// the caller keeps them alive while the page is built.
struct Readings {
    const QStringList* title = nullptr;
    const std::vector<QStringList>* lines = nullptr;
};

// line in a <span> that sets the width of its cells, with each Han character
// that has a syllable written as <ruby>字<rt>zì</rt></ruby>, syllables taken in order, and
// everything else as AddH writes it: annotation marks raised, characters code page 936 lacks as '?'
// (a Han one keeps its syllable). Characters beyond the last syllable are left bare rather than
// given a wrong reading.
QString rubyLine(QStringView line, const QStringList& syllables);
// Each CR LF-separated line of text with the syllables of its own line, in a
// <span class="py"> of its own; all lines share the cell width that the
// longest syllable of the piece needs.
QString rubyText(QStringView text, const std::vector<QStringList>& lines);
// As rubyText, with marks under the characters as well: marks holds the HTML
// under each Han character of the whole text in order (empty for none), and
// lines may be empty for marks alone.
QString cellText(QStringView text, const std::vector<QStringList>& lines, const QStringList* marks);
// As cellText with marks, for text from the library: every other character
// is written as sourceHtml writes it, markup escaped and the characters code
// page 936 lacks kept as references. Lines may be empty for marks alone.
QString sourceCellText(QStringView text, const std::vector<QStringList>& lines,
                       const QStringList& marks);
// Text from the library with its syllables, the characters written as
// sourceHtml writes them (escaped, and a rare character as a numeric
// reference that keeps its syllable). A heading is marked up as rubyLine
// marks up a line; a line of the text as each line of rubyText, in the
// given cell width, so that all lines of a piece share one.
QString sourceRubyHeading(QStringView heading, const QStringList& syllables);
QString sourceRubyLine(QStringView line, const QStringList& syllables, double cell);
// The head line that sets the syllables small and grey above the text.
QString rubyStyleLine();

} // namespace pages
