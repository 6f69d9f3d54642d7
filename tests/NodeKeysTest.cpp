// The search names the node a result opens by its key; the tree gives its
// nodes those keys. Both count the same rows, so every key the search gives
// must stand in the tree on a node that shows what the result names.
#include "find/ContentReader.h"
#include "nav/TreeBuilder.h"
#include "store/ContentStore.h"
#include "store/NodeWalk.h"

#include "RecordedTree.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(NodeKeys, EveryKeyTheSearchGivesOpensTheNodeItNames) {
    store::ContentStore content(QStringLiteral(QUILLORA_TEST_DIC));
    RecordedTree tree;
    nav::buildTree(tree, content);
    const find::Corpus corpus = find::readCorpus(content);
    ASSERT_GT(corpus.entries.size(), 1000u);
    int checked = 0;
    for (const find::Entry& entry : corpus.entries) {
        ASSERT_TRUE(tree.nodes.contains(entry.key)) << entry.key.toStdString();
        // An era row opens its dynasty's table, named by the dynasty.
        EXPECT_EQ(tree.nodes[entry.key].text, entry.title) << entry.key.toStdString();
        ++checked;
    }
    EXPECT_EQ(checked, int(corpus.entries.size()));
}

TEST(NodeKeys, CountedFromTheFirstRowOfEachLevel) {
    store::ContentStore content(QStringLiteral(QUILLORA_TEST_DIC));
    QStringList pieces;
    store::nodeWalk::VerseSteps steps;
    steps.piece = [&](const QString&, const QString& key, platform::Recordset& title) {
        if (pieces.size() < 2 || title.Fields(u"TiMu"_s).toString() == u"静夜思"_s)
            pieces << key + u' ' + title.Fields(u"TiMu"_s).toString();
    };
    store::nodeWalk::verse(content.database(), steps);
    ASSERT_EQ(pieces.size(), 3);
    EXPECT_TRUE(pieces[0].startsWith(u"R0.0.0 "_s));
    EXPECT_TRUE(pieces[1].startsWith(u"R0.0.1 "_s));
    EXPECT_EQ(pieces[2], u"R0.19.9 静夜思"_s);
    QStringList reigns;
    store::nodeWalk::reigns(content.database(),
                            [&](const QString& key, platform::Recordset&) { reigns << key; });
    ASSERT_FALSE(reigns.isEmpty());
    EXPECT_EQ(reigns.front(), u"B1"_s);
    EXPECT_EQ(reigns.back(), u"B%1"_s.arg(reigns.size()));
}

} // namespace
