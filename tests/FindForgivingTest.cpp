// The search over the shipped content where what is typed is slightly off:
// one character off, several terms, the other names of poets and rulers,
// pinyin initials of every kind and pinyin one slip off, and the ranking a
// reader expects of them.
#include "ShippedFinder.h"
#include "find/AliasFields.h"
#include "find/ContentReader.h"
#include "find/Normaliser.h"
#include "find/RulerAliases.h"
#include "find/Search.h"

#include "store/Aliases.h"
#include "store/ContentStore.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

using shipped::content;
using shipped::finder;
using shipped::search;

struct Expected {
    QString query;
    QString kind;
    QString title;
    QString poet;
    bool near = false;
};

void PrintTo(const Expected& row, std::ostream* out) {
    *out << row.query.toStdString();
}

class FirstRowOf : public ::testing::TestWithParam<Expected> {};

TEST_P(FirstRowOf, Query) {
    const Expected& expected = GetParam();
    const find::Results results = search(expected.query);
    ASSERT_FALSE(results.rows.empty());
    const find::Result& first = results.rows.front();
    EXPECT_EQ(find::kindLabel(first.kind), expected.kind);
    EXPECT_EQ(first.title, expected.title);
    EXPECT_EQ(first.poet, expected.poet);
    EXPECT_EQ(first.near, expected.near);
}

INSTANTIATE_TEST_SUITE_P(
    OneCharacterOff, FirstRowOf,
    ::testing::Values(Expected{u"床前望月光"_s, u"诗"_s, u"静夜思"_s, u"李白"_s, true},
                      Expected{u"床前明月"_s, u"诗"_s, u"静夜思"_s, u"李白"_s, false},
                      Expected{u"床前明光"_s, u"诗"_s, u"静夜思"_s, u"李白"_s, true},
                      Expected{u"举头望望明月"_s, u"诗"_s, u"静夜思"_s, u"李白"_s, true},
                      Expected{u"舉頭看明月"_s, u"诗"_s, u"静夜思"_s, u"李白"_s, true}));

INSTANTIATE_TEST_SUITE_P(
    SeveralTerms, FirstRowOf,
    ::testing::Values(Expected{u"李白 静夜思"_s, u"诗"_s, u"静夜思"_s, u"李白"_s},
                      Expected{u"静夜思 李白"_s, u"诗"_s, u"静夜思"_s, u"李白"_s},
                      Expected{u"太白　静夜思"_s, u"诗"_s, u"静夜思"_s, u"李白"_s},
                      Expected{u"唐 贞观"_s, u"纪元"_s, u"唐"_s, u"太宗李世民"_s}));

INSTANTIATE_TEST_SUITE_P(
    PoetsOtherNames, FirstRowOf,
    ::testing::Values(Expected{u"东坡"_s, u"诗人"_s, u"苏轼"_s, {}},
                      Expected{u"苏东坡"_s, u"诗人"_s, u"苏轼"_s, {}},
                      Expected{u"太白"_s, u"诗人"_s, u"李白"_s, {}},
                      Expected{u"青莲"_s, u"诗人"_s, u"李白"_s, {}},
                      Expected{u"少陵"_s, u"诗人"_s, u"杜甫"_s, {}},
                      Expected{u"杜工部"_s, u"诗人"_s, u"杜甫"_s, {}},
                      Expected{u"易安"_s, u"诗人"_s, u"李清照"_s, {}},
                      Expected{u"稼轩"_s, u"诗人"_s, u"辛弃疾"_s, {}},
                      Expected{u"乐天"_s, u"诗人"_s, u"白居易"_s, {}},
                      Expected{u"香山居士"_s, u"诗人"_s, u"白居易"_s, {}},
                      Expected{u"摩诘"_s, u"诗人"_s, u"王维"_s, {}},
                      Expected{u"义山"_s, u"诗人"_s, u"李商隐"_s, {}},
                      Expected{u"樊川"_s, u"诗人"_s, u"杜牧"_s, {}},
                      Expected{u"東坡"_s, u"诗人"_s, u"苏轼"_s, {}}));

INSTANTIATE_TEST_SUITE_P(
    RulersByTitleAndEra, FirstRowOf,
    ::testing::Values(Expected{u"唐太宗"_s, u"纪元"_s, u"唐"_s, u"太宗李世民"_s},
                      Expected{u"宋徽宗"_s, u"纪元"_s, u"北宋"_s, u"徽宗赵佶"_s},
                      Expected{u"汉武帝"_s, u"纪元"_s, u"西汉"_s, u"武帝刘彻"_s},
                      Expected{u"康熙帝"_s, u"纪元"_s, u"清"_s, u"圣祖玄烨"_s},
                      Expected{u"乾隆帝"_s, u"纪元"_s, u"清"_s, u"高宗弘历"_s},
                      Expected{u"秦始皇"_s, u"纪元"_s, u"秦"_s, u"始皇帝嬴政"_s},
                      // A ruler who is a poet of the collection: his poet's row first.
                      Expected{u"唐明皇"_s, u"诗人"_s, u"李隆基"_s, {}}));

