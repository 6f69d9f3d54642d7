// The anthology's poems found in the fixture library: 静夜思 with exactly
// its differing characters marked, on the anthology's side and on the
// library's; a poem alike but for script named, not compared; of a poet's
// poems under one title only the one whose text is alike; a ci found by
// its opening under a longer title; a poem the library lacks, nothing.
#include "nav/AnthologyLinks.h"
#include "nav/LibraryEditions.h"
#include "nav/LibrarySelection.h"
#include "nav/LibraryTree.h"
#include "pages/LibraryPages.h"
#include "platform/Cp936.h"
#include "store/ContentStore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "FixtureLibrary.h"

using namespace Qt::Literals::StringLiterals;

namespace {

class AnthologyEditions : public WithFixtureLibrary {
  protected:
    static void SetUpTestSuite() {
        WithFixtureLibrary::SetUpTestSuite();
        store::ContentStore content{QStringLiteral(QUILLORA_TEST_DIC)};
        pieces = new std::vector<nav::AnthologyPiece>(nav::anthologyPieces(content));
        links = new nav::AnthologyLinks(*file, *pieces);
    }
    static void TearDownTestSuite() {
        delete links;
        delete pieces;
        WithFixtureLibrary::TearDownTestSuite();
    }

    static QString keyOf(const QString& poet, const QString& title) {
        for (const nav::AnthologyPiece& piece : *pieces)
            if (piece.poet == poet && piece.title == title)
                return piece.key;
        ADD_FAILURE() << "no such poem: " << title.toStdString();
        return {};
    }
    // The collections that hold the poem, and the first line of each.
    static QStringList found(const QString& poet, const QString& title) {
        QStringList out;
        for (const uint32_t piece : links->libraryOf(keyOf(poet, title))) {
            const auto& record = file->pieces()[piece];
            const auto& collection = file->collections()[record.collection];
            out << file->string(collection.nameOffset, collection.nameLength).toString() + u':' +
                       file->pieceText(record).toString().split(u'\n').value(2);
        }
        return out;
    }
    // The line with its differing runs in brackets.
    static QString marked(const std::vector<pages::EditionRun>& runs) {
        QString text;
        for (const pages::EditionRun& run : runs)
            text += run.differs ? u'[' + run.text + u']' : run.text;
        return text;
    }
    static uint32_t libraryPieceOf(const QString& poet, const QString& title) {
        return links->libraryOf(keyOf(poet, title)).front();
    }

