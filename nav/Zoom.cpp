#include "Zoom.h"

#include <algorithm>
#include <array>

namespace nav {
namespace {

constexpr std::array kSteps{50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

} // namespace

bool isZoomStep(int percent) {
    return std::ranges::find(kSteps, percent) != kSteps.end();
}

int zoomIn(int percent) {
    const auto next = std::ranges::upper_bound(kSteps, percent);
    return next == kSteps.end() ? kSteps.back() : *next;
}

int zoomOut(int percent) {
    const auto first = std::ranges::lower_bound(kSteps, percent);
    return first == kSteps.begin() ? kSteps.front() : *(first - 1);
}

} // namespace nav
