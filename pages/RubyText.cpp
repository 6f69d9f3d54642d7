#include "RubyText.h"

#include "platform/HanCharacter.h"

namespace pages {

QString rubyLine(QStringView line, const QStringList& syllables) {
    QString out;
    out.reserve(line.size() * 8);
    qsizetype next = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        char32_t code = line[i].unicode();
        qsizetype width = 1;
        if (line[i].isHighSurrogate() && i + 1 < line.size() && line[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(line[i], line[i + 1]);
            width = 2;
        }
        const QStringView character = line.mid(i, width);
        i += width - 1;
        if (!platform::isHanCharacter(code) || next >= syllables.size()) {
            out += character;
            continue;
        }
        out += QStringLiteral("<ruby>");
        out += character;
        out += QStringLiteral("<rt>");
        out += syllables[next++];
        out += QStringLiteral("</rt></ruby>");
    }
    return out;
}

QString rubyText(const QString& text, const std::vector<QStringList>& lines) {
    const QList<QStringView> pieces = QStringView(text).split(QStringLiteral("\r\n"));
    QString out;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            out += QStringLiteral("\r\n");
        out += rubyLine(pieces[i], size_t(i) < lines.size() ? lines[size_t(i)] : QStringList());
    }
    return out;
}

QString rubyStyleLine() {
    return QStringLiteral("<style>rt { font-size: 0.6em; color: #888888; font-family: sans-serif; }</style>");
}

} // namespace pages
