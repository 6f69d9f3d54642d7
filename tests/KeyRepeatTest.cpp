// An arrow key held in the tree: every page file written is the one of the
// node selected, and once the keys stop the view shows the last one.
#include "shell/Mainform.h"

#include "platform/NodeTree.h"
#include "platform/PageView.h"

#include <QSignalSpy>
#include <QTest>
#include <QTreeWidgetItem>

#include <gtest/gtest.h>

#include "TreeWalk.h"
#include "WindowSupport.h"

using namespace Qt::Literals::StringLiterals;

TEST(KeyRepeat, AfterABurstOfDownsTheFileAndTheViewShowTheLastNode) {
    std::unique_ptr<shell::Mainform> opened;
    ASSERT_NO_FATAL_FAILURE(window_support::open(opened));
    shell::Mainform& form = *opened;
    platform::NodeTree* tree = form.tree();
    // Every author open, and a start from which fifty steps end on a poem.
    QTreeWidgetItem* verse = tree_walk::openEveryAuthor(*tree);
    QTreeWidgetItem* start = verse->child(0)->child(0);
    auto fiftyBelow = [&](QTreeWidgetItem* from) {
        for (int i = 0; i < 50 && from; ++i)
            from = tree->itemBelow(from);
        return from;
    };
    while (fiftyBelow(start) && fiftyBelow(start)->childCount() > 0)
        start = tree->itemBelow(start);
    ASSERT_NE(fiftyBelow(start), nullptr);
    ASSERT_NO_FATAL_FAILURE(window_support::andWait(form, [&] { tree->setCurrentItem(start); }));
    tree->setFocus();
    QSignalSpy loaded(form.view(), &platform::PageView::loadFinished);
    for (int i = 0; i < 50; ++i) {
        // Auto-repeat as a keyboard sends it, faster than most pages load.
        QTest::keyPress(tree, Qt::Key_Down, Qt::NoModifier, 10);
        const platform::NodeInfo node = tree->info(tree->selectedKey());
        ASSERT_EQ(tree_walk::writtenTitleLine(), u"<title>"_s + tree_walk::pageTitle(node) + u"</title>"_s)
            << node.key.toStdString();
    }
    QTest::keyRelease(tree, Qt::Key_Down);
    const platform::NodeInfo last = tree->info(tree->selectedKey());
    ASSERT_EQ(tree->currentItem(), fiftyBelow(start));
    // Once the view has been quiet for a second, the last page is the one in.
    for (int rounds = 0; rounds < 20 && loaded.wait(1000); ++rounds) {
    }
    EXPECT_GT(loaded.size(), 0);
    EXPECT_EQ(form.view()->title(), tree_walk::pageTitle(last));
    EXPECT_TRUE(window_support::visibleText(form.view()).contains(last.text))
        << last.key.toStdString();
    form.close();
}
