// The reviewed readings, read in their lines: the characters that pinyin
// generated without context gets wrong, the particles in the neutral tone,
// and the old readings the notes give.
#include "store/Pinyin.h"

#include "platform/Database.h"
#include "platform/HanCharacter.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Reading {
    QString table;
    int id;
    QString phrase; // as it stands in the title or one line of the text
    QString syllables;
};

QString hanOnly(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (platform::isHanCharacter(c.unicode()))
            out += c;
    }
    return out;
}

// The syllables of phrase where it stands in the piece, or "(absent)".
QString readingInContext(const Reading& r) {
    const platform::Database db(QStringLiteral(QUILLORA_TEST_DIC));
    platform::Recordset piece = db.OpenRecordset(u"SELECT * FROM "_s + r.table);
    piece.FindFirst(u"ID = "_s + QString::number(r.id));
    const store::PieceReadings* readings = store::Pinyin::shipped().piece(r.table, r.id);
    if (piece.NoMatch() || !readings)
        return u"(no piece)"_s;
    QStringList texts{piece.Fields(u"TiMu"_s).toString()};
    texts += piece.Fields(u"NeiRong"_s).toString().split(u"\r\n"_s);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const qsizetype at = hanOnly(texts[i]).indexOf(r.phrase);
        const QStringList& syllables = i == 0 ? readings->title : readings->lines[size_t(i - 1)];
        if (at >= 0)
            return syllables.mid(at, r.phrase.size()).join(u' ');
    }
    return u"(absent)"_s;
}

} // namespace