    static inline std::vector<nav::AnthologyPiece>* pieces = nullptr;
    static inline nav::AnthologyLinks* links = nullptr;
};

TEST_F(AnthologyEditions, TheAnthologysPoemsAreFoundInTheLibraryAndNoOthers) {
    EXPECT_EQ(pieces->size(), 483u);
    EXPECT_EQ(found(u"李白"_s, u"静夜思"_s), QStringList{u"全唐诗:牀前看月光，疑是地上霜。"_s});
    // Two collections, one of them under the other's Traditional title.
    EXPECT_EQ(found(u"王之涣"_s, u"登鹳雀楼"_s).size(), 2);
    // 李清照 has two 如梦令 in the library: only the one with this text.
    EXPECT_EQ(found(u"李清照"_s, u"如梦令"_s), QStringList{u"宋词:昨夜雨疏风骤。"_s});
    // The library names the ci by its tune alone: found by its opening.
    const QStringList moon = found(u"苏轼"_s, u"水调歌头·丙辰中秋"_s);
    ASSERT_EQ(moon.size(), 1);
    EXPECT_TRUE(moon[0].startsWith(u"宋词:明月几时有"_s)) << moon[0].toStdString();
    // A poet the library holds, a poem it does not.
    EXPECT_TRUE(found(u"李白"_s, u"怨情"_s).isEmpty());
    EXPECT_FALSE(nav::anthologyEditionsOf(*file, *links, keyOf(u"李白"_s, u"怨情"_s)));
    EXPECT_TRUE(links->libraryOf(u"R9.9.9"_s).empty());
    EXPECT_EQ(links->anthologyOf(libraryPieceOf(u"李白"_s, u"静夜思"_s))->title, u"静夜思"_s);
}

// The note markers point into the anthology's notes: no part of the poem.
TEST(AnthologyLines, NoteMarkersAndBlankLinesAreLeftOut) {
    EXPECT_EQ(nav::anthologyLines(
                  u"床⑴前明月光，\r\n\r\n云栈<sup>(27)</sup>萦纡登剑阁<sup>(28)</sup>。"_s),
              (QStringList{u"床前明月光，"_s, u"云栈萦纡登剑阁。"_s}));
}

TEST_F(AnthologyEditions, TheComparisonMarksExactlyTheDifferingCharacters) {
    const auto editions = nav::anthologyEditionsOf(*file, *links, keyOf(u"李白"_s, u"静夜思"_s));
    ASSERT_TRUE(editions);
    EXPECT_TRUE(editions->alike.isEmpty());
    ASSERT_EQ(editions->differing.size(), 1u);
    const pages::OtherEdition& tang = editions->differing[0];
    EXPECT_EQ(tang.where, u"全唐诗"_s);
    ASSERT_EQ(tang.lines.size(), 2u);
    // The note marker ⑴ of the anthology's text is no character of the poem.
    EXPECT_EQ(marked(tang.lines[0].mine), u"床前[明]月光，疑是地上霜。"_s);
    EXPECT_EQ(marked(tang.lines[0].theirs), u"牀前[看]月光，疑是地上霜。"_s);
    EXPECT_EQ(marked(tang.lines[1].mine), u"举头望[明]月，低头思故乡。"_s);
    EXPECT_EQ(marked(tang.lines[1].theirs), u"舉頭望[山]月，低頭思故鄉。"_s);

    // Alike but for script: named, not compared.
    const auto tower = nav::anthologyEditionsOf(*file, *links, keyOf(u"王之涣"_s, u"登鹳雀楼"_s));
    ASSERT_TRUE(tower);
    EXPECT_TRUE(tower->differing.empty());
    EXPECT_EQ(tower->alike, (QStringList{u"唐诗三百首"_s, u"全唐诗"_s}));
    const QString page = pages::anthologyEditionsPage(u"/b"_s, *tower).lines().join(u'\n');
    EXPECT_TRUE(page.contains(u"《唐诗三百首》《全唐诗》与本书文字相同"_s)) << page.toStdString();
}

TEST_F(AnthologyEditions, ALibraryPieceNamesTheAnthologyAndComparesItsText) {
    QTemporaryDir dir;
    const auto pageOf = [&](uint32_t piece, const nav::ReadingOptions& options = {}) {
        const auto& record = file->pieces()[piece];
        const auto& author = file->authors()[record.author];
        const auto& collection = file->collections()[record.collection];
        const QString key = u"L%1.%2.%3"_s.arg(record.collection)
                                .arg(record.author - collection.firstAuthor)
                                .arg(piece - author.firstPiece);
        nav::LibraryTree tree(*file);
        pages::Target target{dir.filePath(u"page.htm"_s), u"/b/Dian"_s};
        if (nav::isTraditional(options.script))
            target.display = [](const QString& line) { return u"T:"_s + line; };
        QFile written(nav::showLibraryNode(key, *file, tree, target, options, links));
        EXPECT_TRUE(written.open(QIODevice::ReadOnly));
        return platform::cp936::decode(written.readAll());
    };
    const QString night = pageOf(libraryPieceOf(u"李白"_s, u"静夜思"_s));
    EXPECT_TRUE(night.contains(u"又见本书。"_s)) << night.toStdString();
    EXPECT_TRUE(night.contains(u"<tr><td><b>《全唐诗》</b></td><td><b>本书</b></td></tr>"_s));
    const QString mark = uR"(<span style="color: #c00000; font-weight: bold">)"_s;
    EXPECT_TRUE(night.contains(u"<tr><td>牀前"_s + mark +
                               u"看</span>月光，疑是地上霜。</td><td>床前"_s + mark +
                               u"明</span>月光，疑是地上霜。</td></tr>"_s))
        << night.toStdString();
    // In Traditional the source is written as it is, the anthology's text
    // converted as on its own pages.
    nav::ReadingOptions traditional;
    traditional.script = nav::Script::Traditional;
    const QString shown = pageOf(libraryPieceOf(u"李白"_s, u"静夜思"_s), traditional);
    EXPECT_TRUE(shown.contains(u"<tr><td>舉頭望"_s + mark +
                               u"山</span>月，低頭思故鄉。</td><td>舉頭望"_s + mark +
                               u"明</span>月，低頭思故鄉。</td></tr>"_s))
        << shown.toStdString();

    // Alike but for script: named, nothing to compare.
    const QString tower = pageOf(libraryPieceOf(u"王之涣"_s, u"登鹳雀楼"_s));
    EXPECT_TRUE(tower.contains(u"又见本书及《"_s)) << tower.toStdString();
    EXPECT_FALSE(tower.contains(u"其他版本"_s));
}

} // namespace
