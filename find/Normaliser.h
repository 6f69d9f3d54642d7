#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// Text folded for matching: what a reader would not tell apart is made equal
// (full- and half-width forms, letter case) and what carries no words is
// dropped (punctuation, spaces, note markers, markup, symbols, emoji).
namespace find {

// Stands for a line break: nothing matches across it.
inline constexpr char16_t kLineBreak = u'\x01';

struct Folded {
    QString text;
    // For each folded unit, its position in the source; filled only on request.
    std::vector<int> origin;
    // For each folded unit, whether a clause of the text begins there: at the
    // start, after a line break, after punctuation or a space (not after a
    // note marker or markup, which stand inside a clause). On request too.
    std::vector<bool> clauseStarts;
};

Folded fold(QStringView source, bool withOrigin = false, bool withClauses = false);

inline QString folded(QStringView source) {
    return fold(source).text;
}

} // namespace find
