#include "AboutText.h"
#include "Builders.h"

namespace pages {
namespace {

const QString kLeftParagraph =
    QStringLiteral("<p align='left' style='margin-top: 7; margin-bottom: 7'>");

} // namespace

PageFile guanyuPage(int major, int minor, int revision) {
    using namespace about;
    PageFile page;
    headBlock(page, QStringLiteral("<title>关于</title>"));
    page.line(QStringLiteral("<BODY oncontextmenu='return false' ondragstart='return false' "
                             "onselectstart='return false'>"));
    page.emptyLine();
    page.line(QStringLiteral("<p align='center' style='margin-top: 7; margin-bottom: 7'><font "
                             "face='幼圆' size='4'><marquee bgcolor='#D2E9FF'>Vellumbra V%1.%2.%3"
                             "</marquee></font></p>")
                  .arg(major)
                  .arg(minor)
                  .arg(revision));
    page.emptyLine();
    page.line(QStringLiteral("<p align='center'><img border='0' src='Rdm' width='360' "
                             "height='248' align='center'></p>"));
    page.emptyLine();
    page.line(kLeftParagraph + kCredit + QStringLiteral("</p>"));
    page.emptyLine();
    page.line(kLeftParagraph + QStringLiteral("地　址：") + kAddress +
              QStringLiteral("　　　　邮　编：") + kPostcode + QStringLiteral("</p>"));
    page.emptyLine();
    page.line(kLeftParagraph + QStringLiteral("电　话：") + kTelephone +
              QStringLiteral("　　　　　　　　　 E-mail：<a href='mailto:") + kEmail +
              QStringLiteral("'>") + kEmail + QStringLiteral("</a></p>"));
    page.emptyLine();
    page.line(QStringLiteral(
        "<p align='left'><span style='font-family: 宋体; mso-ascii-font-family: Times New Roman; "
        "mso-hansi-font-family: Times New Roman'>警</span><span "
        "style='font-family:宋体;mso-ascii-font-family:&quot;Times New Roman&quot;;"));
    page.line(QStringLiteral("mso-hansi-font-family:&quot;Times New Roman&quot;'>告：") +
              kRightsSentence + QStringLiteral("</span>") + kCopyingSentence +
              QStringLiteral("</p>"));
    page.emptyLine();
    closingLines(page);
    return page;
}

PageFile guanyuPage() {
    return guanyuPage(QUILLORA_VERSION_MAJOR, QUILLORA_VERSION_MINOR, QUILLORA_VERSION_PATCH);
}

void Guanyu(const QString& aboutPath) {
    guanyuPage().save(aboutPath);
}

} // namespace pages
