#pragma once

#include "pages/LibraryPages.h"

#include <QStringList>

#include <cstdint>

namespace library {
class LibraryFile;
}

namespace nav {

// The other collections that hold a piece, and of those whose text differs
// (beyond script and variant forms) the comparison line by line.
struct LibraryEditions {
    QStringList alsoIn;
    std::vector<pages::OtherEdition> differing;
};

LibraryEditions editionsOf(const library::LibraryFile& file, uint32_t piece);

} // namespace nav
