#include "PinyinSyllable.h"

#include <QSet>
#include <QStringList>

#include <string>

namespace dic {
namespace {

// Every syllable of standard Mandarin without its tone.
const QSet<QString>& syllables() {
    static const QSet<QString> all = [] {
        const QString table = QStringLiteral(
            "a ai an ang ao ba bai ban bang bao bei ben beng bi bian biao bie bin bing bo bu "
            "ca cai can cang cao ce cen ceng cha chai chan chang chao che chen cheng chi chong "
            "chou chu chua chuai chuan chuang chui chun chuo ci cong cou cu cuan cui cun cuo "
            "da dai dan dang dao de dei den deng di dia dian diao die ding diu dong dou du duan "
            "dui dun duo e ei en eng er fa fan fang fei fen feng fo fou fu ga gai gan gang gao "
            "ge gei gen geng gong gou gu gua guai guan guang gui gun guo ha hai han hang hao he "
            "hei hen heng hong hou hu hua huai huan huang hui hun huo ji jia jian jiang jiao jie "
            "jin jing jiong jiu ju juan jue jun ka kai kan kang kao ke kei ken keng kong kou ku "
            "kua kuai kuan kuang kui kun kuo la lai lan lang lao le lei leng li lia lian liang "
            "liao lie lin ling liu lo long lou lu luan lun luo lü lüe ma mai man mang mao me mei "
            "men meng mi mian miao mie min ming miu mo mou mu na nai nan nang nao ne nei nen "
            "neng ni nian niang niao nie nin ning niu nong nou nu nuan nun nuo nü nüe o ou pa "
            "pai pan pang pao pei pen peng pi pian piao pie pin ping po pou pu qi qia qian qiang "
            "qiao qie qin qing qiong qiu qu quan que qun ran rang rao re ren reng ri rong rou ru "
            "rua ruan rui run ruo sa sai san sang sao se sen seng sha shai shan shang shao she "
            "shei shen sheng shi shou shu shua shuai shuan shuang shui shun shuo si song sou su "
            "suan sui sun suo ta tai tan tang tao te teng ti tian tiao tie ting tong tou tu tuan "
            "tui tun tuo wa wai wan wang wei wen weng wo wu xi xia xian xiang xiao xie xin xing "
            "xiong xiu xu xuan xue xun ya yan yang yao ye yi yin ying yo yong you yu yuan yue "
            "yun za zai zan zang zao ze zei zen zeng zha zhai zhan zhang zhao zhe zhei zhen "
            "zheng zhi zhong zhou zhu zhua zhuai zhuan zhuang zhui zhun zhuo zi zong zou zu "
            "zuan zui zun zuo");
        const QStringList list = table.split(u' ');
        return QSet<QString>(list.begin(), list.end());
    }();
    return all;
}

// The toned vowels, four tones each, and the vowel without its mark.
constexpr char16_t kToned[] = u"āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜ";
constexpr char16_t kBare[] = u"aaaaeeeeiiiioooouuuuüüüü";

int tonedIndex(QChar c) {
    for (int i = 0; kToned[i]; ++i) {
        if (c.unicode() == kToned[i])
            return i;
    }
    return -1;
}

bool isVowel(QChar c) {
    return QStringLiteral("aeiouü").contains(c);
}

// Where the tone mark belongs in a bare syllable.
qsizetype markPosition(const QString& bare) {
    for (QChar first : {QChar(u'a'), QChar(u'e')}) {
        if (const qsizetype at = bare.indexOf(first); at >= 0)
            return at;
    }
    if (const qsizetype at = bare.indexOf(QStringLiteral("ou")); at >= 0)
        return at;
    for (qsizetype i = bare.size() - 1; i >= 0; --i) {
        if (isVowel(bare[i]))
            return i;
    }
    return -1;
}

} // namespace

bool isTonedSyllable(const QString& text) {
    QString bare = text;
    qsizetype marked = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int index = tonedIndex(text[i]);
        if (index < 0)
            continue;
        if (marked >= 0)
            return false;
        marked = i;
        bare[i] = QChar(kBare[index]);
    }
    return marked >= 0 && syllables().contains(bare) && markPosition(bare) == marked;
}

bool isNeutralSyllable(const QString& text) {
    return syllables().contains(text);
}

bool isParticle(char32_t character) {
    static const std::u32string particles = U"着了的得么哪呢吗啊吧";
    return particles.find(character) != std::u32string::npos;
}

} // namespace dic
