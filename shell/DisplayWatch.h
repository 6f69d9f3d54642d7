#pragma once

#include <QString>

namespace shell {

// Exit status when no graphical display can be opened.
inline constexpr int kNoDisplay = 3;

// Around the creation of the application object: when the GUI library
// cannot reach a display (none set, or one that does not answer), it would
// abort with a note about its plugins; instead the process says plainly that
// the reader needs a display and ends with kNoDisplay. The library's own
// notices about its display are held back meanwhile and let through once the
// display is open.
void watchDisplayOpening(const QString& program);
void displayOpened();

// The sentence for a display that cannot be used, given DISPLAY and
// WAYLAND_DISPLAY as they are set (empty when not set).
QString noDisplayText(const QString& program, const QString& display, const QString& wayland);

} // namespace shell
