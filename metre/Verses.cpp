#include "Verses.h"

#include "platform/HanCharacter.h"

namespace metre {
namespace {

bool breaksVerse(char32_t c) {
    static const std::u32string_view kBreaks = U"，。？！；：、,.?!;:\r\n";
    return kBreaks.find(c) != std::u32string_view::npos;
}

// The Han characters of text, each run between breaks one list.
std::vector<QList<char32_t>> runs(QStringView text) {
    std::vector<QList<char32_t>> out(1);
    bool inTag = false;
    for (const char32_t c : text.toUcs4()) {
        if (c == U'<')
            inTag = true;
        else if (c == U'>')
            inTag = false;
        else if (inTag)
            continue;
        else if (platform::isHanCharacter(c))
            out.back().append(c);
        else if (breaksVerse(c) && !out.back().isEmpty())
            out.emplace_back();
    }
    if (out.back().isEmpty())
        out.pop_back();
    return out;
}

} // namespace

int hanCount(QStringView text) {
    int count = 0;
    for (const QList<char32_t>& run : runs(text))
        count += int(run.size());
    return count;
}

std::vector<Verse> versesOf(QStringView text, QStringView traditional) {
    const std::vector<QList<char32_t>> shown = runs(text);
    const std::vector<QList<char32_t>> converted = runs(traditional);
    QList<char32_t> flat;
    for (const QList<char32_t>& run : converted)
        flat += run;
    const bool paired = flat.size() == hanCount(text);
    std::vector<Verse> verses;
    int first = 0;
    for (const QList<char32_t>& run : shown) {
        Verse verse{run, paired ? flat.mid(first, run.size()) : QList<char32_t>(run.size(), 0),
                    first};
        first += int(run.size());
        verses.push_back(std::move(verse));
    }
    return verses;
}

} // namespace metre
