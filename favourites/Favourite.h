#pragma once

#include <QString>

namespace favourites {

// A piece as the reader names it to the user: what kind of piece (the
// branch it stands under: 诗歌, 词, 散曲, 成语故事, or a collection of the
// library), its title and its poet (empty for an idiom). Node keys are
// counted from the content's order and may change with it; this does not.
struct Piece {
    QString kind;
    QString title;
    QString poet;

    bool operator==(const Piece&) const = default;
};

// A kept piece and the key of the node that showed it when last seen.
struct Favourite {
    Piece piece;
    QString key;

    bool operator==(const Favourite&) const = default;
};

} // namespace favourites
