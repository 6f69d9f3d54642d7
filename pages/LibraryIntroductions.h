#pragma once

#include <QString>

namespace pages {

// A few sentences of our own on a shelf of the library (a collection, a
// group of books, or 书库 itself); empty for one we have not written about.
QString libraryIntroduction(const QString& label);

} // namespace pages
