#include "RhymeChoice.h"

#include "RhymeGroups.h"

#include <algorithm>
#include <array>

namespace metre {

Choice commonGroup(const std::vector<QList<int>>& characters, bool level,
                   const QList<int>& tieBreak) {
    std::array<int, kGroups> counts{};
    for (const QList<int>& groups : characters)
        for (const int group : groups)
            if (isLevel(group) == level)
                ++counts[size_t(group)];
    // Ties go to the group the tie-breaking character holds, then to the
    // one the first character holds: a rank of 0 to 3 over the count.
    const auto rank = [&](int group) {
        return (tieBreak.contains(group) ? 2 : 0) +
               (!characters.empty() && characters.front().contains(group) ? 1 : 0);
    };
    Choice best;
    for (int group = 0; group < kGroups; ++group) {
        const int count = counts[size_t(group)];
        if (count > best.count ||
            (count == best.count && count > 0 && rank(group) > rank(best.group)))
            best = {group, count};
    }
    return best;
}

QList<int> groupsOfTodaysTone(const QList<int>& groups, const QString& syllable) {
    static const QString kThird = QStringLiteral("ǎěǐǒǔǚ");
    static const QString kFourth = QStringLiteral("àèìòùǜ");
    const bool third =
        std::any_of(syllable.begin(), syllable.end(), [](QChar c) { return kThird.contains(c); });
    const bool fourth =
        std::any_of(syllable.begin(), syllable.end(), [](QChar c) { return kFourth.contains(c); });
    QList<int> out;
    for (const int group : groups)
        if ((third && isRising(group)) || (fourth && isDeparting(group)))
            out.append(group);
    return out;
}

int neighbourIn(const QList<int>& groups, int main) {
    for (const int group : groups)
        if (areNeighbours(group, main))
            return group;
    return -1;
}

} // namespace metre
