// The metre of regulated verse, checked by hand poem by poem: the tone under
// every character, the rhymes and their groups, and the verdict. The
// readings given with each poem are those a reader gives in that line.
#include "metre/Analysis.h"
#include "metre/RhymeGroups.h"
#include "metre/RhymeTable.h"
#include "metre/Verdict.h"

#include <gtest/gtest.h>

using namespace metre;
using namespace Qt::Literals::StringLiterals;

namespace {

const RhymeTable& table() {
    return RhymeTable::shipped();
}

// The marks of a poem of lines of one length, a string per line: ○ level,
// ● oblique, 入 an entering tone, ◎ left open, ？ unknown, · no mark.
QStringList signs(const Analysis& a, int length) {
    QStringList lines;
    for (size_t i = 0; i < a.marks.size(); ++i) {
        if (i % size_t(length) == 0)
            lines.append(QString());
        const Mark& m = a.marks[i];
        lines.last() += !m.shown                  ? u"·"_s
                        : m.undecided             ? u"◎"_s
                        : m.entering              ? u"入"_s
                        : m.tone == Tone::Level   ? u"○"_s
                        : m.tone == Tone::Oblique ? u"●"_s
                                                  : u"？"_s;
    }
    return lines;
}

// The rhyme groups marked, in order.
QStringList groups(const Analysis& a) {
    QStringList out;
    for (const Mark& m : a.marks)
        if (m.group >= 0)
            out.append(table().name(m.group));
    return out;
}

struct Poem {
    QString text;
    QString traditional;
    QString syllables;

    Analysis analysis() const {
        return analyse(text, Context{traditional, syllables.split(u' ', Qt::SkipEmptyParts)},
                       table());
    }
};

const Poem kChunWang{
    u"国破⑴山河在，城春草木深⑵。\r\n感时⑶花溅泪⑷，恨别鸟惊心。\r\n烽火⑸连三月，家书抵万金⑹。\r\n"
    u"白头搔⑺更短，浑⑻欲不胜簪。"_s,
    u"國破⑴山河在，城春草木深⑵。\r\n感時⑶花濺淚⑷，恨別鳥驚心。\r\n烽火⑸連三月，家書抵萬金⑹。\r\n"
    u"白頭搔⑺更短，渾⑻欲不勝簪。"_s,
    u"guó pò shān hé zài chéng chūn cǎo mù shēn gǎn shí huā jiàn lèi hèn bié niǎo jīng xīn fēng "
    u"huǒ lián sān yuè jiā shū dǐ wàn jīn bái tóu sāo gèng duǎn hún yù bù shēng zān"_s};

} // namespace

TEST(Metre, ChunWangIsARegularFiveCharacterRegulatedPoem) {
    const Analysis a = kChunWang.analysis();
    EXPECT_TRUE(a.regulated);
    EXPECT_EQ(signs(a, 5), (QStringList{u"入●○○●"_s, u"○○●入○"_s, u"●○○●●"_s, u"●入●○○"_s,
                                        u"○●○○入"_s, u"○○●●○"_s, u"入○○●●"_s, u"○入入○○"_s}));
    EXPECT_EQ(groups(a), QStringList(4, u"下平十二侵"_s));
    EXPECT_EQ(verdict(a, table()), (QStringList{u"五言律诗，仄起，首句不入韵。"_s,
                                                u"押下平十二侵韵：深、心、金、簪，一韵到底。"_s,
                                                u"平仄、粘对都合格律。"_s}));
}

TEST(Metre, TraditionalTextGivesTheSameMarksAsSimplified) {
    const Analysis simplified = kChunWang.analysis();
    const Analysis traditional =
        Poem{kChunWang.traditional, kChunWang.traditional, kChunWang.syllables}.analysis();
    EXPECT_EQ(signs(traditional, 5), signs(simplified, 5));
    EXPECT_EQ(groups(traditional), groups(simplified));
    EXPECT_EQ(verdict(traditional, table()), verdict(simplified, table()));
}

