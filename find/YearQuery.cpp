#include "YearQuery.h"

namespace find {
namespace {

constexpr int kLongestYear = 5; // digits; no era table reaches further

std::optional<int> digitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= 0xFF10 && u <= 0xFF19)
        return u - 0xFF10;
    return std::nullopt;
}

bool consume(QStringView& text, QStringView prefix) {
    if (!text.startsWith(prefix))
        return false;
    text = text.mid(prefix.size());
    return true;
}

} // namespace

std::optional<int> parseYear(QStringView query) {
    QStringView text = query.trimmed();
    consume(text, u"公元");
    const bool beforeEra = consume(text, u"前");
    if (text.endsWith(u'年'))
        text.chop(1);
    if (text.isEmpty() || text.size() > kLongestYear)
        return std::nullopt;
    int year = 0;
    for (const QChar c : text) {
        const auto digit = digitValue(c);
        if (!digit)
            return std::nullopt;
        year = year * 10 + *digit;
    }
    if (year == 0)
        return std::nullopt;
    return beforeEra ? -year : year;
}

} // namespace find
