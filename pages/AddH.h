#pragma once

#include <QString>

namespace pages {

// Raises the numbered annotation marks (circled and parenthesised numbers,
// numbers with a full stop, small Roman seven to ten: the code page 936 codes
// A2A7 to A2E2) to superscripts. Characters code page 936 cannot hold become
// '?', as they would on the page anyway.
QString AddH(const QString& S);

} // namespace pages
