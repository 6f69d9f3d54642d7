#pragma once

#include <QString>

// A verse page set as in a traditional book: the title, the poet and the
// lines in columns from right to left; the notes and the analysis stay
// horizontal below, where long prose reads best on a screen.
namespace pages {

struct VerticalVerse {
    QString poet; // shown under the title, in a column of its own; may be empty
};

// The style of the columns: it goes in the body, after the ruby and metre
// styles, so that it can turn them too.
QString verticalStyleLine();
// Opens the block of columns; the poet's column follows the heading.
QString verticalOpening();
QString poetLine(const QString& poet);
// Closes the text's paragraph and the block of columns.
QString verticalClosing();

} // namespace pages
