#include "Placement.h"

#include <cmath>
#include <cstdlib>

namespace shell {
namespace {

// The screen that shows most of the frame, or none when no screen shows any.
const QRect* screenShowing(const QRect& frame, const QList<QRect>& screens) {
    const QRect* best = nullptr;
    qint64 bestArea = 0;
    for (const QRect& screen : screens) {
        const QRect shown = screen.intersected(frame);
        const qint64 area = qint64(shown.width()) * shown.height();
        if (area > bestArea) {
            best = &screen;
            bestArea = area;
        }
    }
    return best;
}

} // namespace

std::optional<int> parseTwips(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || std::abs(qint64(value)) > kLargestTwips)
        return std::nullopt;
    return value;
}

Placement usable(Placement placement) {
    const Placement defaults;
    if (placement.width < kSmallestWidth)
        placement.width = defaults.width;
    if (placement.height < kSmallestHeight)
        placement.height = defaults.height;
    return placement;
}

Placement placementFromTexts(const QString& left, const QString& top, const QString& width,
                             const QString& height, const QString& window) {
    const Placement defaults;
    Placement p;
    p.left = parseTwips(left).value_or(defaults.left);
    p.top = parseTwips(top).value_or(defaults.top);
    p.width = parseTwips(width).value_or(defaults.width);
    p.height = parseTwips(height).value_or(defaults.height);
    const auto state = parseTwips(window);
    p.state = state && *state >= 0 && *state <= 2 ? WindowState(*state) : WindowState::Normal;
    return usable(p);
}

int twipsToPixels(int twips, double dotsPerInch) {
    return int(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

int pixelsToTwips(int pixels, double dotsPerInch) {
    return int(std::lround(pixels * kTwipsPerInch / dotsPerInch));
}

QRect keepOnScreen(const QRect& frame, const QList<QRect>& screens, const QRect& primary) {
    int x = frame.x();
    int y = frame.y();
    const QRect* home = screenShowing(frame, screens);
    if (!home) {
        home = &primary;
        x = primary.x();
        y = primary.y();
    }
    if (home->isEmpty())
        return QRect(QPoint(x, y), frame.size());
    int width = frame.width();
    int height = frame.height();
    if (width > home->width()) {
        width = home->width();
        x = home->x();
    }
    if (height > home->height()) {
        height = home->height();
        y = home->y();
    }
    return QRect(x, y, width, height);
}

} // namespace shell
