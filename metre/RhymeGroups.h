#pragma once

// The 106 groups of the 平水韵 by their place in the table: 上平 0–14,
// 下平 15–29, then 上声 29, 去声 30 and 入声 17 groups.
namespace metre {

constexpr int kGroups = 106;
constexpr int kLevelGroups = 30;
constexpr int kFirstEntering = 89;

constexpr bool isLevel(int group) {
    return group >= 0 && group < kLevelGroups;
}
constexpr int kFirstDeparting = 59;
constexpr bool isRising(int group) {
    return group >= kLevelGroups && group < kFirstDeparting;
}
constexpr bool isDeparting(int group) {
    return group >= kFirstDeparting && group < kFirstEntering;
}
constexpr bool isEntering(int group) {
    return group >= kFirstEntering && group < kGroups;
}

// Level groups close enough in sound that a poet may borrow from one into
// the other (邻韵): 东冬, 江阳, 支微齐, 鱼虞, 佳灰, 真文元, 元寒删先,
// 萧肴豪, 庚青蒸, 覃盐咸.
bool areNeighbours(int first, int second);

} // namespace metre
