#pragma once

#include "FoldTable.h"
#include "Records.h"

#include <QString>

#include <vector>

namespace mklibrary {

// The library in the order it is stored: collections in the order of the
// records, within a collection each author's pieces together in the order
// the author first comes, anonymous pieces under one nameless author.
struct Author {
    int collection = 0;
    QString name;
    QString bio;
    QString nameReading; // toned syllables, one per Han character
    uint32_t firstPiece = 0;
    uint32_t pieceCount = 0;
};

struct Piece {
    int collection = 0;
    uint32_t author = 0;
    QString text; // title '\n' section '\n' lines joined by '\n'
    uint32_t fame = 0;
    uint32_t nextEdition = 0;
    QString titleReading; // toned syllables, one per Han character
    QString textReading;  // the same for all of the text; empty when not studied
    QString notes;        // the source's notes joined by '\n'; empty when it has none
};

struct Collection {
    QString name;
    uint32_t firstAuthor = 0;
    uint32_t authorCount = 0;
    uint32_t firstPiece = 0;
    uint32_t pieceCount = 0;
};

struct Layout {
    std::vector<Collection> collections;
    std::vector<Author> authors;
    std::vector<Piece> pieces;
};

Layout arrange(Records records);

// Links the pieces that are one text in several collections (same author,
// same title or same opening, near-identical text), and gives the
// better-known of them all the same fame.
void linkEditions(Layout& layout, const FoldTable& fold);

} // namespace mklibrary
