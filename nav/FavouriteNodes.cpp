#include "FavouriteNodes.h"

#include <QRegularExpression>

#include "library/LibraryKeys.h"
#include "store/NodeKeys.h"

#include <QSet>

namespace nav::favouriteNodes {
namespace {

using favourites::Favourite;
using favourites::Piece;

const QString kIdioms = QStringLiteral("Cygs");

bool isIdiom(const platform::NodeInfo& node) {
    return node.key.startsWith(u'C') && node.key != kIdioms && node.children == 0;
}

bool isLibraryPiece(const QString& key) {
    const std::optional<library::keys::Parsed> parsed = library::keys::parse(key);
    return parsed && parsed->piece >= 0;
}

// The first of the keys no one holds yet.
std::optional<QString> firstFree(const QStringList& keys, const QSet<QString>& held) {
    for (const QString& key : keys)
        if (!held.contains(key))
            return key;
    return std::nullopt;
}

} // namespace

std::optional<QString> pieceKeyOf(const QString& nodeKey) {
    const QString prefix = kRootKey + u':';
    if (!nodeKey.startsWith(prefix) || nodeKey.size() == prefix.size())
        return std::nullopt;
    return nodeKey.mid(prefix.size());
}

std::optional<Piece> pieceOf(const platform::NodeInfo& node) {
    const QStringList path = node.fullPath.split(u'\\');
    if (isIdiom(node) && path.size() >= 2)
        return Piece{path.front(), node.text, {}};
    // A shi, ci or sanqu stands under its kind and its poet; so does a piece
    // of the library, under its collection and its author or section.
    const bool verse = store::nodeKeys::categoryOfTitle(node.key).has_value();
    if (verse && path.size() >= 4)
        return Piece{path[1], node.text, path[path.size() - 2]};
    // A library author's node adds the count of pieces, which is no part of
    // the name: 李白（39）.
    if (isLibraryPiece(node.key) && path.size() >= 4) {
        static const QRegularExpression count(QStringLiteral("（\\d+）$"));
        return Piece{path[1], node.text, QString(path[path.size() - 2]).remove(count)};
    }
    return std::nullopt;
}

QString label(const Piece& piece) {
    return piece.poet.isEmpty()
               ? piece.title
               : piece.title + QStringLiteral("（") + piece.poet + QStringLiteral("）");
}

QList<Placed> place(const QList<Favourite>& kept, const Lookup& tree) {
    QList<Placed> placed;
    QSet<QString> held;
    for (const Favourite& favourite : kept) {
        const bool stays =
            tree.pieceAt(favourite.key) == favourite.piece && !held.contains(favourite.key);
        placed << Placed{favourite, stays ? favourite.key : QString()};
        if (stays)
            held.insert(favourite.key);
    }
    for (Placed& each : placed) {
        if (!each.key.isEmpty())
            continue;
        if (const std::optional<QString> key =
                firstFree(tree.nodesOf(each.favourite.piece), held)) {
            each.key = *key;
            held.insert(*key);
        }
    }
    return placed;
}

Matched match(const QList<Piece>& pieces, const QStringList& keptKeys, const Lookup& tree) {
    Matched out;
    QSet<QString> held(keptKeys.cbegin(), keptKeys.cend());
    for (const Piece& piece : pieces) {
        const QStringList keys = tree.nodesOf(piece);
        if (keys.isEmpty()) {
            ++out.unmatched;
        } else if (const std::optional<QString> key = firstFree(keys, held)) {
            out.found << Favourite{piece, *key};
            held.insert(*key);
        }
    }
    return out;
}

} // namespace nav::favouriteNodes
