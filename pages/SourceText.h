#pragma once

#include <QString>
#include <QStringView>

namespace pages {

// Text from the library as a page may carry it: the characters that would
// open a tag or an entity are escaped, and a character code page 936 cannot
// hold (the rare characters of the old collections) is written as a numeric
// reference, so that the page file keeps it instead of a question mark.
QString sourceHtml(QStringView text);

} // namespace pages
