#include "nav/TreeBuilder.h"

#include "store/ContentStore.h"

#include "RecordedTree.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

class TreeBuild : public ::testing::Test {
  protected:
    void SetUp() override { nav::buildTree(tree, content); }
    store::ContentStore content{QStringLiteral(QUILLORA_TEST_DIC)};
    RecordedTree tree;
};

} // namespace

TEST_F(TreeBuild, TopLevelHoldsFourNodesInOrder) {
    EXPECT_EQ(tree.top, (QStringList{u"Scq"_s, u"Cygs"_s, u"Jyb"_s, u"Rdm"_s}));
    EXPECT_EQ(tree.nodes[u"Scq"_s].text, u"Vellumbra"_s);
    EXPECT_EQ(tree.nodes[u"Scq"_s].children, (QStringList{u"R0"_s, u"R1"_s, u"R2"_s}));
    EXPECT_EQ(tree.nodes[u"R1"_s].text, u"词"_s);
    EXPECT_EQ(tree.nodes[u"Rdm"_s].text, u"关于"_s);
}

TEST_F(TreeBuild, AuthorsAreTaggedAndTitlesCarryTheirNumbers) {
    const auto& author = tree.nodes[u"R0.0"_s];
    EXPECT_EQ(author.parent, u"R0"_s);
    EXPECT_TRUE(author.tag.startsWith(u'j'));
    EXPECT_EQ(author.image, nav::kClosedBook);
    EXPECT_EQ(author.selectedImage, nav::kOpenBook);
    ASSERT_FALSE(author.children.isEmpty());
    EXPECT_EQ(author.children.first(), u"R0.0.0"_s);
    const auto& title = tree.nodes[u"R0.0.0"_s];
    EXPECT_EQ(title.image, nav::kPage);
    EXPECT_EQ(title.selectedImage, nav::kPage);
    bool isNumber = false;
    title.tag.toInt(&isNumber);
    EXPECT_TRUE(isNumber);
    for (int i = 0; i < 3; ++i)
        EXPECT_NO_THROW(content.category(i));
}

TEST_F(TreeBuild, IdiomsHangUnderTheirInitials) {
    const QStringList initials = tree.nodes[u"Cygs"_s].children;
    ASSERT_EQ(initials.size(), 20);
    EXPECT_EQ(initials.first(), u"yinxu_B"_s);
    qsizetype idioms = 0;
    for (const QString& initial : initials) {
        EXPECT_EQ(tree.nodes[initial].text, initial.mid(6));
        EXPECT_FALSE(tree.nodes[initial].children.isEmpty()) << initial.toStdString();
        for (const QString& idiom : tree.nodes[initial].children) {
            EXPECT_TRUE(idiom.startsWith(u'C'));
            EXPECT_EQ(tree.nodes[idiom].image, nav::kPage);
        }
        idioms += tree.nodes[initial].children.size();
    }
    EXPECT_TRUE(std::is_sorted(initials.begin(), initials.end()));
    EXPECT_EQ(idioms, 147);
}

TEST_F(TreeBuild, DynastiesNestAndReignsAreCountedFromOne) {
    const QStringList dynasties = tree.nodes[u"Jyb"_s].children;
    ASSERT_EQ(dynasties.size(), 19);
    EXPECT_EQ(dynasties.first(), u"J1"_s);
    QStringList subDynasties, reigns;
    for (const QString& key : tree.nodes.keys()) {
        const QString parent = tree.nodes[key].parent;
        if (key.startsWith(u'Y')) {
            subDynasties << key;
            EXPECT_TRUE(parent.startsWith(u'J')) << key.toStdString();
        }
        if (key.startsWith(u'B')) {
            reigns << key;
            EXPECT_TRUE(parent.startsWith(u'Y')) << key.toStdString();
        }
    }
    EXPECT_EQ(subDynasties.size(), 18);
    // The reigns are numbered as they come, B1 to B9, whatever their rows' IDs.
    QStringList expected;
    for (int n = 1; n <= 9; ++n)
        expected << u"B%1"_s.arg(n);
    std::sort(reigns.begin(), reigns.end());
    EXPECT_EQ(reigns, expected);
}
