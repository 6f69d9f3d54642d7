// The query engine over the shipped content: a table of queries with the
// result each must give first, the years with the eras they must give, and
// input that must find nothing.
#include "ShippedFinder.h"
#include "find/Index.h"
#include "find/PinyinData.h"
#include "find/Search.h"
#include "find/Snippet.h"

#include "store/ContentStore.h"
#include "store/Pinyin.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

using shipped::finder;
using shipped::search;

struct FirstResult {
    QString query;
    QString kind;
    QString title;
    QString poet;
};

void PrintTo(const FirstResult& row, std::ostream* out) {
    *out << row.query.toStdString();
}

class FirstResultOf : public ::testing::TestWithParam<FirstResult> {};

TEST_P(FirstResultOf, Query) {
    const FirstResult& expected = GetParam();
    const find::Results results = search(expected.query);
    ASSERT_FALSE(results.rows.empty()) << expected.query.toStdString();
    const find::Result& first = results.rows.front();
    EXPECT_EQ(find::kindLabel(first.kind), expected.kind);
    EXPECT_EQ(first.title, expected.title);
    EXPECT_EQ(first.poet, expected.poet);
}

INSTANTIATE_TEST_SUITE_P(
    TitlesAndLines, FirstResultOf,
    ::testing::Values(FirstResult{u"静夜思"_s, u"诗"_s, u"静夜思"_s, u"李白"_s},
                      FirstResult{u"登鹳雀"_s, u"诗"_s, u"登鹳雀楼"_s, u"王之涣"_s},
                      FirstResult{u"床前明月光"_s, u"诗"_s, u"静夜思"_s, u"李白"_s},
                      FirstResult{u"床前明月光，"_s, u"诗"_s, u"静夜思"_s, u"李白"_s},
                      FirstResult{u"床前 明月"_s, u"诗"_s, u"静夜思"_s, u"李白"_s},
                      FirstResult{u"ＦＯＯ床前　明月！"_s.mid(3), u"诗"_s, u"静夜思"_s, u"李白"_s},
                      FirstResult{u"念奴娇赤壁怀古"_s, u"词"_s, u"念奴娇·赤壁怀古"_s, u"苏轼"_s}));

INSTANTIATE_TEST_SUITE_P(
    TraditionalInput, FirstResultOf,
    ::testing::Values(FirstResult{u"牀前明月光"_s, u"诗"_s, u"静夜思"_s, u"李白"_s},
                      FirstResult{u"靜夜思"_s, u"诗"_s, u"静夜思"_s, u"李白"_s},
                      FirstResult{u"舉頭望明月"_s, u"诗"_s, u"静夜思"_s, u"李白"_s},
                      FirstResult{u"乾隆"_s, u"纪元"_s, u"清"_s, u"高宗弘历"_s},
                      // Taiwan's forms: 著 is also the particle 着, 裡 is 里.
                      FirstResult{u"挨著靠著雲窗同坐"_s, u"曲"_s, u"中吕·红绣鞋"_s, u"贯云石"_s},
                      FirstResult{u"守著窗兒"_s, u"词"_s, u"声声慢"_s, u"李清照"_s},
                      FirstResult{u"竹裡館"_s, u"诗"_s, u"竹里馆"_s, u"王维"_s},
                      // Hong Kong's: 衞 is 卫.
                      FirstResult{u"學書初學衞夫人"_s, u"诗"_s, u"丹青引赠曹将军霸"_s, u"杜甫"_s}));

TEST(TraditionalInput, ACharacterTheConversionChangesStillFindsItsOwnForm) {
    // 乾 alone converts to 干, yet 乾隆 is written with 乾.
    bool found = false;
    for (const find::Result& row : search(u"乾"_s, 100000).rows)
        found = found || (row.title == u"清"_s && row.poet == u"高宗弘历"_s);
    EXPECT_TRUE(found);
}

