#include "PinyinValidation.h"
#include "PinyinSyllable.h"

#include <gtest/gtest.h>

using namespace dic;
using namespace Qt::Literals::StringLiterals;

namespace {

Content verseContent() {
    Content content;
    content.emplace(
        u"TangShi"_s,
        parseTable(
            table(u"TangShi"_s),
            R"j([{"ID":15,"ZuoZhe":"王之涣","TiMu":"登鹳雀楼","NeiRong":["白日⑴依山尽，黄河入海流。","欲穷千里目，更上一层楼。"],"ZhuShi":null,"JianXi":null}])j",
            u"TangShi.json"_s));
    content.emplace(
        u"SongCi"_s,
        parseTable(
            table(u"SongCi"_s),
            R"j([{"ID":2,"ZuoZhe":"苏轼","TiMu":"水调歌头","NeiRong":["明月几时有<sup>(21)</sup>？"],"ZhuShi":null,"JianXi":null}])j",
            u"SongCi.json"_s));
    content.emplace(u"YuanQu"_s, parseTable(table(u"YuanQu"_s), "[]", u"YuanQu.json"_s));
    return content;
}

const QByteArray kShi =
    R"j({"table":"TangShi","ID":15,"title":"dēng guàn què lóu","lines":["bái rì yī shān jìn huáng hé rù hǎi liú","yù qióng qiān lǐ mù gèng shàng yì céng lóu"]})j";
const QByteArray kCi =
    R"j({"table":"SongCi","ID":2,"title":"shuǐ diào gē tóu","lines":["míng yuè jǐ shí yǒu"]})j";

QStringList faults(const QByteArray& shi, const QByteArray& ci = kCi) {
    return validateVerseReadings(verseContent(), "[" + shi + (ci.isEmpty() ? "" : "," + ci) + "]",
                                 u"pinyin/verse.json"_s);
}

QByteArray replaced(QByteArray text, const QByteArray& from, const QByteArray& to) {
    return text.replace(from, to);
}

} // namespace

TEST(PinyinSyllable, AcceptsOnlyStandardSyllablesWithTheMarkWhereItBelongs) {
    for (const QString& good : {u"zhāo"_s, u"lǜ"_s, u"nüè"_s, u"guān"_s, u"liù"_s, u"huí"_s,
                                u"ér"_s, u"qiāng"_s, u"zhuó"_s, u"shǒu"_s})
        EXPECT_TRUE(isTonedSyllable(good)) << good.toStdString();
    for (const QString& bad : {u"zhao"_s, u"zháō"_s, u"gūan"_s, u"lìu"_s, u"qǖ"_s, u"Zhāo"_s,
                               u"bīan"_s, u"xyā"_s, u""_s, u"zhāo "_s})
        EXPECT_FALSE(isTonedSyllable(bad)) << bad.toStdString();
}

TEST(PinyinValidation, MatchingReadingsPass) {
    EXPECT_EQ(faults(kShi), QStringList());
}

TEST(PinyinValidation, EachFaultNamesFilePieceAndLine) {
    const QString piece = u"pinyin/verse.json: TangShi ID 15 (登鹳雀楼)"_s;
    struct Case {
        QByteArray shi;
        QString expected;
    };
    const Case cases[] = {
        {replaced(kShi, " hǎi liú", " hǎi"),
         piece + u", line 1: 9 syllables for 10 Han characters"_s},
        {replaced(kShi, "dēng guàn", "dēng"),
         piece + u", title: 3 syllables for 4 Han characters"_s},
        {replaced(kShi, "céng", "ceng"),
         piece + u", line 2: \"ceng\" on 层 has no tone mark; only particles take the neutral "
                 u"tone"_s},
        {replaced(kShi, "céng", "cēng4"),
         piece + u", line 2: \"cēng4\" is not Hanyu Pinyin with its tone mark"_s},
        {replaced(kShi, "guàn", "gùan"),
         piece + u", title: \"gùan\" is not Hanyu Pinyin with its tone mark"_s},
        {replaced(kShi, R"(,"yù qióng qiān lǐ mù gèng shàng yì céng lóu")", ""),
         piece + u": 1 lines of readings for 2 lines of text"_s},
        {replaced(kShi, "\"ID\":15", "\"ID\":16"), piece + u": no readings"_s},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(faults(c.shi).contains(c.expected)) << c.expected.toStdString() << "\n"
                                                        << faults(c.shi).join(u'\n').toStdString();
}

TEST(PinyinValidation, ReadingsForNoPieceAndBrokenJsonAreFaults) {
    EXPECT_TRUE(
        faults(kShi, kCi + R"j(,{"table":"YuanQu","ID":9,"title":"","lines":[]})j")
            .contains(
                u"pinyin/verse.json: YuanQu ID 9: readings for a piece that does not exist"_s));
    EXPECT_EQ(faults(kShi, "").size(), 1);
    EXPECT_EQ(validateVerseReadings(verseContent(), "[{", u"pinyin/verse.json"_s).size(), 1);
}

TEST(PinyinValidation, NameReadingsMatchTheirNames) {
    EXPECT_EQ(validateNameReadings(R"({"岑参": ["cén shēn", "cén cān"]})", u"n.json"_s),
              QStringList());
    EXPECT_EQ(validateNameReadings(R"({"岑参": ["cén"], "李白": []})", u"n.json"_s),
              QStringList({u"n.json: 岑参: 1 syllables for 2 Han characters"_s,
                           u"n.json: 李白: no readings"_s}));
}

TEST(PinyinValidation, OnlyParticlesTakeTheNeutralTone) {
    EXPECT_EQ(
        validateNameReadings(R"({"白了": ["bái le"], "守着": ["shǒu zhe"], "天哪": ["tiān na"]})",
                             u"n.json"_s),
        QStringList());
    EXPECT_EQ(validateNameReadings(R"({"白云": ["bái yun"]})", u"n.json"_s),
              QStringList({u"n.json: 白云: \"yun\" on 云 has no tone mark; only particles take "
                           u"the neutral tone"_s}));
    EXPECT_TRUE(isNeutralSyllable(u"le"_s));
    EXPECT_FALSE(isNeutralSyllable(u"lè"_s));
    EXPECT_FALSE(isNeutralSyllable(u"lx"_s));
}
