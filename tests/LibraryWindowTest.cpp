// The library in the real window: 书库 › 全唐诗 › an author › a piece, a
// line of the library searched and opened, back and forward across the
// anthology and the library, and Traditional on a library page.
#include "shell/FavouritesActions.h"
#include "shell/Mainform.h"
#include "shell/ReadingActions.h"
#include "shell/SearchPane.h"

#include "nav/LibraryNode.h"
#include "platform/NodeTree.h"
#include "platform/PageView.h"

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidgetItem>

#include <gtest/gtest.h>

#include "WindowSupport.h"

using namespace Qt::Literals::StringLiterals;

namespace {

class LibraryWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        qputenv("QUILLORA_LIBRARY", QUILLORA_FIXTURE_LIBRARY);
        window_support::open(form);
        tree = form->tree();
    }
    void TearDown() override {
        form->close();
        qunsetenv("QUILLORA_LIBRARY");
    }
    QString pageText() { return window_support::visibleText(form->view()); }
    void andWait(const std::function<void()>& step) { window_support::andWait(*form, step); }
    static QTreeWidgetItem* childStarting(QTreeWidgetItem* parent, const QString& text) {
        parent->setExpanded(true);
        for (int i = 0; i < parent->childCount(); ++i)
            if (parent->child(i)->text(0).startsWith(text))
                return parent->child(i);
        return nullptr;
    }
    QString keyOf(QTreeWidgetItem* item) { return item->data(0, Qt::UserRole).toString(); }

    std::unique_ptr<shell::Mainform> form;
    platform::NodeTree* tree = nullptr;
};

TEST_F(LibraryWindow, BrowseSearchAndStepAcrossTheAnthologyAndTheLibrary) {
    ASSERT_EQ(tree->topLevelItemCount(), 5);
    QTreeWidgetItem* shelf = tree->topLevelItem(4);
    EXPECT_EQ(shelf->text(0), u"书库"_s);
    EXPECT_EQ(tree->topLevelItem(3)->text(0), u"关于"_s);
    andWait([&] { tree->setCurrentItem(shelf); });
    EXPECT_TRUE(pageText().contains(u"全唐诗"_s));

    QTreeWidgetItem* tang = childStarting(shelf, u"全唐诗"_s);
    ASSERT_TRUE(tang);
    QTreeWidgetItem* poet = childStarting(tang, u"李白（"_s);
    ASSERT_TRUE(poet);
    andWait([&] { tree->setCurrentItem(poet); });
    EXPECT_TRUE(pageText().contains(u"李白"_s));
    QTreeWidgetItem* poem = childStarting(poet, u"靜夜思"_s);
    ASSERT_TRUE(poem);
    andWait([&] { tree->setCurrentItem(poem); });
    const QString libraryKey = keyOf(poem);
    EXPECT_TRUE(pageText().contains(u"牀前看月光"_s)) << pageText().toStdString();

    // Back and forward between an anthology page and a library page.
    andWait([&] { tree->reveal(u"R0.19.9"_s); });
    EXPECT_TRUE(pageText().contains(u"疑是地上霜"_s));
    andWait([&] { form->reading()->action(u"back"_s)->trigger(); });
    EXPECT_EQ(tree->selectedKey(), libraryKey);
    EXPECT_TRUE(pageText().contains(u"牀前看月光"_s));
    andWait([&] { form->reading()->action(u"forward"_s)->trigger(); });
    EXPECT_EQ(tree->selectedKey(), u"R0.19.9"_s);

    // Ctrl+R picks within the branch shown: the anthology here, the library there.
    andWait([&] { form->reading()->action(u"random"_s)->trigger(); });
    EXPECT_TRUE(tree->selectedKey().startsWith(u'R')) << tree->selectedKey().toStdString();
    andWait([&] { tree->reveal(libraryKey); });
    andWait([&] { form->reading()->action(u"random"_s)->trigger(); });
    EXPECT_TRUE(nav::libraryNode::inLibrary(tree->selectedKey()));
    EXPECT_NE(tree->selectedKey(), libraryKey);

    // Traditional leaves the Traditional source as it is written.
    andWait([&] { form->reading()->action(u"script"_s)->setChecked(true); });
    andWait([&] { tree->reveal(libraryKey); });
    EXPECT_TRUE(pageText().contains(u"牀前看月光，疑是地上霜。"_s)) << pageText().toStdString();
    EXPECT_TRUE(pageText().contains(u"出處"_s)); // our own words converted
    andWait([&] { form->reading()->action(u"script"_s)->setChecked(false); });
}

TEST_F(LibraryWindow, ALibraryLineIsFoundOpenedAndMarked) {
    shell::SearchPane* pane = form->search();
    pane->open();
    QInputMethodEvent commit;
    // Typed in simplified characters, written in Traditional ones.
    commit.setCommitString(u"函谷壮皇居"_s);
    QApplication::sendEvent(pane->field(), &commit);
    for (int waited = 0; pane->list()->count() == 0 && waited < 5000; waited += 20)
        QTest::qWait(20);
    ASSERT_GT(pane->list()->count(), 0);
    EXPECT_EQ(pane->count()->text(), u"共 1 条"_s);
    EXPECT_TRUE(pane->list()->item(0)->data(Qt::UserRole + 1).toString().contains(u"全唐诗"_s));
    QSignalSpy found(form->view(), &platform::PageView::textFound);
    QTest::keyClick(pane->field(), Qt::Key_Return);
    ASSERT_TRUE(found.wait(30000));
    EXPECT_GE(found.last().at(1).toInt(), 1);
    EXPECT_EQ(tree->selectedKey(), u"L9.0.0"_s);
    // Only the branches on its way were opened.
    QTreeWidgetItem* shelf = tree->topLevelItem(4);
    int opened = 0;
    for (int i = 0; i < shelf->childCount(); ++i)
        opened += shelf->child(i)->isExpanded() ? 1 : 0;
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(pageText().contains(u"函谷壯皇居"_s));
}

// A favourite of a library piece, whose node is made only when its branch
// opens, is found again at the next start, with its author's plain name.
TEST_F(LibraryWindow, AFavouriteOfALibraryPieceIsFoundAtTheNextStart) {
    QTemporaryDir data;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    form->close();
    window_support::open(form);
    tree = form->tree();
    QTreeWidgetItem* poem =
        childStarting(childStarting(childStarting(tree->topLevelItem(4), u"全唐诗"_s), u"李白（"_s),
                      u"靜夜思"_s);
    ASSERT_TRUE(poem);
    const QString key = keyOf(poem);
    andWait([&] { tree->setCurrentItem(poem); });
    form->favourites()->toggle();
    ASSERT_EQ(form->favourites()->keptKeys(), QStringList{key});

    form->close();
    window_support::open(form);
    tree = form->tree();
    EXPECT_EQ(form->favourites()->keptKeys(), QStringList{key});
    ASSERT_EQ(tree->topLevelItemCount(), 6);
    QTreeWidgetItem* kept = tree->topLevelItem(5);
    EXPECT_EQ(kept->text(0), u"我的收藏"_s);
    ASSERT_EQ(kept->childCount(), 1);
    EXPECT_EQ(kept->child(0)->text(0), u"靜夜思（李白）"_s);
    form->close();
    qputenv("XDG_DATA_HOME", saved);
    window_support::open(form);
}

} // namespace
