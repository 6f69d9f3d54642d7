#include "Builders.h"

namespace pages {

PageFile favouritesPage(const QString& bullet, const QList<FavouriteRow>& rows) {
    PageFile page;
    headBlock(page, QStringLiteral("<title>我的收藏</title>"));
    bodyTag(page);
    headingLine(page, bullet, boldTail(QStringLiteral("我的收藏")));
    page.line(paragraphLine());
    page.line(fontLine());
    page.line(QStringLiteral("共 %1 篇，按收藏的先后排列。<br>").arg(rows.size()));
    page.line(QStringLiteral(R"(<table border="0" cellpadding="4">)"));
    for (const FavouriteRow& row : rows) {
        const QString title = QStringLiteral("《") + row.title + QStringLiteral("》");
        page.line(QStringLiteral("<tr><td>") + title.toHtmlEscaped() + QStringLiteral("</td><td>") +
                  row.poet.toHtmlEscaped() + QStringLiteral("</td><td>") +
                  row.kind.toHtmlEscaped() +
                  (row.shown ? QString() : QStringLiteral("（现在的目录中没有）")) +
                  QStringLiteral("</td></tr>"));
    }
    page.line(QStringLiteral("</table>"));
    page.line(QStringLiteral("</font></p>"));
    page.emptyLine();
    closingLines(page);
    return page;
}

void Favourites(const Target& target, const QList<FavouriteRow>& rows) {
    save(target, favouritesPage(target.bullet, rows));
}

} // namespace pages
