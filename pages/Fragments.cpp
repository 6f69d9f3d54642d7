#include "Fragments.h"

namespace pages {

void headBlock(PageFile& page, const QString& titleLine, const QString& headLine) {
    page.line(QStringLiteral("<html>"));
    page.emptyLine();
    page.line(QStringLiteral("<head>"));
    page.line(titleLine);
    if (!headLine.isEmpty())
        page.line(headLine);
    page.line(QStringLiteral("</head>"));
    page.emptyLine();
}

void bodyTag(PageFile& page) {
    page.line(QStringLiteral(
        R"(<body oncontextmenu="return false" ondragstart="return false" onselectstart="return false">)"));
    page.emptyLine();
}

void headingLine(PageFile& page, const QString& bullet, const QString& tail) {
    page.line(QStringLiteral(R"(<p style="line-height: 180%"><img border="0" src=")") + bullet +
              QStringLiteral(R"(" width="16" height="16")") + tail);
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
