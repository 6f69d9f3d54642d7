#include "AddH.h"
#include "Builders.h"

namespace pages {

PageFile htmlPage(const QString& bullet, QString Bt, QString Zw, QString Zs, QString Jx) {
    Bt = AddH(Bt);
    Zw = AddH(Zw);
    Zs = AddH(Zs);
    Jx = AddH(Jx);
    PageFile page;
    headBlock(page, QStringLiteral("<title>") + Bt + QStringLiteral("</title>"));
    bodyTag(page);
    headingLine(page, bullet, boldTail(Bt));
    textBlock(page, Zw);
    if (!Zs.isEmpty()) {
        headingLine(page, bullet, boldTail(QStringLiteral("注解")));
        page.line(paragraphLine() + fontLine());
        page.textLines(Zs);
    }
    if (!Jx.isEmpty()) {
        headingLine(page, bullet, boldTail(QStringLiteral("简析")));
        page.line(paragraphLine());
        page.textLines(Jx);
    }
    page.line(QStringLiteral("</font>"));
    closingLines(page);
    return page;
}

void Html(const Target& target, const QString& Bt, const QString& Zw, const QString& Zs,
          const QString& Jx) {
    htmlPage(target.bullet, Bt, Zw, Zs, Jx).save(target.page);
}

} // namespace pages