TEST(Metre, ASevenCharacterQuatrainWhoseFirstLineRhymes) {
    // 王昌龄《出塞》: 教 is read level because the second place of its line
    // asks for it, whatever today's jiào says.
    const Analysis a =
        Poem{u"秦时明月汉时关，万里长征人未还。\r\n但使龙城飞将在，不教胡马度阴山。"_s,
             {},
             u"qín shí míng yuè hàn shí guān wàn lǐ cháng zhēng rén wèi huán dàn shǐ lóng chéng "
             u"fēi jiàng zài bù jiào hú mǎ dù yīn shān"_s}
            .analysis();
    EXPECT_EQ(signs(a, 7), (QStringList{u"○○○入●○○"_s, u"●●○○○●○"_s, u"●●○○○●●"_s, u"入○○●●○○"_s}));
    EXPECT_TRUE(a.marks[22].byPosition);
    EXPECT_EQ(groups(a), QStringList(3, u"上平十五删"_s));
    EXPECT_EQ(verdict(a, table()), (QStringList{u"七言绝句，平起，首句入韵。"_s,
                                                u"押上平十五删韵：关、还、山，一韵到底。"_s,
                                                u"平仄、粘对都合格律。"_s}));
}

TEST(Metre, HuangHeLouBreaksThePatternWhereItIsFamousForIt) {
    const Analysis a =
        Poem{u"昔人⑴已乘黄鹤去，此地空余黄鹤楼⑵。\r\n黄鹤一去不复返，白云千载空悠悠。\r\n"
             u"晴川历历⑶汉阳⑷树，芳草萋萋⑸鹦鹉洲⑹。\r\n日暮乡关⑺何处是？烟波⑻江上使人愁。"_s,
             {},
             u"xī rén yǐ chéng huáng hè qù cǐ dì kōng yú huáng hè lóu huáng hè yī qù bù fù fǎn "
             u"bái yún qiān zǎi kōng yōu yōu qíng chuān lì lì hàn yáng shù fāng cǎo qī qī yīng "
             u"wǔ zhōu rì mù xiāng guān hé chù shì yān bō jiāng shàng shǐ rén chóu"_s}
            .analysis();
    EXPECT_EQ(signs(a, 7),
              (QStringList{u"入○●○○入●"_s, u"●●○○○入○"_s, u"○入入●入●●"_s, u"入○○●○○○"_s,
                           u"○○入入●○●"_s, u"○●○○○●○"_s, u"入●○○○●●"_s, u"○○○●●○○"_s}));
    EXPECT_EQ(verdict(a, table()),
              (QStringList{u"七言律诗，平起，首句不入韵。"_s,
                           u"押下平十一尤韵：楼、悠、洲、愁，一韵到底。"_s, u"不合格律之处："_s,
                           u"第一句【拗救】第6字“鹤”应平而仄，对句第5字“黄”用平声相救。"_s,
                           u"第一句第4字“乘”应仄而平。"_s, u"第三句第4字“去”应平而仄。"_s,
                           u"第四句【三平尾】句末“空”“悠”“悠”三字皆平。"_s}));
}

TEST(Metre, AnObliqueFourthIsRescuedByTheThirdOfTheNextLine) {
    // 李商隐《登乐游原》: 向晚意不适 all oblique, 驱车登古原 rescues with 登.
    const Analysis a = Poem{u"向晚意不适，驱车登古原。\r\n夕阳无限好，只是近黄昏。"_s,
                            u"向晚意不適，驅車登古原。\r\n夕陽無限好，只是近黃昏。"_s,
                            u"xiàng wǎn yì bù shì qū chē dēng gǔ yuán xī yáng wú xiàn hǎo zhǐ shì "
                            u"jìn huáng hūn"_s}
                           .analysis();
    EXPECT_EQ(signs(a, 5), (QStringList{u"●●●入入"_s, u"○○○●○"_s, u"入○○●●"_s, u"●●●○○"_s}));
    EXPECT_EQ(verdict(a, table()),
              (QStringList{u"五言绝句，仄起，首句不入韵。"_s,
                           u"押上平十三元韵：原、昏，一韵到底。"_s, u"有拗有救，仍合格律："_s,
                           u"第一句【拗救】第4字“不”应平而仄，对句第3字“登”用平声相救。"_s}));
}

