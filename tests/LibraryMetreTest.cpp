// The metre view on the library's piece pages: the regulated poems of the
// shi collections analysed as the anthology's are, the others marked for
// their rhymes only, and every page byte for byte as before with the view off.
#include "nav/LibraryMetre.h"
#include "library/LibraryFile.h"
#include "metre/Analysis.h"
#include "metre/RhymeTable.h"
#include "nav/LibrarySelection.h"
#include "nav/LibraryTree.h"
#include "nav/Selection.h"
#include "platform/Cp936.h"
#include "store/ContentStore.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "FixtureLibrary.h"

using namespace Qt::Literals::StringLiterals;

namespace {

class LibraryMetre : public WithFixtureLibrary {
  protected:
    // The bytes of a node's page as written to disk; Traditional shows
    // through a display that marks the lines it converts.
    QByteArray bytes(nav::LibraryTree& tree, const QString& key,
                     const nav::ReadingOptions& options) {
        pages::Target target{m_dir.filePath(u"page.htm"_s), u"/b/Dian"_s};
        if (nav::isTraditional(options.script))
            target.display = [](const QString& line) { return u"T:"_s + line; };
        QFile written(nav::showLibraryNode(key, *file, tree, target, options));
        EXPECT_TRUE(written.open(QIODevice::ReadOnly));
        return written.readAll();
    }
    QString page(const QString& key, const nav::ReadingOptions& options) {
        nav::LibraryTree tree(*file);
        return platform::cp936::decode(bytes(tree, key, options));
    }
    // Every piece's key, collection by collection.
    static QStringList pieceKeys() {
        QStringList keys;
        for (uint32_t c = 0; c < file->collections().size(); ++c) {
            const auto& collection = file->collections()[c];
            for (uint32_t a = 0; a < collection.authorCount; ++a)
                for (uint32_t p = 0; p < file->authors()[collection.firstAuthor + a].pieceCount;
                     ++p)
                    keys << u"L%1.%2.%3"_s.arg(c).arg(a).arg(p);
        }
        return keys;
    }
    // The key and the lines of the piece of the collection that begins
    // with the title and the first line given.
    static std::pair<QString, QStringList> piece(const QString& collectionName,
                                                 const QString& title, const QString& first) {
        for (uint32_t c = 0; c < file->collections().size(); ++c) {
            const auto& collection = file->collections()[c];
            if (file->string(collection.nameOffset, collection.nameLength) != collectionName)
                continue;
            for (uint32_t a = 0; a < collection.authorCount; ++a) {
                const auto& author = file->authors()[collection.firstAuthor + a];
                for (uint32_t p = 0; p < author.pieceCount; ++p) {
                    const QStringList parts = file->pieceText(file->pieces()[author.firstPiece + p])
                                                  .toString()
                                                  .split(u'\n');
                    if (parts.value(0) == title && parts.value(2) == first)
                        return {u"L%1.%2.%3"_s.arg(c).arg(a).arg(p), parts.mid(2)};
                }
            }
        }
        ADD_FAILURE() << "no piece " << title.toStdString();
        return {};
    }
    // The marks under the characters of a page, in order.
    static QStringList marksOf(const QString& html) {
        static const QRegularExpression mark(uR"(<span class="mk">.*?</span>)"_s);
        QStringList marks;
        for (const QRegularExpressionMatch& m : mark.globalMatch(html))
            marks << m.captured();
        return marks;
    }
    static nav::ReadingOptions withMetre() {
        nav::ReadingOptions options;
        options.metre = true;
        return options;
    }
    QTemporaryDir m_dir;
};

const nav::libraryMetre::Source kTraditional{.traditional = true};
const nav::libraryMetre::Source kSimplified{};
const QString kUnreviewed = u"格律标注由程序按平水韵推算，未经逐首审校。"_s;

// Two regulated poems of the fixture's 全唐诗, written in Traditional, and
// their simplified texts: the same marks either way. 機 ends the first on
// its own level group, not on the groups of every character 机 stands for;
// the second has 爲, a variant form the rhyme table does not hold.
TEST_F(LibraryMetre, ARegulatedPoemInTraditionalMarksAsItsSimplifiedText) {
    const auto [snow, snowLines] = piece(u"全唐诗"_s, u"詠雪"_s, u"潔野凝晨曜，裝墀帶夕暉。"_s);
    const QString html = page(snow, withMetre());
    EXPECT_TRUE(html.contains(uR"(<span class="mv">五言律诗，)"_s)) << html.toStdString();
    EXPECT_TRUE(
        html.contains(uR"(<ruby class="m">機<span class="mk">○<br>上平五微</span></ruby>)"_s));
    const QStringList snowSimplified{u"洁野凝晨曜，装墀带夕晖。"_s, u"集条分树玉，拂浪影泉玑。"_s,
                                     u"色洒妆台粉，花飘绮席衣。"_s, u"入扇萦离匣，点素皎残机。"_s};
    const std::optional<pages::MetreView> simplified =
        nav::libraryMetre::view(snowSimplified, kSimplified);
    ASSERT_TRUE(simplified);
    EXPECT_EQ(marksOf(html), simplified->marks);
    EXPECT_EQ(simplified->marks.size(), 40);

    const auto [home, homeLines] =
        piece(u"全唐诗"_s, u"過舊宅二首 一"_s, u"新豐停翠輦，譙邑駐鳴笳。"_s);
    const std::optional<pages::MetreView> traditional =
        nav::libraryMetre::view(homeLines, kTraditional);
    const QStringList homeSimplified{u"新丰停翠辇，谯邑驻鸣笳。"_s, u"园荒一径断，苔古半阶斜。"_s,
                                     u"前池消旧水，昔树发今花。"_s, u"一朝辞此地，四海遂为家。"_s};
    ASSERT_TRUE(traditional);
    EXPECT_EQ(traditional->marks, nav::libraryMetre::view(homeSimplified, kSimplified)->marks);
    EXPECT_FALSE(traditional->marks.join(u""_s).contains(u"？"_s));
    EXPECT_EQ(traditional->marks.value(39), uR"(<span class="mk">○<br>下平六麻</span>)"_s);
    EXPECT_TRUE(nav::libraryMetre::analyse(homeLines, kTraditional).regulated);
}

// 粧 is a variant form neither the rhyme table nor the conversion tables
// know; the library folds it to 妆, whose groups the table has.
TEST_F(LibraryMetre, AVariantFormTheConversionsLeaveIsReadAsTheLibraryFoldsIt) {
    const auto [key, lines] = piece(u"全唐诗"_s, u"賦得花庭霧"_s, u"蘭氣已熏宮，新橤半粧叢。"_s);
    const QStringList marks = marksOf(page(key, withMetre()));
    ASSERT_EQ(marks.size(), 40);
    EXPECT_EQ(marks[8], uR"(<span class="mk">○</span>)"_s);
    EXPECT_EQ(nav::libraryMetre::view(lines, kTraditional)->marks[8],
              uR"(<span class="mk">？</span>)"_s);
}

// An old poem of ten lines: its rhymes marked, no tones, and the line that
// says why; the unreviewed line stands under the verdict.
TEST_F(LibraryMetre, AnOldStylePieceHasItsRhymesMarkedOnly) {
    const auto [key, lines] = piece(u"全唐诗"_s, u"采芙蓉"_s, u"結伴戲方塘，攜手上雕航。"_s);
    const QString html = page(key, withMetre());
    EXPECT_TRUE(html.contains(
        uR"(<span class="mv">不是四句或八句、每句五字或七字的格式，按古体看待，只标韵脚。</span><br>)"_s))
        << html.toStdString();
    const QStringList marks = marksOf(html);
    EXPECT_GE(marks.size(), 5);
    for (const QString& mark : marks)
        EXPECT_TRUE(mark.startsWith(uR"(<span class="mk"><br>下平七阳)"_s)) << mark.toStdString();
    EXPECT_TRUE(
        html.contains(uR"(<ruby class="m">航<span class="mk"><br>下平七阳</span></ruby>)"_s));
    const qsizetype verdict = html.lastIndexOf(uR"(<span class="mv">)"_s);
    EXPECT_GT(html.indexOf(kUnreviewed), verdict);
    EXPECT_LT(html.indexOf(kUnreviewed), html.indexOf(uR"(<span class="mc">韵部据平水韵)"_s));
}

// In Traditional the source's lines stay as written and the marks under
// them are shown as the page's own words are; pinyin beside the view
// changes nothing on a piece of no study collection, and a book of ci has
// no view.
TEST_F(LibraryMetre, TraditionalPinyinAndCiPagesKeepTheirOwnRules) {
    const auto [key, lines] = piece(u"全唐诗"_s, u"詠雪"_s, u"潔野凝晨曜，裝墀帶夕暉。"_s);
    nav::ReadingOptions traditional = withMetre();
    traditional.script = nav::Script::Traditional;
    const QString shown = page(key, traditional);
    EXPECT_TRUE(shown.contains(uR"(<ruby class="m">潔T:<span class="mk">●入</span></ruby>)"_s))
        << shown.toStdString();
    EXPECT_TRUE(shown.contains(uR"(T:<span class="mv">五言律诗，)"_s));
    EXPECT_TRUE(shown.contains(u"T:<span class=\"mc\">"_s + kUnreviewed));
    nav::ReadingOptions both = withMetre();
    both.pinyin = true;
    EXPECT_EQ(page(key, both), page(key, withMetre()));
    const auto [ci, ciLines] =
        piece(u"纳兰性德"_s, u"长相思·山一程"_s, u"山一程，水一程，身向榆关那畔行，夜深千帐灯"_s);
    EXPECT_EQ(page(ci, withMetre()), page(ci, {}));
}

// A study collection's regulated poem with pinyin and the view: the
// syllable over each character and its mark under it, in one cell.
TEST_F(LibraryMetre, PinyinAboveAndMarksBelowOnAStudyCollectionsPoem) {
    const auto [key, lines] = piece(u"唐诗三百首"_s, u"登鸛雀樓"_s, u"白日依山盡，黃河入海流。"_s);
    nav::ReadingOptions both = withMetre();
    both.pinyin = true;
    const QString html = page(key, both);
    EXPECT_EQ(marksOf(html), marksOf(page(key, withMetre())));
    EXPECT_EQ(marksOf(html).size(), 20);
    EXPECT_TRUE(html.contains(
        uR"(<ruby class="m">流<rt>liú</rt><span class="mk">○<br>下平十一尤</span></ruby>)"_s))
        << html.toStdString();
    EXPECT_TRUE(html.contains(u"拼音由程序生成"_s));
    EXPECT_TRUE(html.contains(kUnreviewed));
}

// With the view off, whatever else is on, every piece page of the fixture
// is what the reader wrote before the library had the view (its notes and
// pinyin included).
TEST_F(LibraryMetre, WithTheViewOffEveryPiecePageIsByteForByteAsBefore) {
    nav::LibraryTree tree(*file);
    nav::ReadingOptions plain;
    nav::ReadingOptions traditional;
    traditional.script = nav::Script::Traditional;
    traditional.pinyin = true;
    QCryptographicHash digest(QCryptographicHash::Sha256);
    const QStringList keys = pieceKeys();
    for (const QString& key : keys) {
        digest.addData(key.toUtf8());
        digest.addData(bytes(tree, key, plain));
        digest.addData(bytes(tree, key, traditional));
    }
    EXPECT_GT(keys.size(), 1000);
    EXPECT_EQ(digest.result().toHex().toStdString(),
              "b263947f5048c1ba2a312ec6019c974b036a65e31d3cf121b7481099fe503491");
}

// A poem lost but for its places (□ where a character was) has nothing to
// mark: no view, and the analysis says so instead of reading past its end.
TEST(LibraryMetreText, APoemWithoutACharacterHasNoView) {
    const QStringList lost{u"□□□□□，□□□□□。"_s, u"□□□□□，□□□□□。"_s};
    EXPECT_FALSE(nav::libraryMetre::view(lost, kTraditional));
    const metre::Analysis analysis = nav::libraryMetre::analyse(lost, kTraditional);
    EXPECT_FALSE(analysis.regulated);
    EXPECT_TRUE(analysis.marks.empty());
    EXPECT_FALSE(analysis.notRegulated.isEmpty());
    // Angle brackets in a source are no markup: the characters between
    // them keep their marks, one for each.
    const QStringList bracketed{u"白日依山<盡>，黃河入海流。"_s, u"欲窮千里目，更上一層樓。"_s};
    EXPECT_EQ(nav::libraryMetre::view(bracketed, kTraditional)->marks.size(), 20);
}

// The unreviewed line is the library's: an anthology poem's verdict has none.
TEST(AnthologyMetre, APoemsVerdictHasNoUnreviewedLine) {
    store::ContentStore content{QStringLiteral(QUILLORA_TEST_DIC)};
    content.openCategory(0);
    QTemporaryDir dir;
    const nav::PageFiles files{{dir.filePath(u"page.htm"_s), u"/b/Dian"_s},
                               dir.filePath(u"readme.htm"_s)};
    nav::Action poem;
    poem.kind = nav::Action::Kind::Title;
    poem.number = u"14"_s;
    nav::ReadingOptions options;
    options.metre = true;
    QFile page(nav::carryOut(poem, content, files, options));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = platform::cp936::decode(page.readAll());
    EXPECT_TRUE(html.contains(uR"(<span class="mv">)"_s));
    EXPECT_FALSE(html.contains(kUnreviewed));
}

// The anthology's poems with the view on, alone, with pinyin and in
// Traditional: the library's view changes none of their bytes.
TEST(AnthologyMetre, EveryPoemPageWithTheViewIsByteForByteAsBefore) {
    store::ContentStore content{QStringLiteral(QUILLORA_TEST_DIC)};
    content.openCategory(0);
    QTemporaryDir dir;
    const nav::PageFiles files{{dir.filePath(u"page.htm"_s), u"/b/Dian"_s},
                               dir.filePath(u"readme.htm"_s)};
    nav::ReadingOptions metre, pinyin, traditional;
    metre.metre = pinyin.metre = traditional.metre = true;
    pinyin.pinyin = true;
    traditional.script = nav::Script::Traditional;
    QCryptographicHash digest(QCryptographicHash::Sha256);
    platform::Recordset poems =
        content.database().OpenRecordset(u"SELECT ID, TiMu FROM TangShi ORDER BY ID"_s);
    int count = 0, marked = 0;
    for (; !poems.EndOfFile(); poems.MoveNext(), ++count) {
        nav::Action poem;
        poem.kind = nav::Action::Kind::Title;
        poem.number = poems.Fields(0).toString();
        poem.name = poems.Fields(1).toString();
        for (const nav::ReadingOptions& options : {metre, pinyin, traditional}) {
            QFile page(nav::carryOut(poem, content, files, options));
            EXPECT_TRUE(page.open(QIODevice::ReadOnly));
            const QByteArray bytes = page.readAll();
            marked += bytes.contains(R"(class="mk")");
            digest.addData(bytes);
        }
    }
    EXPECT_EQ(count, 346);
    EXPECT_GT(marked, 3 * 300);
    EXPECT_EQ(digest.result().toHex().toStdString(),
              "6d8218840af24d525abb01417dccc4efab6cd2aff2ed69cbbe5ef1e57ed2e451");
}

} // namespace
