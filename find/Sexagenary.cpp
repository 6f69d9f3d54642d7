#include "Sexagenary.h"

#include "YearQuery.h"

namespace find {

QString sexagenaryName(int year) {
    static const QString stems = QStringLiteral("甲乙丙丁戊己庚辛壬癸");
    static const QString branches = QStringLiteral("子丑寅卯辰巳午未申酉戌亥");
    const int place = ((astronomical(year) - 4) % 60 + 60) % 60;
    return QString(stems[place % 10]) + branches[place % 12];
}

} // namespace find
