#include "Builders.h"

namespace pages {

PageFile cyPage(const QString& bullet, const QString& ChengYu, const QString& GuShi) {
    PageFile page;
    headBlock(page, QStringLiteral("<title></title>"));
    bodyTag(page);
    headingLine(page, bullet, boldTail(ChengYu));
    textBlock(page, GuShi);
    page.emptyLine();
    closingLines(page);
    return page;
}

void Cy(const Target& target, const QString& ChengYu, const QString& GuShi) {
    save(target, cyPage(target.bullet, ChengYu, GuShi));
}

} // namespace pages
