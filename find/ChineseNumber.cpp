#include "ChineseNumber.h"

namespace find {

QString eraYearNumber(int ordinal) {
    static const QString digits = QStringLiteral("〇一二三四五六七八九");
    if (ordinal == 1)
        return QStringLiteral("元");
    if (ordinal < 1 || ordinal > 99)
        return QString::number(ordinal);
    const int tens = ordinal / 10;
    const int units = ordinal % 10;
    QString text;
    if (tens > 1)
        text += digits[tens];
    if (tens > 0)
        text += u'十';
    if (units > 0)
        text += digits[units];
    return text;
}

} // namespace find
