#include "Builders.h"

#include "platform/Recordset.h"

namespace pages {
namespace {

void tableHeader(PageFile& page) {
    page.line(QStringLiteral(R"(<table border="1" width="100%" height="1">)"));
    page.line(QStringLiteral("  <tr>"));
    page.line(QStringLiteral(R"(<td width="46%" bgcolor="#CCCCCC"><b>帝王名号</b></td>)"));
    page.line(
        QStringLiteral(R"(<td width="18%" align="right" bgcolor="#CCCCCC"><b>年号</b></td>)"));
    page.line(QStringLiteral(R"(<td width="18%" bgcolor="#CCCCCC"><b>元年干支</b></td>)"));
    page.line(QStringLiteral(R"(<td width="18%" bgcolor="#CCCCCC"><b>公元纪年</b></td>)"));
    page.line(QStringLiteral("  </tr>"));
}

QString cell(const platform::Recordset& row, int position) {
    const platform::Value& value = row.Fields(position);
    QString line = QStringLiteral(R"(    <td width=")") +
                   (position == 0 ? QStringLiteral("46%") : QStringLiteral("18%")) +
                   QStringLiteral(R"(" height="1" valign="Top")");
    if (position == 1)
        line += QStringLiteral(R"( align="right")");
    line += QStringLiteral(" > ");
    line += value.IsNull() ? QStringLiteral("　") : value.toString();
    return line + QStringLiteral("</td>");
}

} // namespace

PageFile jybPage(const QString& bullet, platform::Recordset& Bnr, const QString& JianJie,
                 bool Zjd) {
    PageFile page;
    headBlock(page, QStringLiteral("<title></title>"));
    bodyTag(page);
    headingLine(page, bullet, boldTail(QStringLiteral("简介")));
    textBlock(page, JianJie);
    if (!Zjd) {
        headingLine(page, bullet, boldTail(QStringLiteral("纪元表")));
        tableHeader(page);
    }
    while (!Bnr.EndOfFile()) {
        page.line(QStringLiteral("  <tr>"));
        for (int position = 0; position < 4; ++position)
            page.line(cell(Bnr, position));
        Bnr.MoveNext();
        page.line(QStringLiteral("  </tr>"));
    }
    page.line(QStringLiteral("</table>"));
    page.emptyLine();
    closingLines(page);
    return page;
}

void Jyb(const Target& target, platform::Recordset& Bnr, const QString& JianJie, bool Zjd) {
    save(target, jybPage(target.bullet, Bnr, JianJie, Zjd));
}

} // namespace pages
