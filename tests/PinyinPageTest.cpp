// Poem pages with pinyin: the title and the text lines carry ruby, markers
// stay raised and punctuation bare, and nothing else on the page changes.
#include "pages/Builders.h"
#include "pages/SyllableWidth.h"

#include <gtest/gtest.h>

using namespace pages;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString kBullet = u"B"_s;

// A text line whose cells are this wide; the widths below are worked out by
// hand from the letter widths, the syllables' size (0.7) and their padding.
QString line(const QString& cell) {
    return uR"(<span class="py" style="--cell: )"_s + cell + uR"(">)"_s;
}
// The heading's characters, in cells of their own width.
QString cells(const QString& cell, const QString& ruby) {
    return uR"(<span style="--cell: )"_s + cell + uR"(">)"_s + ruby + u"</span>"_s;
}

QString heading(const QString& tail) {
    return uR"(<p style="line-height: 180%"><img border="0" src="B" width="16" height="16")"_s +
           tail;
}

// Ruby for a run of characters, one syllable each.
QString r(const QString& characters, const QString& syllables) {
    const QStringList each = syllables.split(u' ');
    QString out;
    for (qsizetype i = 0; i < characters.size(); ++i)
        out += u"<ruby>"_s + characters[i] + u"<rt>"_s + each[i] + u"</rt></ruby>"_s;
    return out;
}

struct Piece {
    QString title;
    QString text;
    QString notes;
    QStringList titleSyllables;
    std::vector<QStringList> lines;

    PageFile page(bool pinyin) const {
        const Readings readings{&titleSyllables, &lines};
        return htmlPage(kBullet, title, text, notes, u"析"_s, pinyin ? &readings : nullptr);
    }
};

std::vector<QStringList> split(std::initializer_list<QString> lines) {
    std::vector<QStringList> out;
    for (const QString& line : lines)
        out.push_back(line.split(u' '));
    return out;
}

// The text lines of a page: those between the font line and the 注解 heading.
QStringList textLines(const PageFile& page) {
    const QStringList& lines = page.lines();
    const qsizetype first = lines.indexOf(uR"(<font size="3">)"_s) + 1;
    const qsizetype notes = lines.indexOf(heading(u"><b>注解</b></p>"_s));
    return lines.mid(first, notes - first);
}

const Piece kShi{u"登鹳雀楼"_s, u"白日⑴依山尽⑵，黄河入海流。\r\n欲穷⑶千里目⑷，更上一层楼。"_s,
                 u"⑴白日：太阳。"_s, u"dēng guàn què lóu"_s.split(u' '),
                 split({u"bái rì yī shān jìn huáng hé rù hǎi liú"_s,
                        u"yù qióng qiān lǐ mù gèng shàng yì céng lóu"_s})};

} // namespace

TEST(PinyinPage, ShiCarriesRubyOverTitleAndLinesOnly) {
    // The rest of the page is the plain one (below).
    const PageFile page = kShi.page(true);
    EXPECT_EQ(page.lines()[9],
              heading(u"><b>"_s + cells(u"1.99em"_s, r(u"登鹳雀楼"_s, u"dēng guàn què lóu"_s)) +
                      u"</b></p>"_s));
    // huáng, the widest syllable of the text, sets the cells of every line.
    EXPECT_EQ(textLines(page).first(),
              line(u"2.44em"_s) + r(u"白日"_s, u"bái rì"_s) + u"<sup>⑴</sup>"_s +
                  r(u"依山尽"_s, u"yī shān jìn"_s) + u"<sup>⑵</sup>，"_s +
                  r(u"黄河入海流"_s, u"huáng hé rù hǎi liú"_s) + u"。</span><br>"_s);
}

TEST(PinyinPage, CiKeepsMarkersRaisedAndPunctuationBare) {
    const Piece ci{u"如梦令"_s,
                   u"昨夜雨疏风骤⑴。\r\n浓睡不消残酒⑵。\r\n试问卷帘人⑶，却道海棠依旧。\r\n知否。"_s,
                   u"⑴注"_s, u"rú mèng lìng"_s.split(u' '),
                   split({u"zuó yè yǔ shū fēng zhòu"_s, u"nóng shuì bù xiāo cán jiǔ"_s,
                          u"shì wèn juǎn lián rén què dào hǎi táng yī jiù"_s, u"zhī fǒu"_s})};
    EXPECT_EQ(
        textLines(ci.page(true)),
        QStringList({line(u"1.99em"_s) + r(u"昨夜雨疏风骤"_s, u"zuó yè yǔ shū fēng zhòu"_s) +
                         u"<sup>⑴</sup>。</span><br>"_s,
                     line(u"1.99em"_s) + r(u"浓睡不消残酒"_s, u"nóng shuì bù xiāo cán jiǔ"_s) +
                         u"<sup>⑵</sup>。</span><br>"_s,
                     line(u"1.99em"_s) + r(u"试问卷帘人"_s, u"shì wèn juǎn lián rén"_s) +
                         u"<sup>⑶</sup>，"_s + r(u"却道海棠依旧"_s, u"què dào hǎi táng yī jiù"_s) +
                         u"。</span><br>"_s,
                     line(u"1.99em"_s) + r(u"知否"_s, u"zhī fǒu"_s) + u"。</span><br>"_s}));
}

