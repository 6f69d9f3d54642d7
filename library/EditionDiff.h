#pragma once

#include "Folding.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace library {

// Two editions of one text compared line by line. Characters are compared
// folded, so that Traditional, Simplified and variant forms of one character
// are alike, and punctuation is never a difference; what remains is marked
// character by character, the fewest marks that turn one line into the other.
struct DiffRun {
    QString text;
    bool differs = false;
};
struct DiffLine {
    std::vector<DiffRun> mine;
    std::vector<DiffRun> theirs;
};

std::vector<DiffLine> compareEditions(const Folding& folding, const QStringList& mine,
                                      const QStringList& theirs);

// Whether the two texts read the same once folded.
bool sameText(const Folding& folding, const QStringList& mine, const QStringList& theirs);

// Whether two texts are editions of one poem rather than two poems: once
// folded, the characters they share in order (a longest common
// subsequence) are at least seven in ten of the longer text's. Editions
// differ in a character here and there (牀前看月光 / 床前明月光), and an
// added or dropped one does not throw the rest out of place.
bool nearlyAlike(const Folding& folding, const QStringList& mine, const QStringList& theirs);

} // namespace library
