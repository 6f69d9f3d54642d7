#include "store/Queries.h"

#include <gtest/gtest.h>

namespace q = store::queries;
using namespace Qt::Literals::StringLiterals;

TEST(Queries, OrdinaryValuesGiveTheExactTexts) {
    EXPECT_EQ(q::authors(), u"SELECT * FROM ZuoZhe"_s);
    EXPECT_EQ(q::category(u"YuanQu"_s), u"SELECT * FROM YuanQu"_s);
    EXPECT_EQ(q::initials(), u"Select DISTINCT yinxu from chengyugushi order by yinxu"_s);
    EXPECT_EQ(q::dynasties() + q::subDynasties() + q::reigns() + q::idioms(),
              u"Select * from ChaoDaiSelect * from chaodai1select * from chaodai2"
              u"Select * from chengyugushi"_s);
    EXPECT_EQ(q::authorsOf(u"TangShi"_s),
              u"SELECT zuozhe FROM TangShi GROUP BY zuozhe Order by zuozhe"_s);
    EXPECT_EQ(q::titlesOf(u"SongCi"_s, u"苏轼"_s),
              u"select ID,TiMu from SongCi Where zuozhe = '苏轼' Order by Timu"_s);
    EXPECT_EQ(q::idiomsUnder(u"Y"_s),
              u"Select * from chengyugushi WHERE yinxu = 'Y' order by chengyu"_s);
    EXPECT_EQ(q::dynastyDescription(u"ChaoDai1"_s, u"西周"_s),
              u"select 说明 from ChaoDai1 where 名称='西周'"_s);
    EXPECT_EQ(q::eraRows(u"唐"_s), u"Select 帝王,年号,干支,年份 from JiyuanBiao where 朝代='唐'"_s);
    EXPECT_EQ(q::allEraRows(), u"Select 朝代,帝王,年号,年份 from JiyuanBiao"_s);
    EXPECT_EQ(q::byAuthorName(u"李白"_s), u"Name = '李白'"_s);
    EXPECT_EQ(q::byID(u"455"_s), u"ID = 455"_s);
    EXPECT_EQ(q::byIdiomId(u"37"_s), u"Id = 37"_s);
}

TEST(Queries, ApostrophesAreDoubledSoAValueCannotChangeTheQuery) {
    EXPECT_EQ(q::byAuthorName(u"O'Neil"_s), u"Name = 'O''Neil'"_s);
    EXPECT_EQ(q::eraRows(u"x' OR '1'='1"_s),
              u"Select 帝王,年号,干支,年份 from JiyuanBiao where 朝代='x'' OR ''1''=''1'"_s);
}
