#pragma once

#include "Finder.h"

#include "library/Match.h"

#include <QString>

#include <vector>

namespace library {
class Folding;
}

namespace find {

// One line of the merged results, as the command line and the window show
// it: the kind is the anthology's label (诗, 词 …) or the library
// collection's name (全唐诗, 宋词 …).
struct MergedRow {
    QString kind;
    QString key;
    QString title;
    QString poet;
    QString snippet;
};

struct MergedResults {
    int total = 0;
    std::vector<MergedRow> rows;
    QString notice;
};

// The anthology's results and the library's in one ranking: by class of
// match, the anthology's rows leading where the classes are equal, the
// library's near matches after every exact row. A library piece that is
// also in the anthology (same title and author, folded) is shown once, as
// the anthology's. `folding` may be null when there is no library.
MergedResults mergeWithLibrary(const Results& anthology, const library::Results& fromLibrary,
                               const library::Folding* folding, int limit);

} // namespace find
