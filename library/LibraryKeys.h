#pragma once

#include <QString>

#include <optional>

// The keys of the library's nodes, in the style of the anthology's keys:
// L<collection>.<author> for an author (or a section of an anonymous
// collection) and L<collection>.<author>.<piece> for a piece, each number
// counted from 0 in the collection's and the author's order.
namespace library::keys {

inline QString author(int collection, int author) {
    return QStringLiteral("L%1.%2").arg(collection).arg(author);
}
inline QString piece(int collection, int author, int piece) {
    return QStringLiteral("L%1.%2.%3").arg(collection).arg(author).arg(piece);
}

struct Parsed {
    int collection = 0;
    int author = 0;
    int piece = -1; // -1: the key names an author
};

// The numbers of a library key; nothing for any other text.
std::optional<Parsed> parse(const QString& key);

} // namespace library::keys
