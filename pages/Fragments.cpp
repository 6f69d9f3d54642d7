#include "Fragments.h"

#include "platform/Cp936.h"

namespace pages {
namespace {

// Characters that would end the attribute, start a query or a fragment, read
// as an escape or an entity, turn into a slash, or vanish from a URL.
bool breaksSource(char16_t c) {
    return c == u'"' || c == u'#' || c == u'?' || c == u'%' || c == u'&' || c == u'\\' ||
           c < 0x20 || c == 0x7f;
}

QString percentEscaped(QStringView piece) {
    QString escaped;
    for (const char byte : piece.toUtf8())
        escaped += u'%' + QString::number(quint8(byte), 16).toUpper().rightJustified(2, u'0');
    return escaped;
}

} // namespace

QString fileSource(const QString& path) {
    QString source;
    source.reserve(path.size());
    for (qsizetype i = 0; i < path.size();) {
        const qsizetype length = path[i].isHighSurrogate() && i + 1 < path.size() ? 2 : 1;
        const QStringView piece = QStringView(path).mid(i, length);
        const bool escape = (length == 1 && breaksSource(piece[0].unicode())) ||
                            (piece[0].unicode() >= 0x80 && !platform::cp936::canEncode(piece));
        if (escape)
            source += percentEscaped(piece);
        else
            source += piece;
        i += length;
    }
    return source;
}

void save(const Target& target, PageFile page) {
    if (target.display)
        page.mapLines(target.display);
    page.save(target.page);
}

void headBlock(PageFile& page, const QString& titleLine) {
    page.line(QStringLiteral("<html>"));
    page.emptyLine();
    page.line(QStringLiteral("<head>"));
    page.line(titleLine);
    page.line(QStringLiteral("</head>"));
    page.emptyLine();
}

void bodyTag(PageFile& page) {
    page.line(QStringLiteral(
        R"(<body oncontextmenu="return false" ondragstart="return false" onselectstart="return false">)"));
    page.emptyLine();
}

void headingLine(PageFile& page, const QString& bullet, const QString& tail) {
    page.line(QStringLiteral(R"(<p style="line-height: 180%"><img border="0" src=")") +
              fileSource(bullet) + QStringLiteral(R"(" width="16" height="16")") + tail);
}

QString boldTail(const QString& heading) {
    return QStringLiteral("><b>") + heading + QStringLiteral("</b></p>");
}

QString paragraphLine() {
    return QStringLiteral(R"(<p style="line-height: 150%; margin-left: 18">)");
}

QString fontLine() {
    return QStringLiteral(R"(<font size="3">)");
}

void textBlock(PageFile& page, QStringView text) {
    page.line(paragraphLine());
    page.line(fontLine());
    page.textLines(text);
}

void closingLines(PageFile& page) {
    page.line(QStringLiteral("</body>"));
    page.emptyLine();
    page.line(QStringLiteral("</html>"));
}

} // namespace pages
