#include "LinePattern.h"

namespace metre {

std::vector<Tone> linePattern(int length, Tone second, Tone last) {
    constexpr Tone P = Tone::Level;
    constexpr Tone Z = Tone::Oblique;
    // In seven characters the core's second character is the fourth, of the
    // tone opposite to the second.
    const Tone coreSecond = length == 7 ? opposite(second) : second;
    std::vector<Tone> core;
    if (coreSecond == Z && last == Z)
        core = {Z, Z, P, P, Z};
    else if (coreSecond == P && last == P)
        core = {P, P, Z, Z, P};
    else if (coreSecond == P && last == Z)
        core = {P, P, P, Z, Z};
    else
        core = {Z, Z, Z, P, P};
    if (length == 7)
        core.insert(core.begin(), 2, opposite(core.front()));
    return core;
}

bool binds(int length, int position) {
    return position % 2 == 1 || position == length - 1;
}

} // namespace metre