TEST(PinyinPage, SanquTitleDotsAndHighNoteNumbersStayBare) {
    const Piece qu{u"越调·天净沙·秋思"_s, u"夕阳西下，断肠人⑷在天涯<sup>(21)</sup>。"_s, u"⑷注"_s,
                   u"yuè diào tiān jìng shā qiū sī"_s.split(u' '),
                   split({u"xī yáng xī xià duàn cháng rén zài tiān yá"_s})};
    const PageFile page = qu.page(true);
    EXPECT_EQ(page.lines()[9], heading(u"><b>"_s +
                                       cells(u"1.74em"_s, r(u"越调"_s, u"yuè diào"_s) + u"·"_s +
                                                              r(u"天净沙"_s, u"tiān jìng shā"_s) +
                                                              u"·"_s + r(u"秋思"_s, u"qiū sī"_s)) +
                                       u"</b></p>"_s));
    EXPECT_EQ(page.lines()[3], u"<title>越调·天净沙·秋思</title>"_s);
    EXPECT_EQ(textLines(page),
              QStringList({line(u"2.39em"_s) + r(u"夕阳西下"_s, u"xī yáng xī xià"_s) + u"，"_s +
                           r(u"断肠人"_s, u"duàn cháng rén"_s) + u"<sup>⑷</sup>"_s +
                           r(u"在天涯"_s, u"zài tiān yá"_s) + u"<sup>(21)</sup>。</span><br>"_s}));
}

TEST(PinyinPage, WithoutPinyinThePageIsThePlainOne) {
    const QStringList plain = kShi.page(false).lines();
    EXPECT_EQ(kShi.page(false).bytes(),
              htmlPage(kBullet, kShi.title, kShi.text, kShi.notes, u"析"_s).bytes());
    EXPECT_FALSE(plain.join(u'\n').contains(u"ruby"_s));
    // With pinyin, only the style, the heading and the text lines differ.
    QStringList withPinyin = kShi.page(true).lines();
    withPinyin.removeAt(8);
    ASSERT_EQ(withPinyin.size(), plain.size());
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const bool carriesPinyin = i == 8 || i == 11 || i == 12;
        EXPECT_EQ(withPinyin[i] == plain[i], !carriesPinyin) << i;
    }
}

TEST(PinyinPage, MissingSyllablesLeaveCharactersBareRatherThanMisread) {
    EXPECT_EQ(rubyLine(u"白日依"_s, {u"bái"_s}),
              cells(u"1.32em"_s, u"<ruby>白<rt>bái</rt></ruby>日依"_s));
    // A short syllable still leaves a character room to breathe.
    EXPECT_EQ(rubyText(u"甲\r\n乙"_s, split({u"jiǎ"_s})),
              line(u"1.25em"_s) + u"<ruby>甲<rt>jiǎ</rt></ruby></span>\r\n"_s + line(u"1.25em"_s) +
                  u"乙</span>"_s);
    // A character code page 936 lacks shows as '?' but keeps its reading, so
    // the syllables after it stay on their characters.
    const QString extensionB = QString::fromUcs4(U"\U00020000");
    EXPECT_EQ(
        rubyLine(extensionB + u"⑴白"_s, {u"hē"_s, u"bái"_s}),
        cells(u"1.32em"_s, u"<ruby>?<rt>hē</rt></ruby><sup>⑴</sup><ruby>白<rt>bái</rt></ruby>"_s));
}

TEST(PinyinPage, SyllablesAreMeasuredLetterByLetterWithTonesOnTheirVowels) {
    EXPECT_DOUBLE_EQ(syllableEms(u"lǜ"_s), syllableEms(u"lu"_s));
    EXPECT_DOUBLE_EQ(syllableEms(u"ḿ"_s), syllableEms(u"m"_s));
    EXPECT_GT(syllableEms(u"mian"_s), syllableEms(u"lian"_s));
    // Anything unexpected counts a full em, so the cell errs wide.
    EXPECT_DOUBLE_EQ(syllableEms(u"☃"_s), 1.0);
    EXPECT_LT(cellEms(split({u"yī èr"_s})), cellEms(split({u"yī"_s, u"zhuàng"_s})));
}
