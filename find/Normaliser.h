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
};

Folded fold(QStringView source, bool withOrigin = false);

inline QString folded(QStringView source) {
    return fold(source).text;
}

} // namespace find
