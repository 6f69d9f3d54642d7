#pragma once

#include <QString>
#include <QStringView>

namespace pages {

// AddH (add HTML) raises the numbered annotation marks in the text S
// (circled and parenthesised numbers, numbers with a full stop, small Roman
// seven to ten: the code page 936 codes A2A7 to A2E2) to superscripts.
// Characters code page 936 cannot hold become '?', as on the page anyway.
QString AddH(const QString& S);

// What AddH appends for one character with its code page 936 code (-1 when
// it has none).
void appendMarked(QString& out, QStringView character, int code);

} // namespace pages
