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

// Window systems place windows within a signed 16-bit range of pixels, and a
// pixel is at most 20 twips (72 dpi): a value beyond that no screen could hold.
inline constexpr int kLargestTwips = 32767 * 20;
// The smallest outer size that still shows a title bar, the tree and a few
// lines of a page (160 x 120 pixels at 96 dpi).
inline constexpr int kSmallestWidth = 2400;
inline constexpr int kSmallestHeight = 1800;

// The stored texts as read; a value that is not a whole number or that no
// screen could hold gives its default, and so does a size too small to use.
// A state other than 0, 1, 2 gives the normal state.
Placement placementFromTexts(const QString& left, const QString& top, const QString& width,
                             const QString& height, const QString& window);

std::optional<int> parseTwips(const QString& text);

// The placement with each size too small to use replaced by its default, so
// that what is saved always shows a window that can be used.
Placement usable(Placement placement);

inline constexpr int kTwipsPerInch = 1440;
int twipsToPixels(int twips, double dotsPerInch);
int pixelsToTwips(int pixels, double dotsPerInch);

// screens are the free areas of the screens. A window wholly off every screen
// is moved to the top left of the primary screen's free area; one partly
// visible stays put. A window wider or taller than the screen it is on is
// fitted to that screen.
QRect keepOnScreen(const QRect& frame, const QList<QRect>& screens, const QRect& primary);

} // namespace shell
