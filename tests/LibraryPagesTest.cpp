// The library's pages from the fixture, one of each kind, in the anthology's
// style; Traditional keeps a Traditional source as it is written. The
// source's notes and, for the study collections, the pinyin.
#include "pages/LibraryPages.h"
#include "library/Format.h"
#include "library/LibraryFile.h"
#include "nav/LibraryReadings.h"
#include "nav/LibrarySelection.h"
#include "nav/LibraryTree.h"
#include "pages/RubyText.h"
#include "pages/SourceText.h"
#include "platform/Cp936.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "FixtureLibrary.h"

using namespace Qt::Literals::StringLiterals;

namespace {

class LibraryPages : public WithFixtureLibrary {
  protected:
    // The page of a node as written to disk, decoded.
    QString page(const QString& key, const nav::ReadingOptions& options = {}) {
        nav::LibraryTree tree(*file);
        const pages::Target target{m_dir.filePath(u"page.htm"_s), u"/b/Dian"_s};
        nav::ReadingOptions shown = options;
        const pages::Target withScript = [&] {
            pages::Target t = target;
            if (nav::isTraditional(shown.script))
                t.display = [](const QString& line) { return u"T:"_s + line; };
            return t;
        }();
        const QString path = nav::showLibraryNode(key, *file, tree, withScript, shown);
        QFile written(path);
        EXPECT_TRUE(written.open(QIODevice::ReadOnly));
        return platform::cp936::decode(written.readAll());
    }
    // The Han characters of a text, as the readings count them.
    static int hanCount(QStringView text) {
        int count = 0;
        for (const char32_t c : text.toUcs4())
            count += library::format::hasReading(c);
        return count;
    }
    // The characters of a piece that carry pinyin on its page: its title
    // and lines, not its section (under 出处, in a line of our words).
    static int shownHan(const QString& key) {
        const QStringList parts = key.mid(1).split(u'.');
        const auto& collection = file->collections()[parts[0].toUInt()];
        const auto& author = file->authors()[collection.firstAuthor + parts[1].toUInt()];
        const auto& piece = file->pieces()[author.firstPiece + parts[2].toUInt()];
        const QStringList text = file->pieceText(piece).toString().split(u'\n');
        int count = hanCount(text.value(0));
        for (const QString& line : text.mid(2))
            count += hanCount(line);
        return count;
    }
    // The key of the piece whose title is given, searched in the file.
    static QString pieceKey(const QString& collectionName, const QString& title) {
        for (uint32_t c = 0; c < file->collections().size(); ++c) {
            const auto& collection = file->collections()[c];
            if (file->string(collection.nameOffset, collection.nameLength) != collectionName)
                continue;
            for (uint32_t a = 0; a < collection.authorCount; ++a) {
                const auto& author = file->authors()[collection.firstAuthor + a];
                for (uint32_t p = 0; p < author.pieceCount; ++p)
                    if (file->pieceText(file->pieces()[author.firstPiece + p])
                            .startsWith(title + u'\n'))
                        return u"L%1.%2.%3"_s.arg(c).arg(a).arg(p);
            }
        }
        return {};
    }
    QTemporaryDir m_dir;
};

TEST_F(LibraryPages, APieceHasItsTitleAuthorLinesAndTheCollectionsThatHoldIt) {
    const QString key = pieceKey(u"唐诗三百首"_s, u"登鸛雀樓"_s);
    ASSERT_FALSE(key.isEmpty());
    const QString html = page(key);
    EXPECT_TRUE(html.startsWith(u"<html>\r\n\r\n<head>\r\n<title>登鸛雀樓</title>\r\n</head>"_s));
    EXPECT_TRUE(html.contains(u"<b>登鸛雀樓</b></p>"_s));
    EXPECT_TRUE(html.contains(
        u"〔唐〕王之渙<br>\r\n白日依山盡，黃河入海流。<br>\r\n欲窮千里目，更上一層樓。<br>"_s))
        << html.toStdString();
    EXPECT_TRUE(html.contains(u"收于《唐诗三百首》五言絕句。又见《全唐诗》。"_s))
        << html.toStdString();
    // The same text there: nothing to compare.
    EXPECT_FALSE(html.contains(u"其他版本"_s));
    EXPECT_TRUE(html.endsWith(u"</font>\r\n</body>\r\n\r\n</html>\r\n"_s));
}

TEST_F(LibraryPages, AnAuthorHasTheBiographyWithItsSourceAndCountsInEveryCollection) {
    const QString piece = pieceKey(u"唐诗三百首"_s, u"登鸛雀樓"_s);
    const QString html = page(piece.left(piece.lastIndexOf(u'.')));
    EXPECT_TRUE(html.contains(u"<b>王之渙〔唐〕</b>"_s)) << html.toStdString();
    EXPECT_TRUE(html.contains(u"《唐诗三百首》　1 篇<br>"_s));
    EXPECT_TRUE(html.contains(u"《全唐诗》　"_s));
    const QString emperor = page(pieceKey(u"全唐诗"_s, u"帝京篇十首 一"_s).section(u'.', 0, 1));
    EXPECT_TRUE(emperor.contains(u"<b>小传</b>"_s));
    EXPECT_TRUE(emperor.contains(u"——录自《全唐诗》所附作者小传"_s));
    // A biography of several paragraphs keeps them apart.
    const QString king = pieceKey(u"南唐二主词"_s, u"应天长·一钩初月临妆镜"_s);
    ASSERT_FALSE(king.isEmpty());
    const QString li = page(king.left(king.lastIndexOf(u'.')));
    EXPECT_TRUE(li.contains(u"改称国主，史称南唐中主。<br>\r\n李璟即位后"_s)) << li.toStdString();
}

TEST_F(LibraryPages, ShelvesHaveOurIntroductionAndTheirCounts) {
    const QString root = page(nav::libraryNode::rootKey());
    EXPECT_TRUE(root.contains(u"<b>书库</b>"_s));
    EXPECT_TRUE(root.contains(u"《诗经》　150 篇<br>"_s)) << root.toStdString();
    EXPECT_TRUE(root.contains(u"《四书》　16 篇<br>"_s));
    const QString odes = page(u"L0"_s);
    EXPECT_TRUE(odes.contains(u"我国最早的诗歌总集"_s));
    EXPECT_TRUE(odes.contains(u"《诗经》　150 篇<br>"_s));
    // A key that names nothing shows 书库, not a fault.
    EXPECT_TRUE(page(u"L999.1.1"_s).contains(u"<b>书库</b>"_s));
}

TEST_F(LibraryPages, TraditionalLeavesATraditionalSourceAsWrittenAndConvertsTheRest) {
    nav::ReadingOptions traditional;
    traditional.script = nav::Script::Traditional;
    const QString html = page(pieceKey(u"唐诗三百首"_s, u"登鸛雀樓"_s), traditional);
    EXPECT_TRUE(html.contains(u"\r\n白日依山盡，黃河入海流。<br>"_s)) << html.toStdString();
    EXPECT_TRUE(html.contains(u"T:<p style"_s)); // our own lines are shown converted
    // A simplified source is converted as the anthology's pages are.
    const QString simplified = page(pieceKey(u"纳兰性德"_s, u"长相思·山一程"_s), traditional);
    EXPECT_TRUE(simplified.contains(u"T:山一程"_s)) << simplified.toStdString();
}

TEST_F(LibraryPages, TheEditionsTableMarksOnlyTheDifferingCharacters) {
    pages::LibraryPiece piece;
    piece.title = u"静夜思"_s;
    piece.collection = u"唐诗三百首"_s;
    piece.lines = QStringList{u"床前明月光"_s};
    piece.editions.push_back({u"全唐诗"_s,
                              {{{{u"床前"_s, false}, {u"明"_s, true}, {u"月光"_s, false}},
                                {{u"牀前"_s, false}, {u"看"_s, true}, {u"月光"_s, false}}}}});
    const QStringList lines = pages::libraryPiecePage(u"/b"_s, piece).lines();
    const QString mark = uR"(<span style="color: #c00000; font-weight: bold">)"_s;
    EXPECT_TRUE(lines.contains(u"<tr><td>床前"_s + mark + u"明</span>月光</td><td>牀前"_s + mark +
                               u"看</span>月光</td></tr>"_s))
        << lines.join(u'\n').toStdString();
    EXPECT_TRUE(
        lines.contains(u"<tr><td><b>《唐诗三百首》</b></td><td><b>《全唐诗》</b></td></tr>"_s));
}

// The source's notes under 注解, one a line, where the source gives them;
// a piece without has no such heading at all.
TEST_F(LibraryPages, TheSourcesNotesStandUnderTheirHeadingWhereItGivesThem) {
    const QString key = pieceKey(u"花间集"_s, u"菩萨蛮 其一"_s);
    ASSERT_FALSE(key.isEmpty());
    const QString html = page(key);
    const qsizetype notes = html.indexOf(u"<b>注解</b>"_s);
    ASSERT_GE(notes, 0) << html.toStdString();
    EXPECT_GT(notes, html.indexOf(u"新帖绣罗襦，双双金鹧鸪。<br>"_s));
    EXPECT_LT(notes, html.indexOf(u"<b>出处</b>"_s));
    EXPECT_TRUE(html.contains(
        u"\r\n1.小山--写女子的隔夜残妆。小山：女子画眉的式样之一。"
        u"小山重叠：眉晕褪色。金：额黄，在额上涂黄色。金明灭：褪色的额黄明暗不匀。<br>\r\n"
        u"2.鬓云欲度--鬓发撩乱如云，低垂下来。香腮雪：洁白如雪的香腮。<br>\r\n"_s))
        << html.toStdString();
    EXPECT_TRUE(html.contains(u"4.双双--罗襦上用金线绣的成双的鹧鸪鸟。反衬自身孤独。<br>\r\n"_s));

    const QString king = pieceKey(u"南唐二主词"_s, u"应天长·一钩初月临妆镜"_s);
    ASSERT_FALSE(king.isEmpty());
    EXPECT_TRUE(page(king).contains(u"\r\n初月--新月，一说指愁眉。<br>\r\n蝉鬓--"_s));

    const QString bare = pieceKey(u"花间集"_s, u"南歌子·脸上金霞细"_s);
    ASSERT_FALSE(bare.isEmpty());
    const QString bareHtml = page(bare);
    EXPECT_TRUE(bareHtml.contains(u"脸上金霞细，眉间翠钿深。"_s));
    EXPECT_FALSE(bareHtml.contains(u"注解"_s));
    EXPECT_FALSE(page(pieceKey(u"唐诗三百首"_s, u"登鸛雀樓"_s)).contains(u"注解"_s));
}

// Notes are the source's text: a Traditional display keeps them with the
// lines when the source is Traditional, and converts them with the lines
// when it is not.
TEST_F(LibraryPages, NotesGoWithTheSourceTextUnderATraditionalDisplay) {
    pages::LibraryPiece piece;
    piece.title = u"題"_s;
    piece.lines = QStringList{u"一行"_s};
    piece.notes = u"注一<甲>\n注二"_s;
    QList<int> source;
    const QStringList lines = pages::libraryPiecePage(u"/b"_s, piece, &source).lines();
    const int first = int(lines.indexOf(u"注一&lt;甲&gt;<br>"_s));
    ASSERT_GE(first, 0) << lines.join(u'\n').toStdString();
    EXPECT_EQ(lines.value(first + 1), u"注二<br>"_s);
    EXPECT_TRUE(source.contains(first) && source.contains(first + 1));

    nav::ReadingOptions traditional;
    traditional.script = nav::Script::Traditional;
    const QString simplified = page(pieceKey(u"花间集"_s, u"菩萨蛮 其一"_s), traditional);
    EXPECT_TRUE(simplified.contains(u"\r\nT:3.照花--对镜簪花。"_s)) << simplified.toStdString();
}

TEST_F(LibraryPages, AStudyPieceWithPinyinCarriesASyllableOverEveryCharacter) {
    nav::ReadingOptions pinyin;
    pinyin.pinyin = true;
    const QString key = pieceKey(u"诗经"_s, u"关雎"_s);
    ASSERT_FALSE(key.isEmpty());
    const QString html = page(key, pinyin);
    EXPECT_EQ(html.count(u"<ruby>"_s), shownHan(key)) << html.toStdString();
    EXPECT_EQ(html.count(u"<ruby>"_s), html.count(u"</rt></ruby>"_s));
    EXPECT_TRUE(html.contains(pages::rubyStyleLine() + u"\r\n"_s));
    EXPECT_TRUE(html.contains(u"<b><span style=\"--cell: "_s));
    EXPECT_TRUE(
        html.contains(u"<ruby>关<rt>guān</rt></ruby><ruby>雎<rt>jū</rt></ruby></span></b>"_s));
    // Each line a box of its own in one cell width, as on the anthology's pages.
    const qsizetype first = html.indexOf(u"<span class=\"py\" style=\"--cell: "_s);
    ASSERT_GE(first, 0);
    const QString lineTag = html.mid(first, html.indexOf(u'>', first) + 1 - first);
    EXPECT_EQ(html.count(lineTag), 3);
    EXPECT_TRUE(
        html.contains(lineTag + u"<ruby>关<rt>guān</rt></ruby><ruby>关<rt>guān</rt></ruby>"_s));
    EXPECT_TRUE(html.contains(u"<ruby>洲<rt>zhōu</rt></ruby>。<ruby>窈"_s));
    EXPECT_TRUE(html.contains(
        u"<font size=\"1\" color=\"#808080\">拼音由程序生成，未经逐字审校。</font><br>"_s));
    EXPECT_TRUE(html.contains(u"收于《诗经》国风·周南。"_s));

    // A primer and a book of the four, both Traditional, with brackets and
    // chapters of many lines.
    for (const QString& key :
         {pieceKey(u"三字经"_s, u"三字經（傳統版）"_s), pieceKey(u"大学"_s, u"大學"_s)}) {
        ASSERT_FALSE(key.isEmpty());
        EXPECT_EQ(page(key, pinyin).count(u"<ruby>"_s), shownHan(key)) << key.toStdString();
    }
}

TEST_F(LibraryPages, PinyinLeavesOtherCollectionsAndPagesWithoutItAsTheyWere) {
    nav::ReadingOptions pinyin;
    pinyin.pinyin = true;
    const QString tang = pieceKey(u"全唐诗"_s, u"帝京篇十首 一"_s);
    ASSERT_FALSE(tang.isEmpty());
    const QString tangPage = page(tang, pinyin);
    EXPECT_FALSE(tangPage.contains(u"<ruby"_s));
    EXPECT_FALSE(tangPage.contains(u"拼音"_s));
    EXPECT_EQ(tangPage, page(tang));
    const QString annotated = pieceKey(u"花间集"_s, u"菩萨蛮 其一"_s);
    EXPECT_EQ(page(annotated, pinyin), page(annotated));

    // Without pinyin a study piece's page is, byte for byte, the one it has
    // always been (the fixture keeps three of its lines).
    const QString odes = page(pieceKey(u"诗经"_s, u"关雎"_s));
    const QString heading =
        uR"(<p style="line-height: 180%"><img border="0" src="/b/Dian" width="16" height="16">)"_s;
    const QString paragraph = uR"(<p style="line-height: 150%; margin-left: 18"><font size="3">)"_s;
    EXPECT_EQ(odes,
              u"<html>\r\n\r\n<head>\r\n<title>关雎</title>\r\n</head>\r\n\r\n"
              u"<body oncontextmenu=\"return false\" ondragstart=\"return false\" "
              u"onselectstart=\"return false\">\r\n\r\n"_s +
                  heading + u"<b>关雎</b></p>\r\n"_s + paragraph +
                  u"\r\n关关雎鸠，在河之洲。窈窕淑女，君子好逑。<br>\r\n"
                  u"参差荇菜，左右流之。窈窕淑女，寤寐求之。<br>\r\n"
                  u"求之不得，寤寐思服。悠哉悠哉，辗转反侧。<br>\r\n"_s +
                  heading + u"<b>出处</b></p>\r\n"_s + paragraph +
                  u"\r\n收于《诗经》国风·周南。<br>\r\n</font>\r\n</body>\r\n\r\n</html>\r\n"_s);
}

TEST_F(LibraryPages, PinyinOverATraditionalSourceKeepsItsCharactersUnderATraditionalDisplay) {
    nav::ReadingOptions both;
    both.pinyin = true;
    both.script = nav::Script::Traditional;
    const QString key = pieceKey(u"唐诗三百首"_s, u"登鸛雀樓"_s);
    ASSERT_FALSE(key.isEmpty());
    const QString html = page(key, both);
    EXPECT_EQ(html.count(u"<ruby>"_s), shownHan(key));
    EXPECT_TRUE(html.contains(u"<ruby>鸛<rt>guàn</rt></ruby>"_s)) << html.toStdString();
    EXPECT_TRUE(html.contains(u"\r\n<span class=\"py\""_s));
    EXPECT_FALSE(html.contains(u"T:<span class=\"py\""_s));
    // Our note about the pinyin is ours, and shown in the display's script.
    EXPECT_TRUE(html.contains(u"T:<font size=\"1\" color=\"#808080\">拼音由程序生成"_s));
}

// The file's run of syllables shared out over the parts of a piece.
TEST(LibraryReadings, TheRunIsSharedOutOverTitleAndLinesPastTheSection) {
    const auto readings =
        nav::libraryReadings(u"guān jū guó fēng - nán guān guān jū jiū"_s,
                             {u"关雎"_s, u"国风·周南"_s, u"关关，"_s, u"雎鸠。"_s});
    ASSERT_TRUE(readings);
    EXPECT_EQ(readings->title, (QStringList{u"guān"_s, u"jū"_s}));
    ASSERT_EQ(readings->lines.size(), 2u);
    EXPECT_EQ(readings->lines[0], (QStringList{u"guān"_s, u"guān"_s}));
    EXPECT_EQ(readings->lines[1], (QStringList{u"jū"_s, u"jiū"_s}));
    const auto unknown = nav::libraryReadings(u"- jū"_s, {u"𠀀雎"_s, QString()});
    ASSERT_TRUE(unknown);
    EXPECT_EQ(unknown->title, (QStringList{QString(), u"jū"_s}));
    // A run that does not fit the text gives no pinyin rather than misplaced pinyin.
    EXPECT_FALSE(nav::libraryReadings(u"guān jū guó"_s, {u"关雎"_s, u"国风·周南"_s}));
    EXPECT_FALSE(nav::libraryReadings(QStringView(), {u"关雎"_s}));
}

// A rare character keeps its syllable and is written as the source writes it.
TEST(SourceText, RubyOverLibraryTextEscapesAndKeepsRareCharacters) {
    const QString rare = QString::fromUcs4(U"𠀀<a");
    EXPECT_EQ(
        pages::sourceRubyLine(rare, {u"x"_s}, 2.0),
        u"<span class=\"py\" style=\"--cell: 2.00em\"><ruby>&#x20000;<rt>x</rt></ruby>&lt;a</span>"_s);
    EXPECT_EQ(pages::sourceRubyHeading(u"关"_s, {QString()}),
              pages::rubyLine(u"关"_s, {QString()}));
}

TEST(SourceText, MarkupIsEscapedAndRareCharactersSurviveTheCodePage) {
    EXPECT_EQ(pages::sourceHtml(u"a<b>&c"_s), u"a&lt;b&gt;&amp;c"_s);
    const QString rare = QString::fromUcs4(U"𠀀䴉");
    EXPECT_EQ(pages::sourceHtml(rare), u"&#x20000;&#x4d09;"_s);
    EXPECT_EQ(pages::sourceHtml(u"牀前看月光"_s), u"牀前看月光"_s);
}

} // namespace
