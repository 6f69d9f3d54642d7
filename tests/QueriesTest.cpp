#include "store/Queries.h"


#include <gtest/gtest.h>


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