TEST(Metre, AFirstLineMayBorrowANeighbouringGroup) {
    // 杜牧《清明》: 纷 is of 文, the others of 元.
    const Analysis a =
        Poem{u"清明时节雨纷纷，路上行人欲断魂。\r\n借问酒家何处有，牧童遥指杏花村。"_s,
             {},
             u"qīng míng shí jié yǔ fēn fēn lù shàng xíng rén yù duàn hún jiè wèn jiǔ jiā hé chù "
             u"yǒu mù tóng yáo zhǐ xìng huā cūn"_s}
            .analysis();
    EXPECT_EQ(groups(a), (QStringList{u"上平十二文"_s, u"上平十三元"_s, u"上平十三元"_s}));
    EXPECT_EQ(verdict(a, table()),
              (QStringList{u"七言绝句，平起，首句入韵。"_s,
                           u"押上平十三元韵：纷、魂、村；有韵脚借用邻韵上平十二文。"_s,
                           u"平仄、粘对都合格律。"_s}));
}

TEST(Metre, AnOldStylePoemGetsItsRhymesOnly) {
    // 柳宗元《江雪》 rhymes on entering tones: no regulated poem does.
    const Analysis a =
        Poem{u"千山鸟飞绝，万径人踪灭。\r\n孤舟蓑笠翁，独钓寒江雪。"_s, {}, {}}.analysis();
    EXPECT_FALSE(a.regulated);
    EXPECT_EQ(signs(a, 5), (QStringList{u"·····"_s, u"·····"_s, u"·····"_s, u"·····"_s}));
    EXPECT_EQ(groups(a), QStringList(3, u"入声九屑"_s));
    EXPECT_EQ(verdict(a, table()),
              (QStringList{u"押仄声韵，近体诗只押平声韵，按古体看待，只标韵脚。"_s,
                           u"韵脚：绝、灭、雪。"_s}));
    // Six lines are no regulated form either, whatever they rhyme on.
    const Analysis six = Poem{
        u"千山鸟飞绝，万径人踪灭。\r\n孤舟蓑笠翁，独钓寒江雪。\r\n千山鸟飞绝，万径人踪灭。"_s,
        {},
        {}}.analysis();
    EXPECT_FALSE(six.regulated);
    EXPECT_TRUE(six.notRegulated.startsWith(u"不是四句或八句"_s));
}

TEST(Metre, ThePlaceDecidesACharacterOfTwoTonesOfOneMeaning) {
    // 看 at the rhyme of 李白《清平调》 is level, of 上平十四寒.
    const Analysis qingping = Poem{
        u"名花倾国两相欢，常得君王带笑看。\r\n解释⑵春风无限恨，沉香亭⑶北倚栏杆。"_s,
        {},
        {}}.analysis();
    const Mark& kan = qingping.marks[13];
    EXPECT_EQ(kan.tone, Tone::Level);
    EXPECT_TRUE(kan.byPosition);
    EXPECT_EQ(table().name(kan.group), u"上平十四寒"_s);
    // 思 as a noun, 归思, in the second place of 杜审言's last line: oblique.
    const Analysis du = Poem{
        u"独有宦游人，偏惊物候新。\r\n云霞出海曙，梅柳渡江春。\r\n"
        u"淑气催黄鸟，晴光转绿蘋。\r\n忽闻歌古调，归思欲沾巾。"_s,
        {},
        {}}.analysis();
    const Mark& si = du.marks[36];
    EXPECT_EQ(si.tone, Tone::Oblique);
    EXPECT_TRUE(si.byPosition);
    // Where the place allows either tone and neither keeps the line nearer
    // its pattern, the mark says it is left open.
    const Analysis open =
        Poem{u"看月江边客，孤舟夜泊人。\r\n秋风吹不尽，明日又逢春。"_s, {}, {}}.analysis();
    EXPECT_TRUE(open.marks[0].undecided);
}

