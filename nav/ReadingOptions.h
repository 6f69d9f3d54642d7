#pragma once

#include "Zoom.h"

#include <QString>

namespace platform {
class Settings;
}

namespace nav {

enum class Theme { Desktop, Light, Dark };
// Traditional comes in OpenCC's standard forms (爲, 裏), in those of Taiwan
// (為, 裡) or in those of Hong Kong; all three read the same reviewed phrases.
enum class Script { Simplified, Traditional, Taiwan, HongKong };

bool isTraditional(Script script);

// How the reader shows the pages, kept in the settings section "Reading".
// Every option has a default that leaves the pages as they are without it;
// a value that cannot be read gives that default.
struct ReadingOptions {
    bool pinyin = false;                // key "Pinyin": "1" on, "0" off
    bool metre = false;                 // key "Metre": "1" on, "0" off
    bool vertical = false;              // key "Vertical": "1" on, "0" off
    int zoom = kDefaultZoom;            // key "Zoom": one of the zoom steps, in per cent
    Theme theme = Theme::Desktop;       // key "Theme": "desktop", "light" or "dark"
    Script script = Script::Simplified; // key "Script": "simplified", "traditional",
                                        // "taiwan" or "hongkong"

    static ReadingOptions read(const platform::Settings& settings);
    void write(platform::Settings& settings) const;
    // Writes only the keys whose option differs from before, so that another
    // copy's choice of the others stands.
    void writeChanges(platform::Settings& settings, const ReadingOptions& before) const;

    bool operator==(const ReadingOptions&) const = default;

  private:
    void writeKeys(platform::Settings& settings, const ReadingOptions* before) const;
};

} // namespace nav
