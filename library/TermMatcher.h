#pragma once

#include "Folding.h"
#include "Match.h"

#include <QStringView>

#include <string>

namespace library {

// Decides how a folded term matches the text of one piece or author: the
// best class of field it occurs in, and on which line. A near match has
// exactly one unit different from the term.
class TermMatcher final {
  public:
    struct Found {
        MatchClass matchClass = MatchClass::None;
        int segment = -1; // the '\n'-separated part of the text it is in
    };

    explicit TermMatcher(const Folding& folding) : m_folding(folding) {}

    // A piece's text: title, section, then its lines. When the index has
    // told that the piece holds the term (`held`), only the title, section
    // and first line are read: anything else is a later line, whose number
    // (segment -1) is looked up again if the row is shown.
    Found inPiece(QStringView text, const std::u16string& term, bool near, bool held = false) const;
    // An author's name and biography.
    Found inAuthor(QStringView name, QStringView bio, const std::u16string& term, bool near) const;

    // One unit in the title or section only.
    Found unitInTitle(QStringView text, char16_t unit) const;

  private:
    Found unitInPiece(QStringView text, char16_t unit, bool titleOnly = false) const;
    // Where in `folded` the term occurs (exactly, or with one unit off),
    // or npos.
    size_t position(const std::u16string& folded, const std::u16string& term, bool near) const;

    const Folding& m_folding;
    mutable std::u16string m_buffer;
};

} // namespace library
