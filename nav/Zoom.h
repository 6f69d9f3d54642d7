#pragma once

namespace nav {

// Text size in per cent, in the steps a web browser takes.
bool isZoomStep(int percent);
// The next step up or down; the ends stay where they are. A size between two
// steps goes to the neighbouring step in that direction.
int zoomIn(int percent);
int zoomOut(int percent);
constexpr int kDefaultZoom = 100;

} // namespace nav
