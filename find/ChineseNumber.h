#pragma once

#include <QString>

namespace find {

// The ordinal year of an era as it is written: 1 gives 元, 17 十七, 61 六十一.
QString eraYearNumber(int ordinal);

} // namespace find
