#include "SourceText.h"

#include "platform/Cp936.h"

#include <QList>

namespace pages {

QString sourceHtml(QStringView text) {
    QString html;
    html.reserve(text.size() + 16);
    for (const auto& c : platform::cp936::codes(text)) {
        const QStringView character = text.mid(c.position, c.length);
        if (character == u"&")
            html += QStringLiteral("&amp;");
        else if (character == u"<")
            html += QStringLiteral("&lt;");
        else if (character == u">")
            html += QStringLiteral("&gt;");
        else if (character == u"\r" || character == u"\n")
            html += u' ';
        else if (c.code < 0)
            html += QStringLiteral("&#x%1;").arg(character.toUcs4().value(0), 0, 16);
        else
            html += character;
    }
    return html;
}

} // namespace pages
