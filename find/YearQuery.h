#pragma once

#include <QStringView>

#include <optional>

namespace find {

// A year as the reader counts it: 1644, or -221 for 221 BC. There is no year 0.
// Accepts "1644", "1644年", "公元1644年", "前221", "公元前221年" (full-width
// digits and surrounding spaces too); anything else is no year.
std::optional<int> parseYear(QStringView query);

// The year in astronomical numbering (1 BC is 0), for arithmetic across the era.
inline int astronomical(int year) {
    return year < 0 ? year + 1 : year;
}

} // namespace find
