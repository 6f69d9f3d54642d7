#include "OpenPlaces.h"

namespace metre {
namespace {

// A departure the tradition accepts (拗救) weighs less than one it does not.
int weight(const QList<Departure>& departures) {
    int total = 0;
    for (const Departure& d : departures)
        total += d.name == QStringLiteral("拗救") ? 1 : 3;
    return total;
}

int weightWith(const Lines& lines, size_t line, int position, Tone tone) {
    std::vector<std::vector<Tone>> tones = lines.tones;
    tones[line][size_t(position)] = tone;
    const Lines tried{lines.verses, tones, lines.patterns};
    int total = weight(lineDepartures(tried, int(line)));
    // The line before may be rescued by this one's third character.
    if (line > 0)
        total += weight(lineDepartures(tried, int(line) - 1));
    return total;
}

} // namespace

Tone toneTheRulesPrefer(const Lines& lines, size_t line, int position) {
    const int level = weightWith(lines, line, position, Tone::Level);
    const int oblique = weightWith(lines, line, position, Tone::Oblique);
    if (level == oblique)
        return Tone::Unknown;
    return level < oblique ? Tone::Level : Tone::Oblique;
}

} // namespace metre