TEST(Metre, EnteringTonesAreObliqueWhateverTheyAreToday) {
    for (const char32_t c : U"白国一十石竹") {
        if (!c)
            break;
        const QList<int> found = table().groups(c, 0);
        ASSERT_FALSE(found.isEmpty());
        for (const int group : found)
            EXPECT_TRUE(isEntering(group)) << int(c);
    }
    // 国 guó and 白 bái sound level today; 春望 marks them oblique (above).
}

TEST(Metre, TheConvertedCharacterPicksTheGroups) {
    const auto names = [](const QList<int>& found) {
        QStringList out;
        for (const int g : found)
            out.append(table().name(g));
        return out;
    };
    // 乾 qián and gān, 幹 gàn: the converted form keeps only its own groups.
    EXPECT_TRUE(names(table().groups(U'干', U'幹')).contains(u"去声十五翰"_s));
    EXPECT_FALSE(names(table().groups(U'干', U'幹')).contains(u"下平一先"_s));
    EXPECT_TRUE(names(table().groups(U'干', U'乾')).contains(u"下平一先"_s));
    EXPECT_FALSE(names(table().groups(U'干', U'乾')).contains(u"去声十五翰"_s));
    // Without the converted text a simplified form carries every reading.
    EXPECT_TRUE(names(table().groups(U'干', 0)).contains(u"去声十五翰"_s));
    EXPECT_EQ(names(table().groups(U'发', U'髮')), QStringList{u"入声六月"_s});
}

TEST(Metre, AFirstLineEndingOnACharacterReadObliqueHereDoesNotRhyme) {
    // 王维《山中送别》: 罢 bà ends the first line; its level reading pí, of 支,
    // a neighbour of the 微 the poem rhymes on, is not the word here.
    const Analysis a = Poem{u"山中相送罢，日暮掩柴扉。\r\n春草明年绿，王孙归不归。"_s,
                            u"山中相送罷，日暮掩柴扉。\r\n春草明年綠，王孫歸不歸。"_s,
                            u"shān zhōng xiāng sòng bà rì mù yǎn chái fēi chūn cǎo míng nián "
                            u"lǜ wáng sūn guī bù guī"_s}
                           .analysis();
    EXPECT_FALSE(a.firstLineRhymes);
    EXPECT_EQ(a.marks[4].group, -1);
    EXPECT_EQ(a.marks[4].tone, Tone::Oblique);
    EXPECT_EQ(groups(a), QStringList(2, u"上平五微"_s));
    EXPECT_EQ(verdict(a, table()),
              (QStringList{u"五言绝句，平起，首句不入韵。"_s, u"押上平五微韵：扉、归，一韵到底。"_s,
                           u"平仄、粘对都合格律。"_s}));
}

TEST(Metre, ACharacterLeftOpenTakesTheToneThatKeepsItsLineInPattern) {
    // 宋之问《题大庾岭北驿》: 望 in 明朝望乡处 is read oblique, making the
    // accepted 平平仄平仄 of 乡 level in the fourth place.
    const Analysis song =
        Poem{u"阳月南飞雁，传闻至此回。\r\n我行殊未已，何日复归来。\r\n"
             u"江静潮初落，林昏瘴不开。\r\n明朝望乡处，应见陇头梅。"_s,
             {},
             u"yáng yuè nán fēi yàn chuán wén zhì cǐ huí wǒ xíng shū wèi yǐ hé rì "
             u"fù guī lái jiāng jìng cháo chū luò lín hūn zhàng bù kāi míng zhāo "
             u"wàng xiāng chù yīng jiàn lǒng tóu méi"_s}
            .analysis();
    const Mark& wang = song.marks[32];
    EXPECT_EQ(wang.tone, Tone::Oblique);
    EXPECT_TRUE(wang.byPosition);
    EXPECT_FALSE(wang.undecided);
    EXPECT_EQ(verdict(song, table()).mid(2),
              (QStringList{u"有拗有救，仍合格律："_s,
                           u"第七句【拗救】第3、4字平仄互换，成“平平仄平仄”的特定句式。"_s}));
    // 李商隐《锦瑟》: 思 in 一弦一柱思华年 is oblique, or the line would end
    // on three level tones.
    const Analysis jinse = Poem{
        u"锦瑟无端五十弦，一弦一柱思华年。\r\n"
        u"庄生晓梦迷蝴蝶，望帝春心托杜鹃。"_s,
        {},
        {}}.analysis();
    EXPECT_EQ(jinse.marks[11].tone, Tone::Oblique);
    EXPECT_TRUE(jinse.marks[11].byPosition);
    // 李白《静夜思》: in 举头望明月 either tone of 望 leaves the line as far
    // from its pattern, so it stays open.
    const Analysis night =
        Poem{u"床前明月光，疑是地上霜。\r\n举头望明月，低头思故乡。"_s, {}, {}}.analysis();
    EXPECT_TRUE(night.marks[12].undecided);
}

