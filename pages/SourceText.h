#pragma once

#include <QString>
#include <QStringView>

namespace pages {

// Text from the library as a page may carry it: the characters that would
// open a tag or an entity are escaped, and a character code page 936 cannot
// hold (the rare characters of the old collections) is written as a numeric
// reference, so that the page file keeps it instead of a question mark.
QString sourceHtml(QStringView text);

// What sourceHtml appends for one character with its code page 936 code
// (-1 when it has none).
void appendSource(QString& out, QStringView character, int code);

} // namespace pages
