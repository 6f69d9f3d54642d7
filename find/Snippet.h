#pragma once

#include <QString>
#include <QStringView>

namespace find {

// A short piece of the text around a match, as the reader sees the text:
// markup removed, one line only.
struct Snippet {
    QString before;
    QString match;
    QString after;

    QString plain() const { return before + match + after; }
};

// The snippet of source around [begin, end).
Snippet snippetAround(QStringView source, int begin, int end);

// The snippet as rich text for a result row: every character of the text
// escaped, the match in bold.
QString snippetHtml(const Snippet& snippet);

// The text of [begin, end) as the page shows it, to find it there again.
QString shownText(QStringView source, int begin, int end);

} // namespace find
