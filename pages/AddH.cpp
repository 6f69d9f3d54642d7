#include "AddH.h"

#include "platform/Cp936.h"

namespace pages {

void appendMarked(QString& out, QStringView character, int code) {
    constexpr int kFirstMark = 0xA2A7;
    constexpr int kLastMark = 0xA2E2;
    if (code < 0) {
        out += u'?';
    } else if (code >= kFirstMark && code <= kLastMark) {
        out += QStringLiteral("<sup>");
        out += character;
        out += QStringLiteral("</sup>");
    } else {
        out += character;
    }
}

QString AddH(const QString& S) {
    QString result;
    result.reserve(S.size() + 16);
    for (const auto& c : platform::cp936::codes(S))
        appendMarked(result, QStringView(S).mid(c.position, c.length), c.code);
    return result;
}

} // namespace pages
