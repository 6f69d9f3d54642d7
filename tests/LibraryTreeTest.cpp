// The library's branch of the tree, level by level, from the fixture: the
// shelf's order, authors in pinyin order with their counts, the sections of
// the anonymous classics, and the way down to any node.
#include "nav/LibraryTree.h"
#include "library/LibraryFile.h"
#include "library/LibraryKeys.h"
#include "nav/LibraryNode.h"

#include <gtest/gtest.h>

#include "FixtureLibrary.h"

using namespace Qt::Literals::StringLiterals;

namespace {

class LibraryTree : public WithFixtureLibrary {
  protected:

    static QStringList texts(const std::vector<nav::LibraryTree::Child>& children) {
        QStringList out;
        for (const auto& child : children)
            out << child.text;
        return out;
    }
    // The key of the child shown with this text.
    static QString keyOf(const std::vector<nav::LibraryTree::Child>& children,
                         const QString& text) {
        for (const auto& child : children)
            if (child.text == text || child.text.startsWith(text + u'（'))
                return child.key;
        return {};
    }
};

TEST_F(LibraryTree, TheCollectionsStandInTheShelfsOrderWithTheirBooksGrouped) {
    nav::LibraryTree tree(*file);
    const auto top = tree.children(nav::libraryNode::rootKey());
    EXPECT_EQ(texts(top),
              (QStringList{u"诗经"_s, u"楚辞"_s, u"论语"_s, u"四书"_s, u"曹操"_s, u"全唐诗"_s,
                           u"花间集"_s, u"南唐二主词"_s, u"全宋词"_s, u"全宋诗"_s, u"元曲"_s,
                           u"纳兰性德"_s, u"幽梦影"_s, u"蒙学"_s}));
    for (const auto& child : top)
        EXPECT_TRUE(child.branch);
    EXPECT_EQ(texts(tree.children(keyOf(top, u"四书"_s))),
              (QStringList{u"大学"_s, u"中庸"_s, u"孟子"_s}));
    const QStringList primers = texts(tree.children(keyOf(top, u"蒙学"_s)));
    EXPECT_EQ(primers.first(), u"三字经"_s);
    EXPECT_TRUE(primers.contains(u"唐诗三百首"_s));
    EXPECT_EQ(primers.size(), 12);
}

TEST_F(LibraryTree, AuthorsComeInPinyinOrderWithTheirCountsAndPiecesInTheCollectionsOrder) {
    nav::LibraryTree tree(*file);
    const auto top = tree.children(nav::libraryNode::rootKey());
    const auto authors = tree.children(keyOf(top, u"全唐诗"_s));
    const QStringList names = texts(authors);
    // gāo < ruì < tài < zhōng, where the file has 太宗 first.
    const auto at = [&](const QString& name) { return names.indexOf(name, 0); };
    EXPECT_LT(at(u"高宗皇帝（9）"_s), at(u"睿宗皇帝（1）"_s)) << names.join(u' ').toStdString();
    EXPECT_LT(at(u"睿宗皇帝（1）"_s), at(u"太宗皇帝（100）"_s));
    EXPECT_LT(at(u"太宗皇帝（100）"_s), at(u"中宗皇帝（7）"_s));
    const auto pieces = tree.children(keyOf(authors, u"太宗皇帝"_s));
    ASSERT_EQ(pieces.size(), 100u);
    EXPECT_EQ(pieces.front().text, u"帝京篇十首 一"_s);
    const auto parsed = nav::libraryNode::parse(pieces[41].key);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->kind, nav::libraryNode::Node::Kind::Piece);
    EXPECT_EQ(parsed->piece, 41);
    EXPECT_FALSE(pieces[41].branch);
}