INSTANTIATE_TEST_SUITE_P(
    InitialsOfEveryKind, FirstRowOf,
    ::testing::Values(Expected{u"jys"_s, u"诗"_s, u"静夜思"_s, u"李白"_s},
                      Expected{u"lqz"_s, u"诗人"_s, u"李清照"_s, {}},
                      Expected{u"wxcd"_s, u"成语"_s, u"卧薪尝胆"_s, {}},
                      Expected{u"bwei"_s, u"朝代"_s, u"北魏"_s, {}}));

TEST(InitialsOfEveryKind, FindEras) {
    bool found = false;
    for (const find::Result& row : search(u"zhg"_s).rows)
        found = found || (row.snippet.match == u"贞观"_s && row.poet == u"太宗李世民"_s);
    EXPECT_TRUE(found);
}

INSTANTIATE_TEST_SUITE_P(
    PinyinOneSlipOff, FirstRowOf,
    ::testing::Values(Expected{u"suhsi"_s, u"诗人"_s, u"苏轼"_s, {}, true},
                      Expected{u"sushi"_s, u"诗人"_s, u"苏轼"_s, {}, false},
                      Expected{u"sshi"_s, u"诗人"_s, u"苏轼"_s, {}, false},
                      Expected{u"libia"_s, u"诗人"_s, u"李白"_s, {}, true},
                      Expected{u"jingyessi"_s, u"诗"_s, u"静夜思"_s, u"李白"_s, true},
                      Expected{u"dufuu"_s, u"诗人"_s, u"杜甫"_s, {}, true}));

TEST(OneCharacterOff, OnlyWhenNothingIsFoundAndMarkedAsNear) {
    for (const find::Result& row : search(u"床前明月光"_s, 100000).rows)
        EXPECT_FALSE(row.near);
    // Three characters are too few to guess from.
    EXPECT_TRUE(search(u"床看月"_s).rows.empty());
    // Two characters off is no longer the line.
    EXPECT_TRUE(search(u"床后看日光"_s).rows.empty());
    const find::Result near = search(u"床前望月光"_s).rows.front();
    EXPECT_EQ(near.highlight, u"床⑴前明月光"_s); // the text as the page shows it
}

TEST(SeveralTerms, EveryTermIsFoundInTheSamePieceAndThePoetsOwnPiecesLead) {
    const find::Results results = search(u"杜甫 春"_s, 100000);
    ASSERT_FALSE(results.rows.empty());
    bool others = false;
    bool spring = false;
    for (const find::Result& row : results.rows) {
        // Another's piece counts where its notes speak of 杜甫; after his own.
        const bool his = row.poet == u"杜甫"_s;
        EXPECT_FALSE(his && others) << row.title.toStdString();
        others = others || !his;
        spring = spring || (his && row.title == u"春望"_s);
    }
    EXPECT_TRUE(spring);
    EXPECT_TRUE(search(u"杜甫 没有这样的诗句"_s).rows.empty());
    EXPECT_TRUE(search(u"静夜思 杜审言"_s).rows.empty());
}

TEST(Aliases, EveryTargetIsInTheContentAndTheRowSaysWhom) {
    find::Corpus corpus = find::readCorpus(content());
    EXPECT_TRUE(find::addAliases(corpus, store::shippedAliases()).empty());
    EXPECT_TRUE(find::addAliases(corpus, find::rulerAliases(corpus.eraRows)).empty());
    const find::Result tang = search(u"唐太宗"_s).rows.front();
    EXPECT_EQ(tang.snippet.plain(), u"唐太宗，即太宗李世民（年号贞观）"_s);
    EXPECT_EQ(tang.highlight, u"太宗李世民"_s);
    EXPECT_EQ(search(u"东坡"_s).rows.front().snippet.plain(), u"东坡，即苏轼（号东坡居士）"_s);
    // Only typed whole: 东 is no question about 苏轼.
    for (const find::Result& row : search(u"东"_s, 100000).rows)
        EXPECT_NE(row.snippet.plain(), u"东坡，即苏轼（号东坡居士）"_s);
}

bool holds(const find::Result& row, const QString& words) {
    return find::folded(row.title).contains(words) || row.snippet.match == words;
}

TEST(Ranking, AShortWordLeadsWithTitlesAndFirstLines) {
    const find::Results results = search(u"明月"_s, 100000);
    bool past = false;
    for (const find::Result& row : results.rows) {
        const bool leading = row.matchClass <= find::MatchClass::FirstLine;
        EXPECT_FALSE(past && leading) << row.title.toStdString();
        past = past || !leading;
    }
    // 《把酒问月》's title holds no 明月, 《关山月》's first line does; a title
    // holding it inside (《月下独酌》 does not) leads before later lines.
    int titled = 0;
    for (const find::Result& row : results.rows)
        titled += row.matchClass == find::MatchClass::TitleWord ? 1 : 0;
    EXPECT_GT(titled, 0);
    EXPECT_TRUE(holds(results.rows.front(), u"明月"_s));
}

TEST(Ranking, AWholeLineLeadsWithItsOwnPiece) {
    // 花落知多少 is quoted in the notes and analyses of other pieces.
    const find::Result first = search(u"花落知多少"_s).rows.front();
    EXPECT_EQ(first.title, u"春晓"_s);
    EXPECT_EQ(first.matchClass, find::MatchClass::WholeLine);
    EXPECT_EQ(search(u"疑是地上霜"_s).rows.front().title, u"静夜思"_s);
}

} // namespace
