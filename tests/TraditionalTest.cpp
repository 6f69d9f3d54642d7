// Pages in Traditional characters: phrases, lines with tags and ruby, and the
// whole content through conversion and code page 936 without loss.
#include "nav/TraditionalText.h"

#include "pages/Builders.h"
#include "platform/Cp936.h"
#include "platform/Database.h"
#include "platform/Recordset.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

qsizetype lostCharacters(const QString& text) {
    return platform::cp936::encode(text).count('?');
}

} // namespace

TEST(Traditional, LinesKeepTagsAttributesPathsAndReadings) {
    // Converted by phrase: 后来 and 发现, yet 皇后 in the ruby below stays.
    EXPECT_EQ(nav::traditionalLine(u"<font face=\"宋体\" size=\"5\">后来发现</font><br>"_s),
              u"<font face=\"宋体\" size=\"5\">後來發現</font><br>"_s);
    EXPECT_EQ(nav::traditionalLine(u"<img src=\"/tmp/头发/点.gif\">头发"_s),
              u"<img src=\"/tmp/头发/点.gif\">頭髮"_s);
    // Phrases read across the ruby boxes; the readings stay as written.
    EXPECT_EQ(
        nav::traditionalLine(u"<ruby>皇<rt>huáng</rt></ruby><ruby>后<rt>hòu</rt></ruby>后来<br>"_s),
        u"<ruby>皇<rt>huáng</rt></ruby><ruby>后<rt>hòu</rt></ruby>後來<br>"_s);
    EXPECT_EQ(nav::traditionalLine(u"<style>rt { color: #888888; }</style>"_s),
              u"<style>rt { color: #888888; }</style>"_s);
}

TEST(Traditional, TheWholeContentConvertsIntoCodePage936WithoutLoss) {
    platform::Database db(QStringLiteral(QUILLORA_TEST_DIC));
    QStringList tables;
    for (auto rows = db.OpenRecordset(u"SELECT name FROM sqlite_master WHERE type='table'"_s);
         !rows.EndOfFile(); rows.MoveNext())
        tables << rows.Fields(0).toString();
    ASSERT_GE(tables.size(), 5);
    qsizetype texts = 0;
    qsizetype changed = 0;
    for (const QString& table : tables) {
        for (auto rows = db.OpenRecordset(u"SELECT * FROM "_s + table); !rows.EndOfFile();
             rows.MoveNext()) {
            for (int column = 0; column < rows.FieldCount(); ++column) {
                const platform::Value& value = rows.Fields(column);
                if (value.IsNull() || value.isNumber())
                    continue;
                const QString text = value.toString();
                const QString shown = nav::traditionalLine(text);
                ++texts;
                changed += shown != text;
                ASSERT_EQ(lostCharacters(shown), lostCharacters(text))
                    << table.toStdString() << ": " << text.left(40).toStdString();
            }
        }
    }
    EXPECT_GT(texts, 4000);
    EXPECT_GT(changed, texts / 4);
    // The pages with fixed texts too.
    std::vector<pages::PageFile> fixed{pages::guanyuPage(1, 0, 0)};
    for (int section = 0; section <= 5; ++section)
        fixed.push_back(pages::readMePage(section));
    for (const pages::PageFile& page : fixed)
        for (const QString& line : page.lines())
            ASSERT_EQ(lostCharacters(nav::traditionalLine(line)), lostCharacters(line));
}

TEST(Traditional, ACharacterCodePage936CannotHoldKeepsItsSimplifiedForm) {
    // 着 becomes 著 and stays encodable; a made-up phrase with a character
    // outside the code page must come back encodable all the same.
    for (const QString& text : {u"干着急"_s, u"里面"_s, u"锺"_s, u"缐"_s, u"钅"_s, u"䌶"_s}) {
        const QString shown = nav::traditionalText(text);
        EXPECT_EQ(lostCharacters(shown), lostCharacters(text)) << text.toStdString();
    }
}

namespace {

struct Reviewed {
    QString simplified;
    QString traditional;
};

} // namespace

