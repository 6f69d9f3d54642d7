#pragma once

#include "Folding.h"

#include <QString>
#include <QStringView>

#include <string>
#include <vector>

namespace library {

// Where the first of the folded terms occurs in a text, as the text writes
// it (its own script and punctuation): what a page shows and can mark.
// Empty when no term occurs whole, as with a match one character off.
struct Found {
    qsizetype position = -1;
    qsizetype length = 0;
};
Found findFolded(const Folding& folding, QStringView text,
                 const std::vector<std::u16string>& terms);

} // namespace library
