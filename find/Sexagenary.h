#pragma once

#include <QString>

namespace find {

// The sexagenary name of a year (1644 gives 甲申, -221 gives 庚辰): the cycle
// of sixty began with 甲子 in AD 4.
QString sexagenaryName(int year);

} // namespace find
