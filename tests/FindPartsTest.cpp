// The search's parts on their own: folding, the forms of pinyin and of a
// year, the pinyin matcher, the era spans and the snippets.
#include "find/ChineseNumber.h"
#include "find/Normaliser.h"
#include "find/PinyinMatcher.h"
#include "find/PinyinQuery.h"
#include "find/Sexagenary.h"
#include "find/Snippet.h"
#include "find/YearConverter.h"
#include "find/YearQuery.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(Folding, DropsWhatCarriesNoWordsAndMapsBackToTheSource) {
    EXPECT_EQ(find::folded(u"床⑴前，明月光！ ＡＢｃ１"_s), u"床前明月光abc1"_s);
    EXPECT_EQ(find::folded(u"红阑干<sup>(33)</sup>。<BR>又"_s), u"红阑干又"_s);
    EXPECT_EQ(find::folded(u"一\r\n\r\n二"_s), u"一\x01二"_s);
    EXPECT_EQ(find::folded(u"\r\n一"_s), u"一"_s);
    EXPECT_EQ(find::folded(u"😀🎉\u0007\t<&>%_*'\"\\"_s), QString());
    // A character outside the basic plane is kept whole, its origin too.
    const find::Folded ext = find::fold(u"，𠀀字"_s, true);
    EXPECT_EQ(ext.text, u"𠀀字"_s);
    EXPECT_EQ(ext.origin, (std::vector<int>{1, 2, 3}));
    const find::Folded mapped = find::fold(u"床⑴前 明"_s, true);
    EXPECT_EQ(mapped.origin, (std::vector<int>{0, 2, 4}));
    // A lone "<" is no tag: the text after it stays.
    EXPECT_EQ(find::folded(u"a<b"_s), u"ab"_s);
    EXPECT_EQ(find::folded(u"<"_s), QString());
}

TEST(PinyinForms, AcceptTonesDigitsAndSpacesAndRejectAnythingElse) {
    EXPECT_EQ(find::pinyinLetters(u"lǚ lv lü"_s), u"lvlvlv"_s);
    EXPECT_EQ(find::pinyinLetters(u"xi'an"_s), u"xian"_s);
    EXPECT_EQ(find::pinyinLetters(u"ｌｉｂａｉ"_s), u"libai"_s);
    EXPECT_EQ(find::pinyinLetters(u"li\u0301"_s), u"li"_s);
    for (const QString& other :
         {u"李bai"_s, u"<b>"_s, u"' OR 1=1 --"_s, u"1644"_s, u"li6"_s, u"  "_s, QString()})
        EXPECT_FALSE(find::pinyinLetters(other)) << other.toStdString();
}

find::PinyinKey key(const QString& text, const std::vector<QStringList>& readings) {
    return find::PinyinKey(text, readings);
}

TEST(PinyinMatching, WholeReadingsInitialsAndABeginningOfTheLast) {
    const find::PinyinKey poem = key(u"静夜思"_s, {{u"jìng"_s}, {u"yè"_s}, {u"sī"_s}});
    for (const char* typed : {"jingyesi", "jys", "jingys", "jyesi", "jingyes", "j", "jin"}) {
        const auto hit = find::matchPinyin(poem, typed);
        ASSERT_TRUE(hit) << typed;
        EXPECT_EQ(hit->first, 0) << typed;
    }
    EXPECT_EQ(find::matchPinyin(poem, "yesi")->first, 1);
    EXPECT_EQ(find::matchPinyin(poem, "yesi")->count, 2);
    for (const char* typed : {"jyss", "jingyesii", "ingyesi", "jiyesi", "s s"})
        EXPECT_FALSE(find::matchPinyin(poem, typed)) << typed;
}

TEST(PinyinMatching, CharactersWithoutReadingAreSkippedAndMapBackToTheText) {
    const find::PinyinKey title = key(u"A·赤壁"_s, {{}, {}, {u"chì"_s}, {u"bì"_s}});
    ASSERT_EQ(title.size(), 2);
    const auto hit = find::matchPinyin(title, "cb");
    ASSERT_TRUE(hit);
    EXPECT_EQ(title.begin(hit->first), 2);
    EXPECT_EQ(title.end(hit->first + hit->count - 1), 4);
}

TEST(PinyinMatching, ManyAmbiguousSyllablesStayCheap) {
    // Each character may take one letter (its initial) or two (its whole
    // reading): without memory of the positions that failed, the ways to
    // split 50 letters over 40 characters would take years to try.
    const std::vector<QStringList> readings(40, QStringList{u"aa"_s});
    const find::PinyinKey many(QString(40, u'啊'), readings);
    EXPECT_FALSE(find::matchPinyin(many, std::string(50, 'a') + "b"));
    EXPECT_TRUE(find::matchPinyin(many, std::string(50, 'a')));
    EXPECT_FALSE(find::matchPinyin(many, std::string(1000, 'a')));
}

