// An arrow key held in the tree: every page file written is the one of the
// node selected, and once the keys stop the view shows the last one.
#include "shell/Mainform.h"
#include "shell/Paths.h"

#include "platform/Cp936.h"
#include "platform/Files.h"
#include "platform/NodeTree.h"
#include "platform/PageView.h"

#include <QSignalSpy>
#include <QTest>
#include <QTreeWidgetItem>

#include <gtest/gtest.h>

#include "WindowSupport.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QString pageTitleLine() {
    const QString page = shell::paths::inWorkingFolder(shell::paths::kPage);
    return platform::cp936::decode(platform::files::read(page)).split(u"\r\n"_s).value(3);
}

// Authors and poems both show a poem page: the poem's title or "简介".
QString titleOf(const platform::NodeInfo& node) {
    return node.tag.startsWith(u'j', Qt::CaseInsensitive) ? u"简介"_s : node.text;
}

} // namespace

TEST(KeyRepeat, AfterABurstOfDownsTheFileAndTheViewShowTheLastNode) {
    std::unique_ptr<shell::Mainform> opened;
    ASSERT_NO_FATAL_FAILURE(window_support::open(opened));
    shell::Mainform& form = *opened;
    platform::NodeTree* tree = form.tree();
    // Every author open, and a start from which fifty steps end on a poem.
    QTreeWidgetItem* verse = tree->topLevelItem(0)->child(0);
    tree->expandItem(tree->topLevelItem(0));
    tree->expandItem(verse);
    for (int i = 0; i < verse->childCount(); ++i)
        verse->child(i)->setExpanded(true);
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
        ASSERT_EQ(pageTitleLine(), u"<title>"_s + titleOf(node) + u"</title>"_s)
            << node.key.toStdString();
    }
    QTest::keyRelease(tree, Qt::Key_Down);
    const platform::NodeInfo last = tree->info(tree->selectedKey());
    ASSERT_EQ(tree->currentItem(), fiftyBelow(start));
    // Once the view has been quiet for a second, the last page is the one in.
    for (int rounds = 0; rounds < 20 && loaded.wait(1000); ++rounds) {
    }
    EXPECT_GT(loaded.size(), 0);
    EXPECT_EQ(form.view()->title(), titleOf(last));
    EXPECT_TRUE(window_support::visibleText(form.view()).contains(last.text))
        << last.key.toStdString();
    form.close();
}
