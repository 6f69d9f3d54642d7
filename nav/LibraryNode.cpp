#include "LibraryNode.h"

#include "library/LibraryKeys.h"

#include <algorithm>

namespace nav::libraryNode {
namespace {

std::optional<int> number(QStringView text) {
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    for (QChar c : text)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    return text.toInt();
}

// As library::keys writes them, without the cost of formatting: a large
// branch makes thousands at once.
QString authorKey(const Node& node) {
    return u'L' + QString::number(node.collection) + u'.' + QString::number(node.author);
}

} // namespace

QString rootKey() {
    return QStringLiteral("Lib");
}

QString keyOf(const Node& node) {
    using Kind = Node::Kind;
    switch (node.kind) {
    case Kind::Root:
        return rootKey();
    case Kind::Group:
        return QStringLiteral("LG") + QString::number(node.group);
    case Kind::Collection:
        return u'L' + QString::number(node.collection);
    case Kind::Author:
        return authorKey(node);
    case Kind::Section:
        return authorKey(node) + QStringLiteral(".s") + QString::number(node.section);
    case Kind::Piece:
        return authorKey(node) + u'.' + QString::number(node.piece);
    }
    return {};
}

std::optional<Node> parse(const QString& key) {
    using Kind = Node::Kind;
    if (key == rootKey())
        return Node{};
    if (key.startsWith(u"LG")) {
        if (const auto group = number(QStringView(key).mid(2)))
            return Node{Kind::Group, *group};
        return std::nullopt;
    }
    if (!key.startsWith(u'L'))
        return std::nullopt;
    if (const auto collection = number(QStringView(key).mid(1)))
        return Node{Kind::Collection, 0, *collection};
    if (const auto parsed = library::keys::parse(key)) {
        Node node{parsed->piece < 0 ? Kind::Author : Kind::Piece, 0, parsed->collection,
                  parsed->author};
        node.piece = std::max(parsed->piece, 0);
        return node;
    }
    const qsizetype mark = key.lastIndexOf(QStringLiteral(".s"));
    if (mark < 0)
        return std::nullopt;
    const auto author = library::keys::parse(key.left(mark));
    const auto section = number(QStringView(key).mid(mark + 2));
    if (!author || author->piece >= 0 || !section)
        return std::nullopt;
    return Node{Kind::Section, 0, author->collection, author->author, *section};
}

bool inLibrary(const QString& key) {
    return parse(key).has_value();
}

} // namespace nav::libraryNode
