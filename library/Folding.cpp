#include "Folding.h"

namespace library {

void Folding::fold(QStringView text, std::u16string& out) const {
    out.clear();
    out.reserve(size_t(text.size()));
    for (QChar c : text) {
        const char16_t folded = unit(c.unicode());
        if (folded != 0)
            out.push_back(folded);
    }
}

std::u16string Folding::fold(QStringView text) const {
    std::u16string out;
    fold(text, out);
    return out;
}

} // namespace library
