// The library's pages from the fixture, one of each kind, in the anthology's
// style; Traditional keeps a Traditional source as it is written.
#include "pages/LibraryPages.h"
#include "library/LibraryFile.h"
#include "nav/LibrarySelection.h"
#include "nav/LibraryTree.h"
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

TEST(SourceText, MarkupIsEscapedAndRareCharactersSurviveTheCodePage) {
    EXPECT_EQ(pages::sourceHtml(u"a<b>&c"_s), u"a&lt;b&gt;&amp;c"_s);
    const QString rare = QString::fromUcs4(U"𠀀䴉");
    EXPECT_EQ(pages::sourceHtml(rare), u"&#x20000;&#x4d09;"_s);
    EXPECT_EQ(pages::sourceHtml(u"牀前看月光"_s), u"牀前看月光"_s);
}

} // namespace
