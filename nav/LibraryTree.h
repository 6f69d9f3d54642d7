#pragma once

#include "LibraryNode.h"
#include "LibraryShelf.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace library {
class LibraryFile;
}
namespace platform {
class PinyinOrder;
}

namespace nav {

// The library's branch of the tree, one level at a time: what a node holds
// is read from the file when the node opens, never in advance.
//   书库 › the collections in the shelf's order (the groups hold their books)
//   › a collection's authors in pinyin order, each with its number of pieces
//     (an anonymous classic: its sections, or its pieces when it has none)
//   › an author's pieces in the collection's order.
class LibraryTree final {
  public:
    explicit LibraryTree(const library::LibraryFile& file);
    ~LibraryTree();
    Q_DISABLE_COPY_MOVE(LibraryTree)

    struct Child {
        QString key;
        QString text;
        bool branch = false; // has children of its own, made when it opens
    };

    static QString rootText();
    // The children of a node; none for a key outside the branch or naming
    // nothing in the file.
    std::vector<Child> children(const QString& key);
    // The keys of the branches above a node, from the root down, whose
    // children must be made for the node to exist; empty for a key that
    // names nothing.
    QStringList pathTo(const QString& key);

    const std::vector<libraryShelf::Entry>& shelf() const { return m_shelf; }
    // An anonymous collection shows its sections or pieces in the author's place.
    bool anonymous(int collection) const;
    // The sections of an anonymous collection's author, in the order they come.
    const QStringList& sections(int collection);
    int sectionOf(int collection, uint32_t piece);

  private:
    std::vector<Child> collectionChildren(int collection);
    std::vector<Child> authorChildren(int collection, int author, int section);
    const std::vector<uint32_t>& authorsInPinyinOrder(int collection);
    bool exists(const libraryNode::Node& node);

    const library::LibraryFile& m_file;
    std::vector<libraryShelf::Entry> m_shelf;
    std::unique_ptr<platform::PinyinOrder> m_pinyin;
    QHash<int, std::vector<uint32_t>> m_sortedAuthors;
    QHash<int, QStringList> m_sections;
};

} // namespace nav
