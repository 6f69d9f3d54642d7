#include "AddH.h"
#include "Builders.h"

namespace pages {
namespace {

// The verdict under the poem, a line each, set apart from the text, and
// the source of the rhyme groups below it.
void verdictLines(PageFile& page, const MetreView& metre) {
    page.line(QStringLiteral("<br>"));
    for (const QString& line : metre.verdict)
        page.line(QStringLiteral("<span class=\"mv\">") + AddH(line) +
                  QStringLiteral("</span><br>"));
    if (!metre.credit.isEmpty())
        page.line(QStringLiteral("<span class=\"mc\">") + AddH(metre.credit) +
                  QStringLiteral("</span><br>"));
}

} // namespace

PageFile htmlPage(const QString& bullet, QString Bt, QString Zw, QString Zs, QString Jx,
                  const Readings* pinyin, const MetreView* metre, const VerticalVerse* vertical) {
    // The heading and the text carry the pinyin (the ruby writers raise the
    // marks as AddH does); the window title cannot.
    const QString marked = AddH(Bt);
    const QString heading = pinyin && pinyin->title ? rubyLine(Bt, *pinyin->title) : marked;
    Bt = marked;
    static const std::vector<QStringList> kNoLines;
    const std::vector<QStringList>& lines = pinyin && pinyin->lines ? *pinyin->lines : kNoLines;
    if (metre)
        Zw = cellText(Zw, lines, &metre->marks);
    else
        Zw = pinyin && pinyin->lines ? rubyText(Zw, lines) : AddH(Zw);
    Zs = AddH(Zs);
    Jx = AddH(Jx);
    PageFile page;
    headBlock(page, QStringLiteral("<title>") + Bt + QStringLiteral("</title>"));
    bodyTag(page);
    // In the body, not the head: the head stays the one every page shares,
    // so the view can put this page into the document already shown.
    if (pinyin || metre)
        page.line(rubyStyleLine());
    if (metre)
        page.line(metreStyleLine());
    if (vertical) {
        page.line(verticalStyleLine());
        page.line(verticalOpening());
    }
    headingLine(page, bullet, boldTail(heading));
    if (vertical && !vertical->poet.isEmpty())
        page.line(poetLine(vertical->poet));
    textBlock(page, Zw);
    if (vertical)
        page.line(verticalClosing());
    if (metre)
        verdictLines(page, *metre);
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
          const QString& Jx, const Readings* pinyin, const MetreView* metre,
          const VerticalVerse* vertical) {
    save(target, htmlPage(target.bullet, Bt, Zw, Zs, Jx, pinyin, metre, vertical));
}

} // namespace pages