TEST(YearForms, AcceptTheUsualWritingsOnly) {
    EXPECT_EQ(find::parseYear(u"1644"_s), 1644);
    EXPECT_EQ(find::parseYear(u" 1644年 "_s), 1644);
    EXPECT_EQ(find::parseYear(u"公元１６４４年"_s), 1644);
    EXPECT_EQ(find::parseYear(u"前221"_s), -221);
    EXPECT_EQ(find::parseYear(u"公元前221年"_s), -221);
    for (const QString& other : {u"0"_s, u"前0"_s, u"123456"_s, u"年"_s, u"前"_s, u"16 44"_s,
                                 u"-221"_s, u"1644年年"_s, u"公元"_s, QString()})
        EXPECT_FALSE(find::parseYear(other)) << other.toStdString();
}

TEST(YearNames, SexagenaryNamesAndOrdinalsAcrossTheEra) {
    EXPECT_EQ(find::sexagenaryName(4), u"甲子"_s);
    EXPECT_EQ(find::sexagenaryName(1644), u"甲申"_s);
    EXPECT_EQ(find::sexagenaryName(-1), u"庚申"_s); // 1 BC
    EXPECT_EQ(find::sexagenaryName(1), u"辛酉"_s);
    EXPECT_EQ(find::sexagenaryName(-221), u"庚辰"_s);
    EXPECT_EQ(find::eraYearNumber(1), u"元"_s);
    EXPECT_EQ(find::eraYearNumber(10), u"十"_s);
    EXPECT_EQ(find::eraYearNumber(17), u"十七"_s);
    EXPECT_EQ(find::eraYearNumber(20), u"二十"_s);
    EXPECT_EQ(find::eraYearNumber(61), u"六十一"_s);
}

std::vector<QString> eras(const find::YearConverter& years, int year) {
    std::vector<QString> found;
    for (const find::EraYear& era : years.erasIn(year))
        found.push_back(era.dynasty + (era.era.isEmpty() ? era.ruler : era.era) +
                        QString::number(era.ordinal));
    return found;
}

TEST(EraSpans, LengthsNextStartsOverlapsAndThePresent) {
    const std::vector<find::EraRow> rows{
        {0, u"甲"_s, u"王一"_s, u"(3)"_s, u"前2"_s},          // -2, -1, 1
        {1, u"甲"_s, u"王二"_s, u"乙<p>丙(2)"_s, u"3<p>5"_s}, // 乙 runs to 4
        {2, u"丁"_s, u"（共和政体）"_s, u"戊"_s, u"6"_s},     // the last: to the present
    };
    const find::YearConverter years(rows, 9);
    EXPECT_EQ(eras(years, -2), std::vector<QString>{u"甲王一1"_s});
    EXPECT_EQ(eras(years, 1), std::vector<QString>{u"甲王一3"_s});
    EXPECT_TRUE(eras(years, 2).empty()); // a year no era covers
    EXPECT_EQ(eras(years, 4), std::vector<QString>{u"甲乙2"_s});
    EXPECT_EQ(eras(years, 6), (std::vector<QString>{u"甲丙2"_s, u"丁戊1"_s}));
    EXPECT_EQ(eras(years, 9), std::vector<QString>{u"丁戊4"_s});
    EXPECT_EQ(years.firstYear(), -2);
    EXPECT_EQ(years.lastYear(), 9);
    EXPECT_FALSE(years.covers(-3));
    EXPECT_FALSE(years.covers(10));
    EXPECT_EQ(years.erasIn(6)[1].ruler, QString()); // a note is no ruler's name
}

TEST(Snippets, StayInTheLineAndNeverSplitACharacter) {
    const QString text = u"第一行\r\n前面的字𠀀很多很多很多很多甲乙丙后面\r\n第三行"_s;
    const int at = int(text.indexOf(u"甲乙丙"_s));
    const find::Snippet snippet = find::snippetAround(text, at, at + 3);
    EXPECT_EQ(snippet.match, u"甲乙丙"_s);
    EXPECT_EQ(snippet.after, u"后面"_s);
    EXPECT_FALSE(snippet.before.contains(u'\n'));
    EXPECT_FALSE(snippet.before.front().isLowSurrogate());
    EXPECT_EQ(find::shownText(u"床<sup>(21)</sup>前\t"_s, 0, 18), u"床(21)前"_s);
    EXPECT_EQ(find::snippetAround(u"ab"_s, 5, 9).match, QString());
}

} // namespace