TEST_F(LibraryTree, AnonymousClassicsShowTheirSectionsOrTheirPieces) {
    nav::LibraryTree tree(*file);
    const auto top = tree.children(nav::libraryNode::rootKey());
    const auto sections = tree.children(keyOf(top, u"诗经"_s));
    ASSERT_FALSE(sections.empty());
    EXPECT_EQ(sections.front().text, u"国风·周南"_s);
    EXPECT_EQ(tree.children(sections.front().key).front().text, u"关雎"_s);
    // 论语 has no sections: its chapters stand under it.
    const auto chapters = tree.children(keyOf(top, u"论语"_s));
    ASSERT_EQ(chapters.size(), 20u);
    EXPECT_EQ(chapters.front().text, u"学而篇"_s);
    EXPECT_FALSE(chapters.front().branch);
}

TEST_F(LibraryTree, TheWayDownToANodeMakesItAndUnknownKeysGiveNothing) {
    nav::LibraryTree tree(*file);
    const auto top = tree.children(nav::libraryNode::rootKey());
    const QString mencius = tree.children(keyOf(top, u"四书"_s)).back().key;
    const QString chapter = tree.children(mencius)[3].key;
    const QString ode = tree.children(tree.children(keyOf(top, u"诗经"_s))[1].key).front().key;
    const QString poem = tree.children(tree.children(keyOf(top, u"全唐诗"_s)).front().key)[0].key;
    for (const QString& key : {chapter, ode, poem}) {
        // Each branch of the way holds the next, and the last the node.
        const QStringList path = tree.pathTo(key);
        ASSERT_GE(path.size(), 2) << key.toStdString();
        EXPECT_EQ(path.front(), nav::libraryNode::rootKey());
        for (qsizetype i = 0; i < path.size(); ++i) {
            const QString next = i + 1 < path.size() ? path[i + 1] : key;
            const auto children = tree.children(path[i]);
            EXPECT_TRUE(std::any_of(children.begin(), children.end(),
                                    [&](const auto& child) { return child.key == next; }))
                << key.toStdString() << " under " << path[i].toStdString();
        }
    }
    EXPECT_EQ(tree.pathTo(chapter).size(), 3); // 书库 › 四书 › 孟子
    for (const QString& key : {u"L999"_s, u"L3.999.0"_s, u"L9.0.99999"_s, u"LG99"_s, u"L0.0.s99"_s,
                               u"Lx"_s, u"R0.1.2"_s}) {
        EXPECT_TRUE(tree.children(key).empty()) << key.toStdString();
        EXPECT_TRUE(tree.pathTo(key).isEmpty()) << key.toStdString();
    }
}

TEST_F(LibraryTree, KeysReadBackAsTheNodesTheyWereMadeFor) {
    using Kind = nav::libraryNode::Node::Kind;
    for (const nav::libraryNode::Node& node :
         {nav::libraryNode::Node{}, nav::libraryNode::Node{Kind::Group, 1},
          nav::libraryNode::Node{Kind::Collection, 0, 12},
          nav::libraryNode::Node{Kind::Author, 0, 3, 4},
          nav::libraryNode::Node{Kind::Section, 0, 0, 0, 7},
          nav::libraryNode::Node{Kind::Piece, 0, 9, 2, 0, 41}}) {
        const auto back = nav::libraryNode::parse(nav::libraryNode::keyOf(node));
        ASSERT_TRUE(back) << nav::libraryNode::keyOf(node).toStdString();
        EXPECT_EQ(*back, node) << nav::libraryNode::keyOf(node).toStdString();
    }
    // The keys the search gives open the same nodes.
    EXPECT_EQ(nav::libraryNode::keyOf({Kind::Piece, 0, 9, 2, 0, 41}),
              library::keys::piece(9, 2, 41));
    EXPECT_EQ(nav::libraryNode::keyOf({Kind::Author, 0, 9, 2}), library::keys::author(9, 2));
    for (const QString& key : {u"Rdm"_s, u"Scq"_s, u"Jyb"_s, u"Cygs"_s, u"R0.19.9"_s, u"L"_s})
        EXPECT_FALSE(nav::libraryNode::inLibrary(key)) << key.toStdString();
}

} // namespace
