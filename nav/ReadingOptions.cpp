#include "ReadingOptions.h"

#include "platform/Settings.h"

namespace nav {
namespace {

const QString kSection = QStringLiteral("Reading");
const QString kPinyin = QStringLiteral("Pinyin");

// "1" and "0" as written; anything else is no choice at all.
bool flag(const QString& text, bool fallback) {
    const QString trimmed = text.trimmed();
    if (trimmed == u'1')
        return true;
    if (trimmed == u'0')
        return false;
    return fallback;
}

} // namespace

ReadingOptions ReadingOptions::read(const platform::Settings& settings) {
    const ReadingOptions defaults;
    ReadingOptions options;
    options.pinyin = flag(settings.read(kSection, kPinyin, {}), defaults.pinyin);
    return options;
}

void ReadingOptions::write(platform::Settings& settings) const {
    settings.write(kSection, kPinyin, pinyin ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace nav
