#pragma once

#include <QRect>

// Where the tree, the bar and the page view go, in twips of the window's
// client area. The tree's width is the one free value; the bar sits 10 twips
// right of the tree and the view 10 twips right of the bar.
namespace shell {

inline constexpr int kDesignTreeWidth = 2715;
inline constexpr int kBarGap = 10;
inline constexpr int kBarWidth = 30;
inline constexpr int kMinimumTreeWidth = 2000;

struct PaneLayout {
    QRect tree;
    QRect bar;
    QRect view;
};

PaneLayout layoutPanes(int treeWidth, int clientWidth, int clientHeight);

// The tree width after the bar is released with its left edge at barLeft:
// at least 2000 twips, then at most a third of the client width.
int treeWidthOnRelease(double barLeft, int clientWidth);

} // namespace shell
