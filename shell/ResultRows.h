#pragma once

#include "find/Finder.h"

#include "library/Match.h"

#include <QString>

#include <vector>

namespace library {
class Folding;
}

namespace shell {

// A result as the list shows it and opens it.
struct ShownRow {
    QString html;      // kind, title, poet or author, snippet with the match in bold
    QString key;       // the node to open
    QString highlight; // the text to mark on its page
    QString tooltip;
};

struct ShownResults {
    int total = 0;
    std::vector<ShownRow> rows;
    QString notice;
};

// The anthology's rows alone, or with the library's in one ranking (the
// library's rows carry their collection as the kind).
ShownResults shownRows(const find::Results& anthology);
ShownResults shownRows(const find::Results& anthology, const library::Results& fromLibrary,
                       const library::Folding& folding, const std::vector<std::u16string>& terms,
                       int limit);

} // namespace shell
