#pragma once

#include <QList>
#include <QString>

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

// Of a character's oblique groups, those of the tone its syllable has today:
// the rising (上声) ones for a third tone, the departing (去声) ones for a
// fourth; empty when the syllable tells neither. Only a hint for choosing
// between groups every rhyme shares (去 and 处 are of 语 and of 御).
QList<int> groupsOfTodaysTone(const QList<int>& groups, const QString& syllable);

// The group in groups that borrows from main as a neighbour, or -1.
int neighbourIn(const QList<int>& groups, int main);

} // namespace metre