TEST(Metre, ReviewedReadingsOfTheAnthology) {
    // 贺知章《回乡偶书》: 衰 cuī rhymes with 回 and 来 in 灰.
    const Analysis hui = Poem{
        u"少小离家老大⑴回，乡音⑵无改鬓毛⑶衰⑷。\r\n儿童相见不相识，笑问客从何处来。"_s,
        u"少小離家老大⑴回，鄉音⑵無改鬢毛⑶衰⑷。\r\n兒童相見不相識，笑問客從何處來。"_s,
        {}}.analysis();
    EXPECT_EQ(groups(hui), QStringList(3, u"上平十灰"_s));
    EXPECT_TRUE(verdict(hui, table())[1].endsWith(u"一韵到底。"_s));
    // 杜牧《泊秦淮》: 笼 has a level and an oblique reading of one meaning;
    // read level where the line asks, the poem keeps the pattern.
    const Analysis bo =
        Poem{u"烟笼寒水月笼沙，夜泊秦淮近酒家。\r\n商女不知亡国恨，隔江犹唱后庭花。"_s,
             {},
             u"yān lǒng hán shuǐ yuè lǒng shā yè bó qín huái jìn jiǔ jiā shāng nǚ "
             u"bù zhī wáng guó hèn gé jiāng yóu chàng hòu tíng huā"_s}
            .analysis();
    EXPECT_EQ(signs(bo, 7)[0], u"○○○●入○○"_s);
    EXPECT_TRUE(bo.marks[1].byPosition);
    EXPECT_EQ(verdict(bo, table()).last(), u"平仄、粘对都合格律。"_s);
    // 白居易《赋得古原草送别》: 吹 the verb is level, 吹 the noun (鼓吹)
    // oblique: its syllable decides, not its place.
    const Analysis bai = Poem{u"离离原上草，一岁一枯荣。\r\n野火烧不尽，春风吹又生。"_s,
                              {},
                              u"lí lí yuán shàng cǎo yí suì yì kū róng yě huǒ shāo bú jìn chūn "
                              u"fēng chuī yòu shēng"_s}
                             .analysis();
    EXPECT_EQ(bai.marks[17].tone, Tone::Level);
    EXPECT_TRUE(bai.marks[17].byReading);
}

TEST(Metre, OldStyleRhymesSharingTwoObliqueGroupsTakeTheOneOfTodaysTone) {
    // 贾岛《寻隐者不遇》: 去 and 处 are each of 上声语 and 去声御; qù and chù,
    // go and place, are the departing ones.
    const Analysis a = Poem{u"松下问童子，言师采药去。\r\n只在此山中，云深不知处。"_s,
                            {},
                            u"sōng xià wèn tóng zǐ yán shī cǎi yào qù zhǐ zài cǐ shān zhōng "
                            u"yún shēn bù zhī chù"_s}
                           .analysis();
    EXPECT_FALSE(a.regulated);
    EXPECT_EQ(groups(a), QStringList(2, u"去声六御"_s));
    // Without the syllables nothing tells the two apart: the lower group.
    EXPECT_EQ(
        groups(Poem{u"松下问童子，言师采药去。\r\n只在此山中，云深不知处。"_s, {}, {}}.analysis()),
        QStringList(2, u"上声六语"_s));
}

