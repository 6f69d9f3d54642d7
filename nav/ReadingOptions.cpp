#include "ReadingOptions.h"

#include "Zoom.h"

#include "platform/Settings.h"

#include <array>
#include <utility>

namespace nav {
namespace {

const QString kSection = QStringLiteral("Reading");
const QString kPinyin = QStringLiteral("Pinyin");
const QString kMetre = QStringLiteral("Metre");
const QString kVertical = QStringLiteral("Vertical");
const QString kZoom = QStringLiteral("Zoom");
const QString kTheme = QStringLiteral("Theme");
const QString kScript = QStringLiteral("Script");

const std::array<std::pair<Theme, const char16_t*>, 3> kThemeNames{
    {{Theme::Desktop, u"desktop"}, {Theme::Light, u"light"}, {Theme::Dark, u"dark"}}};
const std::array<std::pair<Script, const char16_t*>, 4> kScriptNames{
    {{Script::Simplified, u"simplified"},
     {Script::Traditional, u"traditional"},
     {Script::Taiwan, u"taiwan"},
     {Script::HongKong, u"hongkong"}}};

// "1" and "0" as written; anything else is no choice at all.
bool flag(const QString& text, bool fallback) {
    const QString trimmed = text.trimmed();
    if (trimmed == u'1')
        return true;
    if (trimmed == u'0')
        return false;
    return fallback;
}

int zoomStep(const QString& text, int fallback) {
    bool ok = false;
    const int percent = text.trimmed().toInt(&ok);
    return ok && isZoomStep(percent) ? percent : fallback;
}

template <typename Enum, size_t N>
Enum named(const std::array<std::pair<Enum, const char16_t*>, N>& names, const QString& text,
           Enum fallback) {
    const QString trimmed = text.trimmed();
    for (const auto& [value, name] : names)
        if (trimmed.compare(QStringView(name), Qt::CaseInsensitive) == 0)
            return value;
    return fallback;
}

template <typename Enum, size_t N>
QString nameOf(const std::array<std::pair<Enum, const char16_t*>, N>& names, Enum value) {
    for (const auto& [each, name] : names)
        if (each == value)
            return QString::fromUtf16(name);
    return {};
}

} // namespace

bool isTraditional(Script script) {
    return script != Script::Simplified;
}

ReadingOptions ReadingOptions::read(const platform::Settings& settings) {
    const ReadingOptions defaults;
    ReadingOptions options;
    options.pinyin = flag(settings.read(kSection, kPinyin, {}), defaults.pinyin);
    options.metre = flag(settings.read(kSection, kMetre, {}), defaults.metre);
    options.vertical = flag(settings.read(kSection, kVertical, {}), defaults.vertical);
    options.zoom = zoomStep(settings.read(kSection, kZoom, {}), defaults.zoom);
    options.theme = named(kThemeNames, settings.read(kSection, kTheme, {}), defaults.theme);
    options.script = named(kScriptNames, settings.read(kSection, kScript, {}), defaults.script);
    return options;
}

void ReadingOptions::write(platform::Settings& settings) const {
    writeKeys(settings, nullptr);
}

void ReadingOptions::writeChanges(platform::Settings& settings,
                                  const ReadingOptions& before) const {
    writeKeys(settings, &before);
}

void ReadingOptions::writeKeys(platform::Settings& settings, const ReadingOptions* before) const {
    if (!before || pinyin != before->pinyin)
        settings.write(kSection, kPinyin, pinyin ? QStringLiteral("1") : QStringLiteral("0"));
    if (!before || metre != before->metre)
        settings.write(kSection, kMetre, metre ? QStringLiteral("1") : QStringLiteral("0"));
    if (!before || vertical != before->vertical)
        settings.write(kSection, kVertical, vertical ? QStringLiteral("1") : QStringLiteral("0"));
    if (!before || zoom != before->zoom)
        settings.write(kSection, kZoom, QString::number(zoom));
    if (!before || theme != before->theme)
        settings.write(kSection, kTheme, nameOf(kThemeNames, theme));
    if (!before || script != before->script)
        settings.write(kSection, kScript, nameOf(kScriptNames, script));
}

} // namespace nav
