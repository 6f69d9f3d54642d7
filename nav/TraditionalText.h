#pragma once

#include "ReadingOptions.h"

#include "pages/Fragments.h"

#include <QString>

namespace nav {

// Text as shown in Traditional characters of the variant asked for:
// converted phrase by phrase, and a character that code page 936 cannot hold
// keeps its simplified form, so nothing is lost on the way into a page file.
// Throws platform::Error when the conversion tables are not installed.
QString traditionalText(const QString& simplified, Script variant = Script::Traditional);

// One line of a page: only the text between the tags is converted, with the
// phrases read across tags (a heading split by ruby still reads as one), and
// ruby readings left as they are. Tags, attributes and paths stay.
QString traditionalLine(const QString& line, Script variant = Script::Traditional);

// A text or a line as shown with the options: in Traditional, converted;
// without the conversion tables, as given (the page built says why).
QString textShownIn(const QString& text, const ReadingOptions& options);
QString lineShownIn(const QString& line, const ReadingOptions& options);

// The target with the page's text shown in the script the options ask for.
pages::Target shownIn(const pages::Target& target, const ReadingOptions& options);

} // namespace nav
