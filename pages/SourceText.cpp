#include "SourceText.h"

#include "platform/Cp936.h"

#include <QList>

namespace pages {

QString sourceHtml(QStringView text) {
    QString html;
    html.reserve(text.size() + 16);
    for (const auto& c : platform::cp936::codes(text))
        appendSource(html, text.mid(c.position, c.length), c.code);
    return html;
}

void appendSource(QString& out, QStringView character, int code) {
    if (character == u"&")
        out += QStringLiteral("&amp;");
    else if (character == u"<")
        out += QStringLiteral("&lt;");
    else if (character == u">")
        out += QStringLiteral("&gt;");
    else if (character == u"\r" || character == u"\n")
        out += u' ';
    else if (code < 0)
        out += QStringLiteral("&#x%1;").arg(character.toUcs4().value(0), 0, 16);
    else
        out += character;
}

} // namespace pages
