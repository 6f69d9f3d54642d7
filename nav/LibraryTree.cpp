#include "LibraryTree.h"

#include "library/LibraryFile.h"
#include "library/RowText.h"
#include "platform/PinyinOrder.h"

#include <algorithm>

namespace nav {
namespace {

using Node = libraryNode::Node;
using Kind = Node::Kind;
namespace fmt = library::format;

QString authorName(const library::LibraryFile& file, const fmt::AuthorRecord& author) {
    const QString name = file.string(author.nameOffset, author.nameLength).toString();
    return name.isEmpty() ? QStringLiteral("佚名") : name;
}

// A piece's title, or its opening when it has none.
QString pieceText(const library::LibraryFile& file, uint32_t piece) {
    const QStringView text = file.pieceText(file.pieces()[piece]);
    const QString title = library::rowText::segmentOf(text, 0);
    return title.isEmpty() ? library::rowText::segmentOf(text, 2).left(12) : title;
}

} // namespace

LibraryTree::LibraryTree(const library::LibraryFile& file)
    : m_file(file), m_shelf(libraryShelf::shelve(file)) {}

LibraryTree::~LibraryTree() = default;

QString LibraryTree::rootText() {
    return QStringLiteral("书库");
}

bool LibraryTree::anonymous(int collection) const {
    const fmt::CollectionRecord& record = m_file.collections()[size_t(collection)];
    return record.authorCount == 1 && m_file.authors()[record.firstAuthor].nameLength == 0;
}

const QStringList& LibraryTree::sections(int collection) {
    auto found = m_sections.find(collection);
    if (found != m_sections.end())
        return *found;
    QStringList sections;
    const fmt::CollectionRecord& record = m_file.collections()[size_t(collection)];
    for (uint32_t p = record.firstPiece; p < record.firstPiece + record.pieceCount; ++p) {
        const QString section =
            library::rowText::segmentOf(m_file.pieceText(m_file.pieces()[p]), 1);
        if (!sections.contains(section))
            sections << section;
    }
    // One section for all is no division at all.
    if (sections.size() == 1)
        sections.clear();
    return *m_sections.insert(collection, sections);
}

int LibraryTree::sectionOf(int collection, uint32_t piece) {
    return int(
        sections(collection)
            .indexOf(library::rowText::segmentOf(m_file.pieceText(m_file.pieces()[piece]), 1)));
}

const std::vector<uint32_t>& LibraryTree::authorsInPinyinOrder(int collection) {
    auto found = m_sortedAuthors.find(collection);
    if (found != m_sortedAuthors.end())
        return *found;
    if (!m_pinyin)
        m_pinyin = std::make_unique<platform::PinyinOrder>();
    const fmt::CollectionRecord& record = m_file.collections()[size_t(collection)];
    std::vector<std::pair<std::string, uint32_t>> keyed;
    keyed.reserve(record.authorCount);
    for (uint32_t a = 0; a < record.authorCount; ++a) {
        const fmt::AuthorRecord& author = m_file.authors()[record.firstAuthor + a];
        keyed.emplace_back(m_pinyin->key(m_file.string(author.nameOffset, author.nameLength)), a);
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<uint32_t> order;
    order.reserve(keyed.size());
    for (const auto& entry : keyed)
        order.push_back(entry.second);
    return *m_sortedAuthors.insert(collection, std::move(order));
}

std::vector<LibraryTree::Child> LibraryTree::collectionChildren(int collection) {
    std::vector<Child> children;
    if (anonymous(collection)) {
        const QStringList& named = sections(collection);
        if (named.isEmpty())
            return authorChildren(collection, 0, -1);
        for (int s = 0; s < named.size(); ++s)
            children.push_back({libraryNode::keyOf({Kind::Section, 0, collection, 0, s}),
                                named[s].isEmpty() ? QStringLiteral("其他") : named[s], true});
        return children;
    }
    const fmt::CollectionRecord& record = m_file.collections()[size_t(collection)];
    for (uint32_t a : authorsInPinyinOrder(collection)) {
        const fmt::AuthorRecord& author = m_file.authors()[record.firstAuthor + a];
        QString text = authorName(m_file, author);
        if (author.pieceCount > 0)
            text += u'（' + QString::number(author.pieceCount) + u'）';
        children.push_back({libraryNode::keyOf({Kind::Author, 0, collection, int(a)}),
                            std::move(text), author.pieceCount > 0});
    }
    return children;
}

// The pieces of an author, or of one section of an anonymous author.
std::vector<LibraryTree::Child> LibraryTree::authorChildren(int collection, int author,
                                                            int section) {
    const fmt::CollectionRecord& record = m_file.collections()[size_t(collection)];
    const fmt::AuthorRecord& writer = m_file.authors()[record.firstAuthor + uint32_t(author)];
    std::vector<Child> children;
    children.reserve(writer.pieceCount);
    for (uint32_t p = 0; p < writer.pieceCount; ++p) {
        const uint32_t piece = writer.firstPiece + p;
        if (section >= 0 && sectionOf(collection, piece) != section)
            continue;
        children.push_back({libraryNode::keyOf({Kind::Piece, 0, collection, author, 0, int(p)}),
                            pieceText(m_file, piece), false});
    }
    return children;
}

bool LibraryTree::exists(const Node& node) {
    const auto collections = m_file.collections();
    if (node.kind == Kind::Root)
        return true;
    if (node.kind == Kind::Group)
        return node.group >= 0 && size_t(node.group) < m_shelf.size() &&
               m_shelf[size_t(node.group)].group;
    if (node.collection < 0 || size_t(node.collection) >= collections.size())
        return false;
    const fmt::CollectionRecord& record = collections[size_t(node.collection)];
    if (node.kind == Kind::Collection)
        return true;
    if (node.author < 0 || uint32_t(node.author) >= record.authorCount)
        return false;
    const fmt::AuthorRecord& author = m_file.authors()[record.firstAuthor + uint32_t(node.author)];
    if (node.kind == Kind::Piece)
        return node.piece >= 0 && uint32_t(node.piece) < author.pieceCount;
    if (node.kind == Kind::Section)
        return anonymous(node.collection) && node.section >= 0 &&
               node.section < sections(node.collection).size();
    return true;
}

std::vector<LibraryTree::Child> LibraryTree::children(const QString& key) {
    const std::optional<Node> node = libraryNode::parse(key);
    if (!node || !exists(*node))
        return {};
    switch (node->kind) {
    case Kind::Root: {
        std::vector<Child> children;
        for (size_t i = 0; i < m_shelf.size(); ++i) {
            const libraryShelf::Entry& entry = m_shelf[i];
            const Node child = entry.group ? Node{Kind::Group, int(i)}
                                           : Node{Kind::Collection, 0, entry.members.front()};
            children.push_back({libraryNode::keyOf(child), entry.label, true});
        }
        return children;
    }
    case Kind::Group: {
        std::vector<Child> children;
        for (int c : m_shelf[size_t(node->group)].members) {
            const auto& record = m_file.collections()[size_t(c)];
            children.push_back({libraryNode::keyOf({Kind::Collection, 0, c}),
                                libraryShelf::labelOf(
                                    m_file.string(record.nameOffset, record.nameLength).toString()),
                                true});
        }
        return children;
    }
    case Kind::Collection:
        return collectionChildren(node->collection);
    case Kind::Author:
        if (anonymous(node->collection))
            return {};
        return authorChildren(node->collection, node->author, -1);
    case Kind::Section:
        if (!anonymous(node->collection) || node->section >= sections(node->collection).size())
            return {};
        return authorChildren(node->collection, 0, node->section);
    case Kind::Piece:
        break;
    }
    return {};
}

QStringList LibraryTree::pathTo(const QString& key) {
    const std::optional<Node> node = libraryNode::parse(key);
    if (!node || !exists(*node) || node->kind == Kind::Root)
        return {};
    QStringList path{libraryNode::rootKey()};
    if (node->kind == Kind::Group)
        return path;
    for (size_t i = 0; i < m_shelf.size(); ++i) {
        const auto& members = m_shelf[i].members;
        if (m_shelf[i].group &&
            std::find(members.begin(), members.end(), node->collection) != members.end())
            path << libraryNode::keyOf({Kind::Group, int(i)});
    }
    if (node->kind == Kind::Collection)
        return path;
    path << libraryNode::keyOf({Kind::Collection, 0, node->collection});
    const bool anonymousPiece = node->kind == Kind::Piece && anonymous(node->collection);
    if (node->kind == Kind::Piece && !anonymousPiece)
        path << libraryNode::keyOf({Kind::Author, 0, node->collection, node->author});
    if (anonymousPiece && !sections(node->collection).isEmpty()) {
        const auto& record = m_file.collections()[size_t(node->collection)];
        const uint32_t piece =
            m_file.authors()[record.firstAuthor].firstPiece + uint32_t(node->piece);
        path << libraryNode::keyOf(
            {Kind::Section, 0, node->collection, 0, sectionOf(node->collection, piece)});
    }
    return path;
}

} // namespace nav
