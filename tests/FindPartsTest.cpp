// The search's parts on their own: folding, the forms of pinyin and of a
// year, the pinyin matcher, the era spans and the snippets.
#include "find/AliasFields.h"
#include "find/ChineseNumber.h"
#include "find/Normaliser.h"
#include "find/OneEdit.h"
#include "find/PinyinMatcher.h"
#include "find/PinyinQuery.h"
#include "find/RulerAliases.h"
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
    // Tone digits run from 1 to 5, the neutral tone.
    EXPECT_EQ(find::pinyinLetters(u"ma5 ma1"_s), u"mama"_s);
    EXPECT_EQ(find::pinyinLetters(u"ma５"_s), u"ma"_s);
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

TEST(PinyinMatching, OneSlipOffWholeReadings) {
    const find::PinyinKey poet = key(u"苏轼"_s, {{u"sū"_s}, {u"shì"_s}});
    for (const char* typed : {"suhsi", "sushj", "sshi", "sushii", "usshi", "xushi"}) {
        const auto hit = find::matchPinyinNear(poet, typed);
        ASSERT_TRUE(hit) << typed;
        EXPECT_EQ(hit->first, 0) << typed;
        EXPECT_EQ(hit->count, 2) << typed;
    }
    // Two slips, or a slip in initials, find nothing.
    for (const char* typed : {"suhsii", "shhsi", "xyz"})
        EXPECT_FALSE(find::matchPinyinNear(poet, typed)) << typed;
    const find::PinyinKey title = key(u"静夜思"_s, {{u"jìng"_s}, {u"yè"_s}, {u"sī"_s}});
    EXPECT_EQ(find::matchPinyinNear(title, "yexi")->first, 1);
    EXPECT_TRUE(find::withinOneEdit(QStringView(u"床前明月光"), QStringView(u"床前看月光"), false));
    EXPECT_TRUE(find::withinOneEdit(QStringView(u"床前明月光"), QStringView(u"床前月光"), false));
    EXPECT_FALSE(find::withinOneEdit(QStringView(u"床前明月光"), QStringView(u"床明前月光"), false));
    EXPECT_FALSE(find::withinOneEdit(QStringView(u"床前明月光"), QStringView(u"床后看月光"), false));
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

TEST(EraSpans, AnEraASuccessorKeptCountsFromItsFirstYear) {
    const std::vector<find::EraRow> rows{
        {0, u"金"_s, u"太宗"_s, u"天会(13)"_s, u"1123"_s},
        {1, u"金"_s, u"熙宗"_s, u"天会(3)<p>天眷(3)"_s, u"1135<p>1138"_s},
        {2, u"金"_s, u"某宗"_s, u"天眷(2)"_s, u"1150"_s}, // the same name, years later
    };
    const find::YearConverter years(rows, 1200);
    EXPECT_EQ(eras(years, 1135), (std::vector<QString>{u"金天会13"_s, u"金天会13"_s}));
    EXPECT_EQ(eras(years, 1137), std::vector<QString>{u"金天会15"_s});
    EXPECT_EQ(eras(years, 1150), std::vector<QString>{u"金天眷1"_s});
}

TEST(Folding, MarksWhereEachClauseBegins) {
    const find::Folded lines = find::fold(u"床⑴前明月光，疑是<sup>(2)</sup>地上霜。\r\n举头"_s, false, true);
    ASSERT_EQ(lines.text, u"床前明月光疑是地上霜\x01举头"_s);
    std::vector<bool> starts(size_t(lines.text.size()), false);
    starts[0] = starts[5] = starts[11] = true;
    EXPECT_EQ(lines.clauseStarts, starts);
}

TEST(RulerAliases, TitlesUnderTheCommonDynastyNamesAndErasOfMingAndQing) {
    const std::vector<find::EraRow> rows{
        {0, u"唐"_s, u"太宗李世民"_s, u"贞观(23)"_s, u"627"_s},
        {1, u"北宋"_s, u"徽宗赵佶"_s, u"崇宁(5)<p>大观(4)"_s, u"1102<p>1107"_s},
        {2, u"夏"_s, u"禹"_s, QString(), QString()},
        {3, u"刘宋"_s, u"元凶刘劭"_s, u"太初(1)"_s, u"453"_s},
        {4, u"清"_s, u"太宗皇太极"_s, u"天聪(10)<p>崇德(8)"_s, u"1627<p>1636"_s},
        {5, u"明"_s, u"英宗朱祁镇（复辟）"_s, u"天顺(8)"_s, u"1457"_s},
    };
    QStringList names;
    for (const store::Alias& alias : find::rulerAliases(rows))
        names << alias.name + u'>' + alias.target + u'>' + alias.note;
    EXPECT_EQ(names, (QStringList{u"唐太宗>太宗李世民>年号贞观"_s, u"北宋徽宗>徽宗赵佶>年号崇宁、大观"_s,
                                  u"宋徽宗>徽宗赵佶>年号崇宁、大观"_s, u"清太宗>太宗皇太极>年号天聪、崇德"_s,
                                  u"明英宗>英宗朱祁镇（复辟）>年号天顺"_s,
                                  u"天顺帝>英宗朱祁镇（复辟）>年号天顺"_s}));
}

TEST(RulerAliases, EachGoesToItsTargetsRowAndAMissingTargetIsGivenBack) {
    find::Corpus corpus;
    corpus.entries = {{find::Kind::Poet, u"R0.0"_s, u"苏轼"_s, {}},
                      {find::Kind::Era, u"J1"_s, u"唐"_s, u"中宗李显"_s},
                      {find::Kind::Era, u"J1"_s, u"唐"_s, u"中宗李显"_s}};
    const std::vector<store::Alias> missing = find::addAliases(
        corpus, {{u"东坡"_s, u"苏轼"_s, {}, u"号"_s}, {u"唐中宗"_s, u"中宗李显"_s, u"唐"_s, u"年号"_s},
                 {u"太白"_s, u"李白"_s, {}, u"字"_s}, {u"唐睿宗"_s, u"睿宗李旦"_s, u"唐"_s, u"年号"_s}});
    ASSERT_EQ(missing.size(), 2u);
    EXPECT_EQ(missing[0].name, u"太白"_s);
    EXPECT_EQ(missing[1].name, u"唐睿宗"_s);
    ASSERT_EQ(corpus.fields.size(), 3u);
    EXPECT_EQ(corpus.fields[0].entry, 0);
    EXPECT_EQ(corpus.fields[1].entry, 1);
    EXPECT_EQ(corpus.fields[2].entry, 2);
    EXPECT_EQ(corpus.fields[2].role, find::Role::Alias);
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
