// Pages in Traditional characters: phrases, lines with tags and ruby, and the
// whole content through conversion and code page 936 without loss.
#include "nav/TraditionalText.h"

#include "pages/Builders.h"
#include "platform/Cp936.h"
#include "platform/Database.h"
#include "platform/Recordset.h"

#include <gtest/gtest.h>

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
