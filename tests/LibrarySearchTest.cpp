// The library's search over the fixture slice: folding, the index, several
// terms, near matches, one row per text, the ranking, and bad queries.
#include "library/Folding.h"
#include "library/LibraryFile.h"
#include "library/LibraryKeys.h"
#include "library/Searcher.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using library::MatchClass;

namespace {

class LibrarySearch : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        QString error;
        s_file = library::LibraryFile::open(QStringLiteral(QUILLORA_FIXTURE_LIBRARY), &error)
                     .release();
        ASSERT_TRUE(s_file) << error.toStdString();
    }
    static void TearDownTestSuite() {
        delete s_file;
        s_file = nullptr;
    }

    library::Results find(const QString& query, int limit = 100) const {
        return library::Searcher(*s_file).find(query, limit);
    }
    QString folded(const QString& text) const {
        const std::u16string f = library::Folding(s_file->foldTable()).fold(text);
        return QString::fromUtf16(f.data(), qsizetype(f.size()));
    }
    // The first row's title and author, folded: the script of the edition
    // that leads is the source's.
    QString firstPiece(const library::Results& results) const {
        if (results.rows.empty())
            return u"(none)"_s;
        return folded(results.rows.front().title) + u'/' + folded(results.rows.front().author);
    }

    static library::LibraryFile* s_file;
};

library::LibraryFile* LibrarySearch::s_file = nullptr;

TEST_F(LibrarySearch, TraditionalSimplifiedAndVariantFormsFoldAlike) {
    for (const QString& forms : {u"緑綠绿"_s, u"牀床"_s, u"爲為为"_s, u"眞真"_s, u"裏裡里"_s,
                                 u"峯峰"_s, u"羣群"_s, u"衆众"_s, u"迴回"_s, u"橫横"_s})
        for (QChar form : forms)
            EXPECT_EQ(folded(QString(form)), folded(QString(forms.back())))
                << QString(form).toStdString();
    EXPECT_EQ(folded(u"春風，自綠「江南」岸。 "_s), u"春风自绿江南岸"_s);
    EXPECT_EQ(folded(u"AbC"_s), u"abc"_s);
    EXPECT_NE(folded(u"里"_s), folded(u"裹"_s));
}

TEST_F(LibrarySearch, ALineIsFoundInEitherScriptAsTheFirstLineOfItsPiece) {
    for (const QString& query : {u"横看成岭侧成峰"_s, u"橫看成嶺側成峰"_s, u"看成岭侧"_s}) {
        const library::Results results = find(query);
        ASSERT_FALSE(results.rows.empty()) << query.toStdString();
        EXPECT_EQ(firstPiece(results), u"题西林壁/苏轼"_s);
        EXPECT_EQ(results.rows.front().matchClass, MatchClass::FirstLine);
        EXPECT_FALSE(results.rows.front().near);
        EXPECT_EQ(results.rows.front().collection, u"全宋诗"_s);
        EXPECT_TRUE(results.rows.front().snippet.startsWith(u"橫看成嶺側成峰"_s));
    }
}

TEST_F(LibrarySearch, OneCharacterOffFindsTheLineAfterEveryExactRow) {
    const library::Results near = find(u"春风又绿江南岸"_s);
    ASSERT_FALSE(near.rows.empty());
    EXPECT_EQ(firstPiece(near), u"泊船瓜洲/王安石"_s);
    EXPECT_TRUE(near.rows.front().near);
    EXPECT_EQ(near.rows.front().snippet, u"春風自綠江南岸，明月何時照我還。"_s);

    const library::Results exact = find(u"春風自綠江南岸"_s);
    ASSERT_FALSE(exact.rows.empty());
    EXPECT_EQ(firstPiece(exact), u"泊船瓜洲/王安石"_s);
    EXPECT_FALSE(exact.rows.front().near);
    // Three characters are too few to be sure of a near match.
    EXPECT_TRUE(find(u"春又绿"_s).rows.empty());
    // Two differences are not one.
    EXPECT_TRUE(find(u"春风又红江南岸"_s).rows.empty());
}

TEST_F(LibrarySearch, AllTermsMustMatchAndAnAuthorsNameNarrowsThePieces) {
    EXPECT_EQ(firstPiece(find(u"王安石 江南"_s)), u"泊船瓜洲/王安石"_s);
    EXPECT_EQ(firstPiece(find(u"李白　静夜思"_s)), u"静夜思/李白"_s);
    EXPECT_TRUE(find(u"静夜思 没有这句"_s).rows.empty());
    EXPECT_TRUE(find(u"王安石 春眠"_s).rows.empty());
}

TEST_F(LibrarySearch, OneTextInSeveralCollectionsIsOneRowNamingTheOthers) {
    const library::Results results = find(u"静夜思"_s);
    ASSERT_FALSE(results.rows.empty());
    EXPECT_EQ(firstPiece(results), u"静夜思/李白"_s);
    EXPECT_EQ(results.rows.front().matchClass, MatchClass::WholeTitle);
    int rowsOfIt = 0;
    for (const library::Row& row : results.rows)
        rowsOfIt += firstPiece({0, {row}}) == u"静夜思/李白"_s;
    EXPECT_EQ(rowsOfIt, 1);
    // 千家诗 calls it 春眠; the same text by the same author is one piece.
    const library::Results spring = find(u"春眠不觉晓"_s);
    ASSERT_EQ(spring.rows.size(), 1u);
    EXPECT_FALSE(spring.rows.front().editions.isEmpty());
}