TEST(Traditional, ReviewedPhrasesKeepTheClassicalSenseWherePlainTablesTakeTheModernOne) {
    const std::vector<Reviewed> cases{
        {u"长干行"_s, u"長干行"_s},                 // a place name, not 幹
        {u"同居长干⑸里"_s, u"同居長干⑸里"_s},       // read across a note marker
        {u"双照泪痕干"_s, u"雙照淚痕乾"_s},         // dry
        {u"北斗阑干南斗斜"_s, u"北斗闌干南斗斜"_s}, // the constellation
        {u"一夜征人尽望乡"_s, u"一夜征人盡望鄉"_s},
        {u"斑骓只系垂杨岸"_s, u"斑騅只繫垂楊岸"_s}, // to tie
        {u"八骏日行三万里"_s, u"八駿日行三萬里"_s}, // the distance
        {u"孰云网恢恢"_s, u"孰云網恢恢"_s},         // to say
        {u"余亦乘舟归鹿门"_s, u"余亦乘舟歸鹿門"_s}, // I
        {u"妾发初覆额"_s, u"妾髮初覆額"_s},         // hair
        {u"含情欲说宫中事"_s, u"含情欲說宮中事"_s},
        {u"太华俯咸京"_s, u"太華俯咸京"_s},
        {u"香烟欲傍衮龙浮"_s, u"香煙欲傍袞龍浮"_s}, // smoke, not tobacco
        {u"噫吁嚱"_s, u"噫吁嚱"_s},
        {u"金樽清酒斗十千"_s, u"金樽清酒斗十千"_s}, // the measure
        // OpenCC's own phrases still hold where ours say nothing.
        {u"皇后后来"_s, u"皇后後來"_s},
        {u"乾隆"_s, u"乾隆"_s},
    };
    for (const Reviewed& each : cases)
        EXPECT_EQ(nav::traditionalText(each.simplified), each.traditional)
            << each.simplified.toStdString();
}

namespace {

struct Variants {
    QString simplified;
    QString standard;
    QString taiwan;
    QString hongKong;
};

} // namespace

TEST(Traditional, EachVariantWritesItsOwnFormsOverTheSameReviewedPhrases) {
    const std::vector<Variants> cases{
        {u"为有暗香来"_s, u"爲有暗香來"_s, u"為有暗香來"_s, u"為有暗香來"_s},
        {u"床前明月光"_s, u"牀前明月光"_s, u"床前明月光"_s, u"牀前明月光"_s},
        {u"竹里馆"_s, u"竹裏館"_s, u"竹裡館"_s, u"竹裏館"_s},
        {u"挨着靠着"_s, u"挨着靠着"_s, u"挨著靠著"_s, u"挨着靠着"_s},
        {u"书初学卫夫人"_s, u"書初學衛夫人"_s, u"書初學衛夫人"_s, u"書初學衞夫人"_s},
        {u"群峰"_s, u"羣峯"_s, u"群峰"_s, u"羣峯"_s},
        // The reviewed phrases in every variant: 里 stays, not 裡.
        {u"长干行三万里"_s, u"長干行三萬里"_s, u"長干行三萬里"_s, u"長干行三萬里"_s},
        {u"泪痕干"_s, u"淚痕乾"_s, u"淚痕乾"_s, u"淚痕乾"_s},
    };
    for (const Variants& each : cases) {
        const std::string name = each.simplified.toStdString();
        EXPECT_EQ(nav::traditionalText(each.simplified, nav::Script::Traditional), each.standard)
            << name;
        EXPECT_EQ(nav::traditionalText(each.simplified, nav::Script::Taiwan), each.taiwan) << name;
        EXPECT_EQ(nav::traditionalText(each.simplified, nav::Script::HongKong), each.hongKong)
            << name;
    }
    // The options pick the variant for texts and for the lines of a page.
    nav::ReadingOptions taiwan;
    taiwan.script = nav::Script::Taiwan;
    EXPECT_EQ(nav::textShownIn(u"竹里馆"_s, taiwan), u"竹裡館"_s);
    EXPECT_EQ(nav::lineShownIn(u"<b>竹里馆</b>"_s, taiwan), u"<b>竹裡館</b>"_s);
    EXPECT_EQ(nav::textShownIn(u"竹里馆"_s, nav::ReadingOptions()), u"竹里馆"_s);
}

TEST(Traditional, ASimplifiedCharacterWhoseTraditionalFormCodePage936CannotHoldStaysAsItIs) {
    // The eight characters whose one Traditional form lies outside the code
    // page (鹮 would be 䴉): each is kept, and the text around it converts.
    for (const QString& kept :
         {u"鲃"_s, u"鹮"_s, u"鳚"_s, u"鳤"_s, u"刾"_s, u"毶"_s, u"暅"_s, u"擜"_s}) {
        for (const nav::Script variant :
             {nav::Script::Traditional, nav::Script::Taiwan, nav::Script::HongKong}) {
            EXPECT_EQ(nav::traditionalText(kept, variant), kept) << kept.toStdString();
            EXPECT_EQ(nav::traditionalText(u"飞过"_s + kept + u"后"_s, variant),
                      u"飛過"_s + kept + u"後"_s)
                << kept.toStdString();
        }
    }
    EXPECT_EQ(nav::traditionalLine(u"<p>朱鹮飞</p>"_s), u"<p>朱鹮飛</p>"_s);
}
