#include "store/Queries.h"
#include "store/Categories.h"
#include "store/ContentStore.h"

#include "platform/Error.h"

#include <gtest/gtest.h>

#include <set>

namespace q = store::queries;
using namespace Qt::Literals::StringLiterals;

TEST(Queries, OrdinaryValuesGiveTheExactTexts) {
    EXPECT_EQ(q::authorsOf(u"TangShi"_qs),
              u"SELECT zuozhe FROM TangShi GROUP BY zuozhe Order by zuozhe"_qs);
    EXPECT_EQ(q::titlesOf(u"SongCi"_qs, u"苏轼"_qs),
              u"select ID,TiMu from SongCi Where zuozhe = '苏轼' Order by Timu"_qs);
    EXPECT_EQ(q::idiomsUnder(u"Y"_qs),
              u"Select * from chengyugushi WHERE yinxu = 'Y' order by chengyu"_qs);
    EXPECT_EQ(q::description(u"ChaoDai1"_qs, u"西周"_qs),
              u"select 说明 from ChaoDai1 where 名称='西周'"_qs);
    EXPECT_EQ(q::eraRows(u"唐"_qs),
              u"Select 帝王,年号,干支,年份 from JiyuanBiao where 朝代='唐'"_qs);
    EXPECT_EQ(q::byAuthorName(u"李白"_qs), u"Name = '李白'"_qs);
    EXPECT_EQ(q::byID(u"455"_qs), u"ID = 455"_qs);
    EXPECT_EQ(q::byIdiomId(u"37"_qs), u"Id = 37"_qs);
}

TEST(Queries, ApostrophesAreDoubledSoAValueCannotChangeTheQuery) {
    EXPECT_EQ(q::byAuthorName(u"O'Neil"_qs), u"Name = 'O''Neil'"_qs);
    EXPECT_EQ(q::eraRows(u"x' OR '1'='1"_qs),
              u"Select 帝王,年号,干支,年份 from JiyuanBiao where 朝代='x'' OR ''1''=''1'"_qs);
}

namespace {

class ShippedContent : public ::testing::Test {
  protected:
    store::ContentStore content{QStringLiteral(QUILLORA_TEST_DIC)};

    QStringList column(platform::Recordset rs, const QString& name) {
        QStringList values;
        for (; !rs.EndOfFile(); rs.MoveNext())
            values << rs.Fields(name).toString();
        return values;
    }
};

} // namespace

TEST_F(ShippedContent, AuthorsComeOnceEachInPinyinOrder) {
    for (const auto& category : store::categories()) {
        const QStringList authors =
            column(content.database().OpenRecordset(q::authorsOf(category.table)), u"zuozhe"_qs);
        ASSERT_FALSE(authors.isEmpty()) << category.table.toStdString();
        EXPECT_EQ(std::set<QString>(authors.begin(), authors.end()).size(), size_t(authors.size()));
        for (const QString& author : authors) {
            auto& zuozhe = content.authors();
            zuozhe.FindFirst(q::byAuthorName(author));
            EXPECT_FALSE(zuozhe.NoMatch()) << author.toStdString();
            EXPECT_FALSE(
                column(content.database().OpenRecordset(q::titlesOf(category.table, author)),
                       u"TiMu"_qs)
                    .isEmpty());
        }
    }
}

TEST_F(ShippedContent, DynastyNamesFindTheirDescriptionAndEraRows) {
    auto& db = content.database();
    const QStringList tables{u"ChaoDai"_qs, u"ChaoDai1"_qs, u"ChaoDai2"_qs};
    const QStringList queries{q::dynasties(), q::subDynasties(), q::reigns()};
    int withRows = 0;
    for (int t = 0; t < 3; ++t) {
        for (const QString& name : column(db.OpenRecordset(queries[t]), u"名称"_qs)) {
            auto about = db.OpenRecordset(q::description(tables[t], name));
            ASSERT_FALSE(about.EndOfFile()) << name.toStdString();
            EXPECT_FALSE(about.Fields(u"说明"_qs).toString().isEmpty());
            auto eras = db.OpenRecordset(q::eraRows(name));
            EXPECT_EQ(eras.FieldCount(), 4);
            withRows += eras.EndOfFile() ? 0 : 1;
        }
    }
    EXPECT_GE(withRows, 3);
}