TEST_F(LibrarySearch, TitlesLeadFirstLinesWhichLeadOtherLinesThenFame) {
    const library::Results results = find(u"春"_s, 300);
    ASSERT_GT(results.rows.size(), 20u);
    EXPECT_GE(results.total, int(results.rows.size()));
    for (size_t i = 1; i < results.rows.size(); ++i)
        EXPECT_FALSE(results.rows[i].order() < results.rows[i - 1].order()) << i;
    EXPECT_LE(results.rows.front().matchClass, MatchClass::TitleStart);
    EXPECT_EQ(firstPiece(find(u"春望"_s)), u"春望/杜甫"_s);
    const library::Results few = find(u"春"_s, 3);
    EXPECT_EQ(few.rows.size(), 3u);
    EXPECT_EQ(few.total, results.total);
}

TEST_F(LibrarySearch, AuthorsAreFoundByNameAndByTheirBiography) {
    const library::Results byName = find(u"王安石"_s);
    ASSERT_FALSE(byName.rows.empty());
    EXPECT_TRUE(byName.rows.front().isAuthor);
    EXPECT_EQ(byName.rows.front().matchClass, MatchClass::AuthorName);
    bool foundInBio = false;
    for (const library::Row& row : find(u"涿州"_s).rows)
        foundInBio |= row.isAuthor && row.matchClass == MatchClass::Biography;
    EXPECT_TRUE(foundInBio);
}

TEST_F(LibrarySearch, EveryRowsKeyLeadsBackToItsPiece) {
    for (const library::Row& row : find(u"月"_s, 100).rows) {
        const auto key = library::keys::parse(row.key);
        ASSERT_TRUE(key) << row.key.toStdString();
        const auto& collection = s_file->collections()[size_t(key->collection)];
        const auto& author = s_file->authors()[collection.firstAuthor + uint32_t(key->author)];
        if (row.isAuthor) {
            EXPECT_EQ(key->piece, -1);
            continue;
        }
        EXPECT_EQ(author.firstPiece + uint32_t(key->piece), row.document) << row.key.toStdString();
    }
}

TEST_F(LibrarySearch, HostileQueriesGiveNoRowsAndNoCrash) {
    EXPECT_TRUE(find(QString(10000, u'月') + u"无"_s).rows.empty());
    EXPECT_EQ(find(u"，。！？「」"_s).total, 0);
    EXPECT_EQ(find(u"   "_s).total, 0);
    for (const QString& query :
         {u"\u0001\u0002\u001f\u007f"_s, u"%_*?\\'\"()[]^$|"_s, u"' OR 1=1 --"_s, u"\U00020000\U0002A6A5"_s,
          QString(10000, u'x'), QString(3000, u' ') + u"月"_s}) {
        const library::Results results = find(query);
        EXPECT_LE(results.rows.size(), 100u);
    }
    EXPECT_TRUE(find(u"月"_s, 0).rows.empty());
}

} // namespace

TEST_F(LibrarySearch, PinyinFindsTitlesAndAuthorsByReadingsOrInitials) {
    for (const QString& typed : {u"jingyesi"_s, u"jys"_s, u"jingye"_s, u"Jìng Yè Sī"_s})
        EXPECT_EQ(firstPiece(find(typed)), u"静夜思/李白"_s) << typed.toStdString();
    EXPECT_EQ(firstPiece(find(u"dengguanquelou"_s)), u"登鹳雀楼/王之涣"_s);
    EXPECT_EQ(firstPiece(find(u"dgql"_s)), u"登鹳雀楼/王之涣"_s);
    // A name is found as an author; zh, ch and sh typed whole or by their
    // first letter alike.
    for (const QString& typed : {u"sushi"_s, u"sus"_s, u"ss"_s}) {
        bool author = false;
        for (const library::Row& row : find(typed).rows)
            author = author || (row.isAuthor && folded(row.title) == u"苏轼"_s);
        EXPECT_TRUE(author) << typed.toStdString();
    }
    // Within a title, behind other characters, after the titles it begins.
    const library::Results chunxiao = find(u"chunxiao"_s);
    ASSERT_FALSE(chunxiao.rows.empty());
    EXPECT_EQ(folded(chunxiao.rows.front().title), u"春晓"_s);
    EXPECT_EQ(chunxiao.total, int(chunxiao.rows.size()));
    for (const QString& nothing : {u"iu"_s, u"qqqqqqqq"_s, u"v"_s, u"jingyesix"_s})
        EXPECT_TRUE(find(nothing).rows.empty()) << nothing.toStdString();
}

TEST_F(LibrarySearch, OneCharacterShowsTheBestRowsAndCountsEveryText) {
    // With room for every row each piece is read; with a few rows most are
    // only counted. Both must agree.
    for (const QString& unit : {u"月"_s, u"人"_s, u"山"_s, u"不"_s, u"一"_s, u"之"_s, u"白"_s}) {
        const library::Results all = find(unit, 100000);
        for (int limit : {3, 20}) {
            const library::Results few = find(unit, limit);
            EXPECT_EQ(few.total, all.total) << unit.toStdString();
            ASSERT_EQ(int(few.rows.size()), std::min(limit, all.total)) << unit.toStdString();
            for (int i = 0; i < limit && i < all.total; ++i)
                EXPECT_EQ(few.rows[size_t(i)].key + few.rows[size_t(i)].title,
                          all.rows[size_t(i)].key + all.rows[size_t(i)].title)
                    << unit.toStdString() << " row " << i;
        }
    }
}
