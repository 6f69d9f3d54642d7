#include "PaneLayout.h"

#include <cmath>

namespace shell {

PaneLayout layoutPanes(int treeWidth, int clientWidth, int clientHeight) {
    const int viewLeft = treeWidth + 2 * kBarGap + kBarWidth;
    return {QRect(0, 0, treeWidth, clientHeight),
            QRect(treeWidth + kBarGap, 0, kBarWidth, clientHeight),
            QRect(viewLeft, 0, clientWidth - viewLeft, clientHeight)};
}

int treeWidthOnRelease(double barLeft, int clientWidth) {
    int x = int(std::lround(barLeft));
    if (x < kMinimumTreeWidth)
        x = kMinimumTreeWidth;
    if (clientWidth / 3.0 < x)
        x = int(std::lround(clientWidth / 3.0));
    return x;
}

} // namespace shell
