// The vertical verse page and the card, as the builders write them.
#include "pages/Builders.h"
#include "pages/CardPage.h"

#include <gtest/gtest.h>

using namespace pages;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString kBullet = u"/c/temp/dicts/Dian"_s;

qsizetype lineWith(const QStringList& lines, const QString& part) {
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].contains(part))
            return i;
    return -1;
}

} // namespace

TEST(VerticalPage, TitlePoetAndTextStandInTheColumnsAndTheNotesBelowThem) {
    const VerticalVerse vertical{u"李白"_s};
    const QStringList plain =
        htmlPage(kBullet, u"静夜思"_s, u"床⑴前\r\n举头"_s, u"⑴床：井栏。"_s, u"析"_s).lines();
    const QStringList lines = htmlPage(kBullet, u"静夜思"_s, u"床⑴前\r\n举头"_s,
                                       u"⑴床：井栏。"_s, u"析"_s, nullptr, nullptr, &vertical)
                                  .lines();
    // The head is every page's, so the view can still put the page in place.
    EXPECT_EQ(lines.mid(0, 8), plain.mid(0, 8));
    const qsizetype open = lineWith(lines, u"<div class=\"vt\">"_s);
    const qsizetype title = lineWith(lines, u"<b>静夜思</b>"_s);
    const qsizetype poet = lineWith(lines, u"<p class=\"po\">李白</p>"_s);
    const qsizetype text = lineWith(lines, u"举头<br>"_s);
    const qsizetype close = lineWith(lines, u"</div>"_s);
    const qsizetype notes = lineWith(lines, u"<b>注解</b>"_s);
    EXPECT_GT(open, lineWith(lines, u"writing-mode: vertical-rl"_s));
    EXPECT_LT(open, title);
    EXPECT_EQ(poet, title + 1);
    EXPECT_LT(poet, text);
    EXPECT_EQ(close, text + 1);
    EXPECT_LT(close, notes);
    // The marker stays raised beside its character.
    EXPECT_GE(lineWith(lines, u"床<sup>⑴</sup>前<br>"_s), 0);
    // Without a poet there is no empty column.
    const VerticalVerse nameless;
    EXPECT_EQ(lineWith(htmlPage(kBullet, u"t"_s, u"x"_s, {}, {}, nullptr, nullptr, &nameless)
                           .lines(),
                       u"class=\"po\""_s),
              -1);
}

TEST(Card, TheTextIsEscapedWithoutNoteMarkersAndVerticalCardsFitTheirColumns) {
    Card card{u"静夜思<b>&"_s, u"李白"_s, u"床⑴前明月光，\r\n疑是地上霜。⑵\r\n"_s};
    const QString html = cardHtml(card);
    EXPECT_TRUE(html.contains(u"静夜思&lt;b&gt;&amp;"_s));
    EXPECT_TRUE(html.contains(u"床前明月光，<br>疑是地上霜。</p>"_s)) << html.toStdString();
    EXPECT_FALSE(html.contains(u"⑴"_s));
    EXPECT_FALSE(html.contains(u"writing-mode"_s));
    EXPECT_TRUE(html.contains(u"#b8322a"_s)); // the seal

    card.vertical = true;
    EXPECT_TRUE(cardHtml(card).contains(u"writing-mode: vertical-rl"_s));
    const int few = cardFontSize(card);
    QString many;
    for (int i = 0; i < 10; ++i)
        many += u"汉皇重色思倾国，御宇多年求不得。\r\n"_s;
    card.text = many;
    const int more = cardFontSize(card);
    EXPECT_LT(more, few);
    // Twelve columns of that size fit the card's width.
    EXPECT_LE(12 * 1.9 * more, kCardWidth - 88);
    for (int i = 0; i < 10; ++i)
        card.text += many;
    EXPECT_EQ(cardFontSize(card), 10);
}
