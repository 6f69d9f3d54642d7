#pragma once

#include "pages/LibraryPages.h"

#include <QStringList>

#include <cstdint>
#include <optional>

namespace library {
class LibraryFile;
}

namespace nav {

class AnthologyLinks;

// The other collections that hold a piece, and of those whose text differs
// (beyond script and variant forms) the comparison line by line. The
// anthology is one of them when it holds the poem.
struct LibraryEditions {
    bool inAnthology = false;
    QStringList alsoIn;
    std::vector<pages::OtherEdition> differing;
};

LibraryEditions editionsOf(const library::LibraryFile& file, uint32_t piece,
                           const AnthologyLinks* anthology = nullptr);

// An anthology's poem (by its node key) against the library's editions of
// it; nothing to show when the library holds none.
std::optional<pages::AnthologyEditions> anthologyEditionsOf(const library::LibraryFile& file,
                                                            const AnthologyLinks& anthology,
                                                            const QString& key);

} // namespace nav
