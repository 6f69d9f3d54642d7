#pragma once

#include <cstddef>
#include <utility>

namespace find {

// Whether two texts are the same but for one edit: one unit replaced, left
// out or added, or (with swaps) two neighbours changed round. Works on any
// view with size() and [] (QStringView, std::string_view).
template <typename Text> bool withinOneEdit(Text a, Text b, bool swaps) {
    if (a.size() > b.size())
        std::swap(a, b);
    const size_t shorter = size_t(a.size());
    const size_t longer = size_t(b.size());
    if (longer - shorter > 1)
        return false;
    size_t i = 0;
    while (i < shorter && a[i] == b[i])
        ++i;
    if (i == shorter)
        return true;
    auto sameFrom = [&](size_t from, size_t offset) {
        for (size_t k = from; k < shorter; ++k)
            if (a[k] != b[k + offset])
                return false;
        return true;
    };
    if (shorter != longer)
        return sameFrom(i, 1);
    if (sameFrom(i + 1, 0))
        return true;
    return swaps && i + 1 < shorter && a[i] == b[i + 1] && a[i + 1] == b[i] && sameFrom(i + 2, 0);
}

} // namespace find
