#include "MatchedText.h"

namespace library {

Found findFolded(const Folding& folding, QStringView text,
                 const std::vector<std::u16string>& terms) {
    std::u16string folded;
    std::vector<qsizetype> origin; // where each folded unit comes from
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = folding.unit(text[i].unicode());
        if (unit == 0)
            continue;
        folded.push_back(unit);
        origin.push_back(i);
    }
    for (const std::u16string& term : terms) {
        if (term.empty())
            continue;
        const size_t at = folded.find(term);
        if (at == std::u16string::npos)
            continue;
        const qsizetype begin = origin[at];
        const qsizetype end = origin[at + term.size() - 1] + 1;
        return {begin, end - begin};
    }
    return {};
}

} // namespace library
