#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace library {
class LibraryFile;
}

// The collections of the library as the tree shelves them: a fixed reading
// order, some books kept together under one name (the Four Books, the
// primers). A collection the file lacks is left out; one the order does not
// know comes last, so that nothing in the file is out of reach.
namespace nav::libraryShelf {

struct Entry {
    QString label;            // as the tree shows it
    std::vector<int> members; // collections in the file: one, or a group's books
    bool group = false;
};

std::vector<Entry> shelve(const library::LibraryFile& file);

// The name a collection is shown by (the file's 宋词 is 全宋词).
QString labelOf(const QString& fileName);

// The dynasty of a collection whose pieces all come from one; empty for
// those that span several.
QString dynastyOf(const QString& fileName);

} // namespace nav::libraryShelf