INSTANTIATE_TEST_SUITE_P(
    NamesIdiomsErasAndPinyin, FirstResultOf,
    ::testing::Values(FirstResult{u"李白"_s, u"诗人"_s, u"李白"_s, {}},
                      FirstResult{u"苏轼"_s, u"诗人"_s, u"苏轼"_s, {}},
                      FirstResult{u"班门弄斧"_s, u"成语"_s, u"班门弄斧"_s, {}},
                      FirstResult{u"半途"_s, u"成语"_s, u"半途而废"_s, {}},
                      FirstResult{u"东晋"_s, u"朝代"_s, u"东晋"_s, {}},
                      FirstResult{u"贞观"_s, u"纪元"_s, u"唐"_s, u"太宗李世民"_s},
                      FirstResult{u"朱元璋"_s, u"纪元"_s, u"明"_s, u"太祖朱元璋"_s},
                      // The same and the titles by pinyin, whole, spaced, toned and by initials.
                      FirstResult{u"libai"_s, u"诗人"_s, u"李白"_s, {}},
                      FirstResult{u"li bai"_s, u"诗人"_s, u"李白"_s, {}},
                      FirstResult{u"lǐ bái"_s, u"诗人"_s, u"李白"_s, {}},
                      FirstResult{u"LI3 BAI2"_s, u"诗人"_s, u"李白"_s, {}},
                      FirstResult{u"lb"_s, u"诗人"_s, u"李白"_s, {}},
                      FirstResult{u"jys"_s, u"诗"_s, u"静夜思"_s, u"李白"_s},
                      FirstResult{u"jingyesi"_s, u"诗"_s, u"静夜思"_s, u"李白"_s},
                      FirstResult{u"dengguanquelou"_s, u"诗"_s, u"登鹳雀楼"_s, u"王之涣"_s},
                      FirstResult{u"nnjcbhg"_s, u"词"_s, u"念奴娇·赤壁怀古"_s, u"苏轼"_s},
                      FirstResult{u"nnjchbhg"_s, u"词"_s, u"念奴娇·赤壁怀古"_s, u"苏轼"_s},
                      FirstResult{u"jingye"_s, u"诗"_s, u"静夜思"_s, u"李白"_s},
                      FirstResult{u"qiangjinjiu"_s, u"诗"_s, u"将进酒"_s, u"李白"_s},
                      FirstResult{u"bmnf"_s, u"成语"_s, u"班门弄斧"_s, {}},
                      FirstResult{u"dongjin"_s, u"朝代"_s, u"东晋"_s, {}},
                      FirstResult{u"qianlong"_s, u"纪元"_s, u"清"_s, u"高宗弘历"_s}));

std::vector<QString> titles(const find::Results& results) {
    std::vector<QString> shown;
    for (const find::Result& row : results.rows)
        if (row.kind == find::Kind::Era && row.snippet.before.startsWith(u"公元"_s))
            shown.push_back(row.title + u' ' + row.snippet.before.section(u'，', 1, 1));
    return shown;
}

TEST(Years, GiveEveryEraInForceWithItsOrdinalAndSexagenaryName) {
    EXPECT_EQ(titles(search(u"627"_s)), std::vector<QString>{u"唐 贞观元年 丁亥"_s});
    EXPECT_EQ(titles(search(u"公元1644年"_s)),
              (std::vector<QString>{u"明 崇祯十七年 甲申"_s, u"清 顺治元年 甲申"_s}));
    EXPECT_EQ(titles(search(u"前221"_s)), std::vector<QString>{u"秦 始皇帝嬴政二十六年 庚辰"_s});
    EXPECT_EQ(titles(search(u"公元前841年"_s)), std::vector<QString>{u"西周 共和元年 庚申"_s});
    // Three eras began in 684 and two rulers shared 189.
    EXPECT_EQ(titles(search(u"684"_s)).size(), 3u);
    EXPECT_EQ(titles(search(u"189年"_s)),
              (std::vector<QString>{u"东汉 中平六年 己巳"_s, u"东汉 光熹元年 己巳"_s,
                                    u"东汉 昭宁元年 己巳"_s, u"东汉 永汉元年 己巳"_s}));
}

TEST(Years, ARulerWhoKeptHisPredecessorsEraGoesOnCountingIt) {
    // 昭宗 had 天祐 for its first year only; 哀帝 kept it to the end of 唐.
    EXPECT_EQ(titles(search(u"905"_s)), std::vector<QString>{u"唐 天祐二年 乙丑"_s});
    EXPECT_EQ(titles(search(u"904"_s)),
              (std::vector<QString>{u"唐 天复四年 甲子"_s, u"唐 天祐元年 甲子"_s,
                                    u"唐 天祐元年 甲子"_s}));
    // 辽太宗 came to the throne in the second year of 天显, not a first of his own.
    const std::vector<QString> liao = titles(search(u"927"_s));
    EXPECT_NE(std::find(liao.begin(), liao.end(), u"辽 天显二年 丁亥"_s), liao.end());
}

TEST(Years, CountEveryEraInTheTotal) {
    for (const QString& year : {u"1644"_s, u"904"_s, u"189"_s}) {
        const find::Results results = search(year, 100000);
        EXPECT_EQ(results.total, int(results.rows.size())) << year.toStdString();
        EXPECT_GE(results.total, 2) << year.toStdString();
    }
}

TEST(Years, OpenTheirDynastysEraTableAndMarkTheEra) {
    const find::Result first = search(u"1644"_s).rows.front();
    EXPECT_EQ(first.key, u"J16"_s);
    EXPECT_EQ(first.highlight, u"崇祯"_s);
}

