#pragma once

#include "AnthologyPieces.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace library {
class LibraryFile;
}

namespace nav {

// Which pieces of the library are poems of the anthology: the same poet
// and the same title or the same opening, folded, and texts nearly alike
// (library::nearlyAlike), with every other edition the library links to
// those. Worked out once, when made; each question after is a lookup.
class AnthologyLinks final {
  public:
    AnthologyLinks(const library::LibraryFile& file, std::vector<AnthologyPiece> pieces);

    // The anthology's poem a piece of the library holds; null for none.
    const AnthologyPiece* anthologyOf(uint32_t libraryPiece) const;
    // The anthology's piece of that node key; null for any other key.
    const AnthologyPiece* piece(const QString& key) const;
    // The library's pieces that hold the poem of that node key, in the
    // library's order; empty for none.
    std::span<const uint32_t> libraryOf(const QString& key) const;

  private:
    void link(const library::LibraryFile& file);
    void addEditions(const library::LibraryFile& file);

    std::vector<AnthologyPiece> m_pieces;
    QHash<QString, int> m_byKey;
    std::vector<std::vector<uint32_t>> m_library; // for each of m_pieces
    QHash<uint32_t, int> m_anthology;             // a library piece's poem in m_pieces
};

} // namespace nav
