#include "Builders.h"
#include "PrefaceText.h"

namespace pages {
namespace {

using namespace preface;

const QString kIndent = QStringLiteral("　　");

QString sectionHeading(const QString& title) {
    return QStringLiteral(
               R"(<p align="center" style="line-height: 180%; margin-left: 18"><b><font face="宋体" size="5" color="#FF0000")") +
           u'>' + title + QStringLiteral("</font></b></p>");
}

QString blockOpener() {
    return paragraphLine() + fontLine();
}

void prose(PageFile& page, const QStringList& paragraphs, bool lastEndsBlock = false) {
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        const bool last = i + 1 == paragraphs.size();
        page.line(kIndent + paragraphs[i] +
                  (last && lastEndsBlock ? QString() : QStringLiteral("<br>")));
    }
}

void example(PageFile& page) {
    page.line(
        QStringLiteral(
            R"(<p align="center" style="line-height: 150%; margin-left: 18"><b><font face="宋体" size="4">)") +
        kExampleTitle + QStringLiteral("</font></b></p>"));
    page.line(
        QStringLiteral(
            R"(<p align="center" style="line-height: 150%; margin-left: 18"><font size="3")") +
        u'>' + kExamplePoet + QStringLiteral("<br>"));
    for (size_t i = 0; i < kExampleCouplets.size(); ++i) {
        page.line(kExampleCouplets[i] + QStringLiteral("<br>"));
        page.line(kExampleTones[i] + QStringLiteral("<br>"));
    }
}

void sanqu(PageFile& page) {
    for (qsizetype i = 0; i < kSanqu.size(); ++i) {
        const QString indent = i == kSanquQuote ? QString(5, QChar(0x3000)) : kIndent;
        page.line(indent + kSanqu[i] + QStringLiteral("<br>"));
    }
}

void section(PageFile& page, int BtID) {
    static const QString titles[] = {
        QStringLiteral("前　言"), QStringLiteral("诗歌"),           QStringLiteral("词"),
        QStringLiteral("散曲"),   QStringLiteral("我国历代纪元表"), QStringLiteral("成语故事")};
    page.line(sectionHeading(titles[BtID]));
    page.line(blockOpener());
    switch (BtID) {
    case 0:
        prose(page, kPreface);
        break;
    case 1:
        prose(page, kShiIntro);
        example(page);
        page.line(blockOpener());
        prose(page, kShiRules);
        break;
    case 2:
        prose(page, kCi);
        break;
    case 3:
        sanqu(page);
        break;
    case 4:
        prose(page, kEras, true);
        break;
    case 5:
        prose(page, kIdioms, true);
        break;
    }
}

} // namespace

PageFile readMePage(int BtID) {
    PageFile page;
    headBlock(page, QStringLiteral("<title> Lumivers</title>"));
    bodyTag(page);
    if (BtID >= 0 && BtID <= 5)
        section(page, BtID);
    closingLines(page);
    return page;
}

void ReadMe(const Target& target, int BtID) {
    save(target, readMePage(BtID));
}

} // namespace pages