TEST(Years, OutsideTheTableSaySo) {
    for (const QString& year : {u"前842"_s, u"3000"_s}) {
        const find::Results results = search(year);
        EXPECT_TRUE(titles(results).empty()) << year.toStdString();
        EXPECT_TRUE(results.notice.contains(u"不在纪元表的范围内"_s)) << year.toStdString();
    }
    EXPECT_TRUE(search(u"1644"_s).notice.isEmpty());
}

TEST(BadInput, FindsNothingItShouldNot) {
    const QString longQuery = QString(u"床前明月光"_s).repeated(40);
    for (const QString& query : {u"没有这样的诗句哦"_s, longQuery, u"' OR 1=1 --"_s, u"<b>"_s,
                                 u"%"_s, u"_"_s, u"'"_s, u"\""_s, u"\\"_s, u"*"_s, u"&"_s, u"<"_s,
                                 u"，。！"_s, u"😀🎉"_s, u"\u0007\t"_s, QString()}) {
        const find::Results results = search(query);
        EXPECT_EQ(results.total, 0) << query.toStdString();
        EXPECT_TRUE(results.rows.empty()) << query.toStdString();
    }
}

TEST(BadInput, TenThousandPastedCharactersStillGiveAnAnswer) {
    const QString pasted = QString(u"明月😀<&>'\t"_s).repeated(1000);
    EXPECT_EQ(search(pasted).total, 0);
    // Pasted words are no terms to look for one by one: 明 and 月 are each
    // found in many pieces, the whole text in none.
    EXPECT_EQ(search(QString(u"明 月 "_s).repeated(1000)).total, 0);
    EXPECT_GT(search(QString(u"明 月 "_s).repeated(4)).total, 0);
}

TEST(Listing, ShowsAtMostTheLimitAndCountsAll) {
    const find::Results results = search(u"月"_s, 100);
    EXPECT_EQ(results.rows.size(), 100u);
    EXPECT_GT(results.total, 100);
    // Each node once.
    QSet<QString> keys;
    for (const find::Result& row : search(u"月"_s, 100000).rows)
        keys.insert(row.key + row.title + row.poet);
    EXPECT_EQ(keys.size(), results.total);
}

TEST(Listing, RanksByClassThenByTheOrderOfTheCollection) {
    for (const QString& query : {u"明月"_s, u"李"_s, u"白"_s, u"春"_s}) {
        const find::Results results = search(query, 100000);
        ASSERT_FALSE(results.rows.empty());
        for (size_t i = 1; i < results.rows.size(); ++i)
            EXPECT_LE(results.rows[i - 1].matchClass, results.rows[i].matchClass)
                << query.toStdString() << " row " << i;
    }
    // A poet's whole name, then the first line, then any line; a whole line
    // of verse before a part of one.
    const find::Results li = search(u"李白"_s);
    EXPECT_EQ(li.rows.front().matchClass, find::MatchClass::Name);
    EXPECT_EQ(search(u"春眠"_s).rows.front().matchClass, find::MatchClass::FirstLine);
    EXPECT_EQ(search(u"落知多少"_s).rows.front().matchClass, find::MatchClass::AnyLine);
    EXPECT_EQ(search(u"花落知多少"_s).rows.front().matchClass, find::MatchClass::WholeLine);
}

TEST(Snippets, ShowTheMatchInItsLineWithMarkupRemovedAndTextEscaped) {
    const find::Result hit = search(u"疑是地上霜"_s).rows.front();
    EXPECT_EQ(hit.snippet.match, u"疑是地上霜"_s);
    EXPECT_EQ(hit.highlight, u"疑是地上霜"_s);
    // A match across a note marker keeps the marker, as the page shows it.
    EXPECT_EQ(search(u"床前"_s).rows.front().highlight, u"床⑴前"_s);
    EXPECT_EQ(find::snippetHtml({u"<b>"_s, u"a&b"_s, u"\"'"_s}),
              u"&lt;b&gt;<b>a&amp;b</b>&quot;'"_s);
}

TEST(PinyinNames, EitherReadingOfANameFindsIt) {
    const store::Pinyin pinyin("[]", R"({"单雄信": ["shàn xióng xìn", "dān xióng xìn"]})");
    find::Corpus corpus;
    corpus.entries.push_back({find::Kind::Poet, u"R0.0"_s, u"单雄信"_s, {}});
    corpus.fields.push_back({0, find::Role::Poet, u"单雄信"_s, {}});
    const find::Index index(corpus, find::PinyinData(pinyin));
    for (const char* typed : {"shanxiongxin", "danxiongxin", "sxx", "dxx", "shxx"}) {
        std::vector<find::Hit> hits;
        index.findPinyin(typed, hits);
        EXPECT_EQ(hits.size(), 1u) << typed;
    }
    std::vector<find::Hit> hits;
    index.findPinyin("xiongxin", hits);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].begin, 1);
    EXPECT_EQ(hits[0].end, 3);
    hits.clear();
    index.findPinyin("zxx", hits);
    EXPECT_TRUE(hits.empty());
}

} // namespace
