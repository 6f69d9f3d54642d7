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
    shell::Mainform form;
    QSignalSpy started(form.view(), &platform::PageView::loadFinished);
    form.load();
    form.show();
    ASSERT_TRUE(started.wait(30000));
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
    QSignalSpy first(form.view(), &platform::PageView::loadFinished);
    tree->setCurrentItem(start);
    ASSERT_TRUE(first.wait(20000));
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
    QString text;
    form.view()->plainText([&](const QString& t) { text = t; });
    for (int waited = 0; text.isEmpty() && waited < 10000; waited += 20)
        QTest::qWait(20);
    EXPECT_TRUE(text.contains(last.text)) << last.key.toStdString();
    form.close();
}
