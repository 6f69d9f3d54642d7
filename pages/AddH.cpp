#include "AddH.h"

#include "platform/Cp936.h"

namespace pages {

QString AddH(const QString& S) {
    constexpr int kFirstMark = 0xA2A7;
    constexpr int kLastMark = 0xA2E2;
    QString result;
    result.reserve(S.size() + 16);
    for (const auto& c : platform::cp936::codes(S)) {
        const QStringView character = QStringView(S).mid(c.position, c.length);
        if (c.code < 0) {
            result += u'?';
        } else if (c.code >= kFirstMark && c.code <= kLastMark) {
            result += QStringLiteral("<sup>");
            result += character;
            result += QStringLiteral("</sup>");
        } else {
            result += character;
        }
    }
    return result;
}

} // namespace pages
