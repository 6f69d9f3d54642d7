#pragma once

#include "favourites/Favourite.h"
#include "platform/TreeNodes.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The favourites as the tree shows them: a root node 我的收藏 after the
// others while one is kept, and under it one node per favourite leading to
// the page of the piece's own node.
namespace nav::favouriteNodes {

inline const QString kRootKey = QStringLiteral("Wdsc");
inline const QString kRootText = QStringLiteral("我的收藏");

// The key of the node under 我的收藏 that leads to the piece's node.
inline QString nodeKey(const QString& pieceKey) {
    return kRootKey + u':' + pieceKey;
}
// The piece's key of a node under 我的收藏; nothing for any other node.
std::optional<QString> pieceKeyOf(const QString& nodeKey);

// The piece a node of the tree shows: a shi, ci or sanqu, an idiom story or
// a piece of the library. Nothing for any other node.
std::optional<favourites::Piece> pieceOf(const platform::NodeInfo& node);

// The text of a favourite's node: the title, and the poet where there is one.
QString label(const favourites::Piece& piece);

// A kept favourite with the node that shows its piece now; key is empty when
// no node of the tree shows it (a library that is not installed).
struct Placed {
    favourites::Favourite favourite;
    QString key;
};

// What the tree says about its nodes: the piece at a key, and the keys of the
// nodes that show a piece, in the tree's order.
struct Lookup {
    std::function<std::optional<favourites::Piece>(const QString& key)> pieceAt;
    std::function<QStringList(const favourites::Piece&)> nodesOf;
};

// Each favourite finds its node by its key while that node still shows the
// same piece, else by the piece: the first node showing it that no other
// favourite holds.
QList<Placed> place(const QList<favourites::Favourite>& kept, const Lookup& tree);

// The pieces of an imported list matched to nodes the favourites do not hold
// yet; a piece found nowhere in the tree counts in unmatched, one kept
// already in neither.
struct Matched {
    QList<favourites::Favourite> found;
    int unmatched = 0;
};
Matched match(const QList<favourites::Piece>& pieces, const QStringList& keptKeys,
              const Lookup& tree);

} // namespace nav::favouriteNodes
