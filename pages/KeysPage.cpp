#include "Builders.h"

namespace pages {

PageFile keysPage(const QString& bullet, const QList<KeyRow>& rows) {
    PageFile page;
    headBlock(page, QStringLiteral("<title>按键</title>"));
    bodyTag(page);
    headingLine(page, bullet, boldTail(QStringLiteral("按键")));
    page.line(paragraphLine());
    page.line(fontLine());
    page.line(QStringLiteral(R"(<table border="0" cellpadding="4">)"));
    for (const KeyRow& row : rows)
        page.line(QStringLiteral("<tr><td>") + row.what + QStringLiteral("</td><td>") +
                  row.keys.join(QStringLiteral("、")).toHtmlEscaped() +
                  QStringLiteral("</td></tr>"));
    page.line(QStringLiteral("</table>"));
    page.line(QStringLiteral("</font></p>"));
    page.emptyLine();
    closingLines(page);
    return page;
}

void Keys(const Target& target, const QList<KeyRow>& rows) {
    save(target, keysPage(target.bullet, rows));
}

} // namespace pages
