#include "Placement.h"

#include <cmath>
#include <limits>

namespace shell {

std::optional<qint16> parseShort(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < std::numeric_limits<qint16>::min() ||
        value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return qint16(value);
}

Placement placementFromTexts(const QString& left, const QString& top, const QString& width,
                             const QString& height, const QString& window) {
    const Placement defaults;
    Placement p;
    p.left = parseShort(left).value_or(qint16(defaults.left));
    p.top = parseShort(top).value_or(qint16(defaults.top));
    p.width = parseShort(width).value_or(qint16(defaults.width));
    p.height = parseShort(height).value_or(qint16(defaults.height));
    const auto state = parseShort(window);
    p.state = state && *state >= 0 && *state <= 2 ? WindowState(*state) : WindowState::Normal;
    return p;
}

int twipsToPixels(int twips, double dotsPerInch) {
    return int(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

int pixelsToTwips(int pixels, double dotsPerInch) {
    return int(std::lround(pixels * kTwipsPerInch / dotsPerInch));
}

QRect keepOnScreen(const QRect& frame, const QList<QRect>& screens, const QRect& primary) {
    for (const QRect& screen : screens) {
        if (screen.intersects(frame))
            return frame;
    }
    return QRect(primary.topLeft(), frame.size());
}

} // namespace shell