TEST(PinyinReadings, ReadAsTheLineReadsThem) {
    const Reading readings[] = {
        {u"TangShi"_s, 306, u"将进酒"_s, u"qiāng jìn jiǔ"_s},
        {u"SongCi"_s, 21, u"羽扇纶巾"_s, u"yǔ shàn guān jīn"_s},
        {u"TangShi"_s, 19, u"鹿柴"_s, u"lù zhài"_s},
        {u"TangShi"_s, 26, u"登乐游原"_s, u"dēng lè yóu yuán"_s},
        {u"TangShi"_s, 53, u"朝辞白帝"_s, u"zhāo cí bái dì"_s},
        {u"TangShi"_s, 53, u"千里江陵一日还"_s, u"qiān lǐ jiāng líng yí rì huán"_s},
        {u"TangShi"_s, 291, u"不教胡马"_s, u"bú jiào hú mǎ"_s},
        {u"TangShi"_s, 340, u"花重锦官城"_s, u"huā zhòng jǐn guān chéng"_s},
        {u"TangShi"_s, 46, u"遍插茱萸少一人"_s, u"biàn chā zhū yú shǎo yì rén"_s},
        {u"TangShi"_s, 295, u"渭城朝雨浥轻尘"_s, u"wèi chéng zhāo yǔ yì qīng chén"_s},
        {u"SongCi"_s, 53, u"蓦然回首"_s, u"mò rán huí shǒu"_s},
        {u"TangShi"_s, 18, u"寒梅着花未"_s, u"hán méi zhuó huā wèi"_s},
        {u"TangShi"_s, 76, u"万条垂下绿丝绦"_s, u"wàn tiáo chuí xià lǜ sī tāo"_s},
        {u"TangShi"_s, 46, u"独在异乡为异客"_s, u"dú zài yì xiāng wéi yì kè"_s},
        {u"TangShi"_s, 115, u"此地一为别"_s, u"cǐ dì yì wéi bié"_s},
        {u"TangShi"_s, 263, u"杨家有女初长成"_s, u"yáng jiā yǒu nǚ chū zhǎng chéng"_s},
        {u"TangShi"_s, 263, u"不重生男重生女"_s, u"bú zhòng shēng nán zhòng shēng nǚ"_s},
        {u"TangShi"_s, 264, u"东船西舫悄无言"_s, u"dōng chuán xī fǎng qiǎo wú yán"_s},
        {u"TangShi"_s, 264, u"转轴拨弦"_s, u"zhuàn zhóu bō xián"_s},
        {u"TangShi"_s, 264, u"曲终收拨当心画"_s, u"qǔ zhōng shōu bō dāng xīn huà"_s},
        {u"TangShi"_s, 306, u"岑夫子"_s, u"cén fū zǐ"_s},
        {u"TangShi"_s, 340, u"好雨知时节"_s, u"hǎo yǔ zhī shí jié"_s},
        {u"TangShi"_s, 341, u"一行白鹭上青天"_s, u"yì háng bái lù shàng qīng tiān"_s},
        {u"TangShi"_s, 270, u"梦游天姥吟留别"_s, u"mèng yóu tiān mǔ yín liú bié"_s},
        {u"TangShi"_s, 311, u"扪参历井"_s, u"mén shēn lì jǐng"_s},
        {u"TangShi"_s, 240, u"岱宗夫如何"_s, u"dài zōng fú rú hé"_s},
        {u"TangShi"_s, 342, u"茅屋为秋风所破歌"_s, u"máo wū wéi qiū fēng suǒ pò gē"_s},
        {u"TangShi"_s, 19, u"返景入深林"_s, u"fǎn yǐng rù shēn lín"_s},
        {u"TangShi"_s, 293, u"饮马渡秋水"_s, u"yìn mǎ dù qiū shuǐ"_s},
        {u"TangShi"_s, 281, u"不知老将至"_s, u"bù zhī lǎo jiāng zhì"_s},
        {u"TangShi"_s, 84, u"少小离家老大回"_s, u"shào xiǎo lí jiā lǎo dà huí"_s},
        {u"TangShi"_s, 352, u"远上寒山石径斜"_s, u"yuǎn shàng hán shān shí jìng xié"_s},
        {u"TangShi"_s, 84, u"乡音无改鬓毛衰"_s, u"xiāng yīn wú gǎi bìn máo cuī"_s},
        {u"TangShi"_s, 83, u"一骑红尘妃子笑"_s, u"yí jì hóng chén fēi zǐ xiào"_s},
        {u"SongCi"_s, 21, u"一尊还酹江月"_s, u"yì zūn huán lèi jiāng yuè"_s},
        {u"SongCi"_s, 44, u"试问卷帘人"_s, u"shì wèn juǎn lián rén"_s},
        {u"SongCi"_s, 44, u"应是绿肥红瘦"_s, u"yīng shì lǜ féi hóng shòu"_s},
        {u"SongCi"_s, 22, u"高处不胜寒"_s, u"gāo chù bù shēng hán"_s},
        {u"SongCi"_s, 22, u"水调歌头"_s, u"shuǐ diào gē tóu"_s},
        {u"SongCi"_s, 8, u"清平乐"_s, u"qīng píng yuè"_s},
        {u"SongCi"_s, 58, u"为赋新词强说愁"_s, u"wèi fù xīn cí qiǎng shuō chóu"_s},
        {u"SongCi"_s, 46, u"怒发冲冠"_s, u"nù fà chōng guān"_s},
        {u"SongCi"_s, 13, u"踏莎行"_s, u"tà suō xíng"_s},
        {u"SongCi"_s, 31, u"两情若是长久时"_s, u"liǎng qíng ruò shì cháng jiǔ shí"_s},
        {u"YuanQu"_s, 15, u"越调"_s, u"yuè diào"_s},
        {u"YuanQu"_s, 15, u"断肠人在天涯"_s, u"duàn cháng rén zài tiān yá"_s},
        {u"YuanQu"_s, 7, u"睡不着"_s, u"shuì bù zháo"_s},
        {u"YuanQu"_s, 37, u"宫阙万间都做了土"_s, u"gōng què wàn jiān dōu zuò le tǔ"_s},
        {u"YuanQu"_s, 46, u"四更过"_s, u"sì gēng guò"_s},
        {u"YuanQu"_s, 39, u"想兴衰若为怀"_s, u"xiǎng xīng shuāi ruò wéi huái"_s},
        {u"YuanQu"_s, 42, u"长江浩浩西来"_s, u"cháng jiāng hào hào xī lái"_s},
        {u"YuanQu"_s, 35, u"都做了北邙山下尘"_s, u"dōu zuò le běi máng shān xià chén"_s},
        {u"TangShi"_s, 133, u"日高花影重"_s, u"rì gāo huā yǐng chóng"_s},
        {u"TangShi"_s, 135, u"谁能将旗鼓"_s, u"shéi néng jiàng qí gǔ"_s},
        {u"TangShi"_s, 237, u"燕草如碧丝"_s, u"yān cǎo rú bì sī"_s},
        {u"TangShi"_s, 225, u"清江一曲抱村流"_s, u"qīng jiāng yì qū bào cūn liú"_s},
        {u"TangShi"_s, 267, u"中军置酒饮归客"_s, u"zhōng jūn zhì jiǔ yìn guī kè"_s},
        {u"TangShi"_s, 310, u"千唤不一回"_s, u"qiān huàn bù yī huí"_s},
        {u"TangShi"_s, 71, u"烟笼寒水月笼沙"_s, u"yān lǒng hán shuǐ yuè lǒng shā"_s},
        {u"TangShi"_s, 155, u"将军猎渭城"_s, u"jiāng jūn liè wèi chéng"_s},
        {u"TangShi"_s, 169, u"水月通禅观"_s, u"shuǐ yuè tōng chán guàn"_s},
        {u"TangShi"_s, 177, u"强欲从君无那老"_s, u"qiǎng yù cóng jūn wú nuò lǎo"_s},
        {u"TangShi"_s, 216, u"借问路傍名利客"_s, u"jiè wèn lù páng míng lì kè"_s},
        {u"TangShi"_s, 332, u"欲将轻骑逐"_s, u"yù jiāng qīng jì zhú"_s},
        {u"SongCi"_s, 2, u"黯乡魂追旅思"_s, u"àn xiāng hún zhuī lǚ sì"_s},
        {u"SongCi"_s, 40, u"守着窗儿"_s, u"shǒu zhe chuāng ér"_s},
        {u"SongCi"_s, 46, u"莫等闲白了少年头"_s, u"mò děng xián bái le shào nián tóu"_s},
        {u"SongCi"_s, 49, u"更着风和雨"_s, u"gèng zhuó fēng hé yǔ"_s},
        {u"SongCi"_s, 51, u"了却君王天下事"_s, u"liǎo què jūn wáng tiān xià shì"_s},
        {u"YuanQu"_s, 8, u"憔悴的凭阑人"_s, u"qiáo cuì de píng lán rén"_s},
        {u"YuanQu"_s, 55, u"浩歌惊得浮云散"_s, u"hào gē jīng de fú yún sàn"_s},
        {u"YuanQu"_s, 46, u"天哪更闰一更儿妨什么"_s, u"tiān na gèng rùn yì gēng ér fáng shén me"_s},
        {u"YuanQu"_s, 63, u"故国都"_s, u"gù guó dū"_s}};
    for (const Reading& r : readings)
        EXPECT_EQ(readingInContext(r), r.syllables) << r.phrase.toStdString();
}

TEST(PinyinReadings, NamesOfferTheirEstablishedReadingsFirst) {
    const store::Pinyin& pinyin = store::Pinyin::shipped();
    EXPECT_EQ(pinyin.name(u"岑参"_s), QStringList({u"cén shēn"_s, u"cén cān"_s}));
    EXPECT_EQ(pinyin.name(u"朝三暮四"_s), QStringList({u"zhāo sān mù sì"_s}));
    EXPECT_EQ(pinyin.name(u"李白"_s), QStringList({u"lǐ bái"_s}));
    EXPECT_EQ(pinyin.name(u"唐"_s), QStringList({u"táng"_s}));
    EXPECT_EQ(pinyin.name(u"慎靓王定"_s), QStringList({u"shèn jìng wáng dìng"_s}));
    EXPECT_TRUE(pinyin.name(u"没有这个名字"_s).isEmpty());
    EXPECT_EQ(pinyin.titles().size(), 483u);
}
