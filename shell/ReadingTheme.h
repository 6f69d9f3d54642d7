#pragma once

#include "nav/ReadingOptions.h"

#include <QPalette>
#include <QString>

namespace shell {

// Whether a palette draws light text on a dark ground.
bool isDark(const QPalette& palette);
QPalette darkPalette();
// The desktop's palette when it is light, else the style's own light one.
QPalette lightPalette(const QPalette& desktop);
// Laid over the pages in the dark theme: light text on a dark ground, the
// coloured headings and table heads toned to stay readable.
QString darkPageStyle();
// The theme action's text, naming the theme in use.
QString themeLabel(nav::Theme theme);

} // namespace shell
