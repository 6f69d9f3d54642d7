#pragma once

#include <QString>

namespace shell {

// The names the desktop knows the reader by: the window class its menu
// entry matches (StartupWMClass), the desktop entry's name (the Wayland
// application id) and the icon of every window.
inline const QString kWindowClass = QStringLiteral("Quillora");
inline const QString kDesktopEntry = QStringLiteral("org.example.quillora");

// Call once the application object exists and before any window is made.
void applyDesktopIdentity();

} // namespace shell
