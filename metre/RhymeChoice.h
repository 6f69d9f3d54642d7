#pragma once

#include <QList>

#include <vector>

// Which rhyme group a set of rhyme characters keeps to.
namespace metre {

struct Choice {
    int group = -1;
    int count = 0; // how many of the characters it holds
};

// Of the groups of the given tone (level or oblique), the one that holds the
// most of the characters, each given by its groups; on a tie the one that
// also holds the groups of tieBreak (the first line's last character, which
// may rhyme too), then the one the first character holds, then the lower
// number. No group when none holds any.
Choice commonGroup(const std::vector<QList<int>>& characters, bool level,
                   const QList<int>& tieBreak = {});

// The group in groups that borrows from main as a neighbour, or -1.
int neighbourIn(const QList<int>& groups, int main);

} // namespace metre
