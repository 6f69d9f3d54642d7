#include "RhymeGroups.h"

#include <array>
#include <initializer_list>

namespace metre {
namespace {

// Level groups by index: 0 东 1 冬 2 江 3 支 4 微 5 鱼 6 虞 7 齐 8 佳 9 灰
// 10 真 11 文 12 元 13 寒 14 删 15 先 16 萧 17 肴 18 豪 19 歌 20 麻 21 阳
// 22 庚 23 青 24 蒸 25 尤 26 侵 27 覃 28 盐 29 咸.
const std::array<std::initializer_list<int>, 10> kNeighbourhoods = {{
    {0, 1},
    {2, 21},
    {3, 4, 7},
    {5, 6},
    {8, 9},
    {10, 11, 12},
    {12, 13, 14, 15},
    {16, 17, 18},
    {22, 23, 24},
    {27, 28, 29},
}};

bool contains(std::initializer_list<int> set, int group) {
    for (const int member : set)
        if (member == group)
            return true;
    return false;
}

} // namespace

bool areNeighbours(int first, int second) {
    if (first == second || !isLevel(first) || !isLevel(second))
        return false;
    for (const auto& set : kNeighbourhoods)
        if (contains(set, first) && contains(set, second))
            return true;
    return false;
}

} // namespace metre
