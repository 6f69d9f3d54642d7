// Poem pages with the metre view: a mark under each character of the text,
// with pinyin above when both are on, and the verdict under the poem.
#include "pages/Builders.h"

#include "metre/Analysis.h"
#include "metre/RhymeTable.h"

#include <gtest/gtest.h>

using namespace pages;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString kTitle = u"登乐游原"_s;
const QString kText = u"向晚意不适⑴，驱车登古原。\r\n夕阳无限好，只是近黄昏。"_s;

MetreView view() {
    const metre::Analysis a = metre::analyse(kText, {}, metre::RhymeTable::shipped());
    return metreView(a, metre::RhymeTable::shipped());
}

QStringList textLines(const PageFile& page) {
    const QStringList& lines = page.lines();
    const qsizetype first = lines.indexOf(uR"(<font size="3">)"_s) + 1;
    return lines.mid(first, 2);
}

} // namespace

TEST(MetrePage, EveryCharacterOfTheTextCarriesItsMarkAndTheVerdictFollows) {
    const MetreView metre = view();
    ASSERT_EQ(metre.marks.size(), 20);
    EXPECT_EQ(metre.marks[0], uR"(<span class="mk">●</span>)"_s);
    EXPECT_EQ(metre.marks[3], uR"(<span class="mk">●入</span>)"_s);
    EXPECT_EQ(metre.marks[9], uR"(<span class="mk">○<br>上平十三元</span>)"_s);
    const PageFile page = htmlPage(u"B"_s, kTitle, kText, {}, {}, nullptr, &metre);
    const QStringList text = textLines(page);
    ASSERT_EQ(text.size(), 2);
    EXPECT_TRUE(text[0].startsWith(
        uR"(<span class="py" style="--cell: 2.00em"><ruby class="m">向<span class="mk">●</span></ruby>)"_s))
        << text[0].toStdString();
    // The note marker and the punctuation stay bare between the cells.
    EXPECT_TRUE(text[0].contains(uR"(</ruby><sup>⑴</sup>，<ruby class="m">驱)"_s));
    EXPECT_EQ(text[0].count(u"<ruby"_s), 10);
    // The heading carries no marks; the verdict stands under the text.
    EXPECT_FALSE(page.lines()[11].contains(u"mk"_s));
    const QString all = page.lines().join(u'\n');
    EXPECT_TRUE(all.contains(uR"(<span class="mv">五言绝句，仄起，首句不入韵。</span><br>)"_s));
    EXPECT_TRUE(all.contains(u"ruby.m {"_s));
    // Under the verdict, in small print, the source of the rhyme groups
    // and its licence.
    const qsizetype credit = all.indexOf(uR"(<span class="mc">韵部据平水韵)"_s);
    ASSERT_GT(credit, all.indexOf(uR"(<span class="mv">)"_s));
    EXPECT_TRUE(all.mid(credit).startsWith(uR"(<span class="mc">)"_s + metre.credit));
    EXPECT_TRUE(metre.credit.contains(u"MIT"_s));
}

TEST(MetrePage, PinyinAboveAndMetreBelowShareOneCell) {
    const MetreView metre = view();
    const QStringList each = u"xiàng wǎn yì bù shì qū chē dēng gǔ yuán"_s.split(u' ');
    const QStringList second = u"xī yáng wú xiàn hǎo zhǐ shì jìn huáng hūn"_s.split(u' ');
    const std::vector<QStringList> lines{each, second};
    const QStringList title = u"dēng lè yóu yuán"_s.split(u' ');
    const Readings pinyin{&title, &lines};
    const PageFile page = htmlPage(u"B"_s, kTitle, kText, {}, {}, &pinyin, &metre);
    EXPECT_TRUE(textLines(page)[0].contains(
        uR"(<ruby class="m">向<rt>xiàng</rt><span class="mk">●</span></ruby>)"_s));
    // Without the view the page is byte for byte the pinyin page.
    EXPECT_EQ(htmlPage(u"B"_s, kTitle, kText, {}, {}, &pinyin, nullptr).bytes(),
              htmlPage(u"B"_s, kTitle, kText, {}, {}, &pinyin).bytes());
    EXPECT_FALSE(htmlPage(u"B"_s, kTitle, kText, {}, {}).lines().join(u'\n').contains(u"mk"_s));
}