TEST(Metre, ASecondCharacterOfTwoTonesFollowsItsOwnLine) {
    // 杜甫《咏怀古迹·其二》: 望 in 怅望千秋一洒泪 read level would keep the
    // link to the line above but leave the line 仄平平平 against itself and
    // the next line unmatched; read oblique the line alternates and the one
    // departure is the link (失粘), as the poem is known for.
    const Analysis du = Poem{
        u"摇落深知宋玉悲，风流儒雅亦吾师。\r\n"
        u"怅望千秋一洒泪，萧条异代不同时。\r\n"
        u"江山故宅空文藻，云雨荒台岂梦思。\r\n"
        u"最是楚宫俱泯灭，舟人指点到今疑。"_s,
        {},
        {}}.analysis();
    const Mark& wang = du.marks[15];
    EXPECT_EQ(wang.tone, Tone::Oblique);
    EXPECT_TRUE(wang.byPosition);
    ASSERT_EQ(du.departures.size(), 1u);
    EXPECT_EQ(du.departures[0].line, 3);
    EXPECT_EQ(du.departures[0].name, u"失粘"_s);
}

TEST(Metre, AWordKeepsTheOldObliqueReadingTodaysSyllableLost) {
    // 卢纶《塞下曲》: 劳 in 贺劳旋 is "to reward", 去声, though read láo
    // today; the line keeps the pattern. 劳 "to toil" stays level.
    const QString text = u"野幕敞琼筵，羌戎贺劳旋。\r\n醉和金甲舞，雷鼓动山川。"_s;
    const QString traditional = u"野幕敞瓊筵，羌戎賀勞旋。\r\n醉和金甲舞，雷鼓動山川。"_s;
    const QString syllables = u"yě mù chǎng qióng yán qiāng róng hè láo xuán zuì hé jīn jiǎ wǔ "
                              u"léi gǔ dòng shān chuān"_s;
    const Analysis lu = Poem{text, traditional, syllables}.analysis();
    EXPECT_EQ(lu.marks[8].tone, Tone::Oblique);
    EXPECT_TRUE(lu.departures.empty());
    EXPECT_EQ(signs(Poem{traditional, {}, syllables}.analysis(), 5), signs(lu, 5));
    // 李白《劳劳亭》: 劳劳 are the toiling ones, level.
    const Analysis toil = Poem{u"天下伤心处，劳劳送客亭。\r\n春风知别苦，不遣柳条青。"_s,
                               {},
                               u"tiān xià shāng xīn chù láo láo sòng kè tíng chūn fēng zhī bié kǔ "
                               u"bù qiǎn liǔ tiáo qīng"_s}
                              .analysis();
    EXPECT_EQ(toil.marks[5].tone, Tone::Level);
    EXPECT_EQ(toil.marks[6].tone, Tone::Level);
}

TEST(Metre, VariantFormsOfTheLibrarysSourcesRhymeInTheirStandardFormsGroups) {
    // 王勃's couplet as old prints write it, 隣 for 鄰, and 疎 for 疏: the
    // variant rhymes where its standard form does, not as unknown.
    const Analysis wang = Poem{
        u"城阙辅三秦，风烟望五津。\r\n与君离别意，同是宦游人。\r\n"
        u"海内存知己，天涯若比隣。\r\n无为在歧路，儿女共沾巾。"_s,
        {},
        {}}.analysis();
    EXPECT_EQ(groups(wang), QStringList(5, u"上平十一真"_s));
    EXPECT_EQ(table().groups(U'疎', 0), table().groups(U'疏', 0));
    EXPECT_EQ(table().groups(U'葱', 0), table().groups(U'蔥', 0));
    EXPECT_FALSE(table().groups(U'葱', 0).isEmpty());
}
