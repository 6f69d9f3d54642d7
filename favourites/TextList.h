#pragma once

#include "Favourite.h"

#include <QByteArray>
#include <QList>

// The favourites as a plain list to keep or hand on: UTF-8 text, one piece
// a line, its kind, title and poet separated by tabs (the poet empty for an
// idiom). Nothing of the reader's own keys goes in, so another version of
// the reader, with other keys, reads it alike.
namespace favourites::textList {

QByteArray write(const QList<Piece>& pieces);

struct Read {
    QList<Piece> pieces;
    int unreadable = 0; // lines that were not three fields with a kind and a title
};
// Blank lines are passed over; a byte-order mark and Windows line ends are
// accepted.
Read read(const QByteArray& text);

} // namespace favourites::textList
