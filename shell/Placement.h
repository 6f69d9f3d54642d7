#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <optional>

// The window's saved placement: outer edges in twips and its state, stored as
// text in the settings section "Setting".
namespace shell {

enum class WindowState { Normal = 0, Minimised = 1, Maximised = 2 };

struct Placement {
    int left = 0;
    int top = 0;
    int width = 9285;
    int height = 6270;
    WindowState state = WindowState::Normal;
    bool operator==(const Placement&) const = default;
};

// The stored texts as read; a value that is not a 16-bit whole number gives
// its default, a state other than 0, 1, 2 gives the normal state.
Placement placementFromTexts(const QString& left, const QString& top, const QString& width,
                             const QString& height, const QString& window);

std::optional<qint16> parseShort(const QString& text);

inline constexpr int kTwipsPerInch = 1440;
int twipsToPixels(int twips, double dotsPerInch);
int pixelsToTwips(int pixels, double dotsPerInch);

// A window wholly off every screen is moved to the top left of the primary
// screen's free area, keeping its size; one partly visible stays put.
QRect keepOnScreen(const QRect& frame, const QList<QRect>& screens, const QRect& primary);

} // namespace shell
