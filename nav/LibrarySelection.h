#pragma once

#include "ReadingOptions.h"

#include "pages/Fragments.h"

#include <QString>

#include <optional>

namespace library {
class LibraryFile;
}

namespace nav {

class AnthologyLinks;
class LibraryTree;

// Writes the page of a node of the library's branch and returns the path of
// the file to show: a piece, an author, a section or collection or group,
// or 书库 itself. Text whose source is Traditional is shown as the source
// writes it when Traditional is asked for; everything else follows the
// options as on the anthology's pages. Throws platform::Error when the page
// cannot be written; a key that names nothing gives the page of 书库. A
// piece that is also the anthology's poem names the anthology, and compares
// its text when given the links.
QString showLibraryNode(const QString& key, const library::LibraryFile& file, LibraryTree& tree,
                        const pages::Target& target, const ReadingOptions& options,
                        const AnthologyLinks* anthology = nullptr);

// Writes the page that compares the anthology's poem of that node key with
// the library's editions of it, and returns its path; nothing when the
// library holds none. Throws platform::Error when it cannot be written.
std::optional<QString> showAnthologyEditions(const QString& key, const library::LibraryFile& file,
                                             const AnthologyLinks& anthology,
                                             const pages::Target& target);

// Whether a text reads as Traditional: enough of its characters are
// Traditional or variant forms that the library folds to another.
bool looksTraditional(const library::LibraryFile& file, QStringView text);

} // namespace nav
