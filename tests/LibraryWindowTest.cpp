// The library in the real window: 书库 › 全唐诗 › an author › a piece, a
// line of the library searched and opened, back and forward across the
// anthology and the library, and Traditional on a library page.
#include "shell/EditionsActions.h"
#include "shell/FavouritesActions.h"
#include "shell/Mainform.h"
#include "shell/Paths.h"
#include "shell/ReadingActions.h"
#include "shell/SearchPane.h"

#include "nav/LibraryNode.h"
#include "platform/Files.h"
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
    QByteArray pageBytes() const {
        return platform::files::read(shell::paths::inWorkingFolder(shell::paths::kPage));
    }
    QStringList menu() const {
        QStringList ids;
        for (const QAction* action : tree->actions())
            ids << action->objectName();
        return ids;
    }
    // The key of an anthology's shi, by poet and title.
    QString poemKey(const QString& poet, const QString& title) {
        QTreeWidgetItem* shi = tree->topLevelItem(0)->child(0);
        for (int i = 0; i < shi->childCount(); ++i)
            if (shi->child(i)->text(0) == poet)
                for (int j = 0; j < shi->child(i)->childCount(); ++j)
                    if (shi->child(i)->child(j)->text(0) == title)
                        return keyOf(shi->child(i)->child(j));
        return {};
    }

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

// 其他版本 on the anthology's side: the poem's own page stays as it is; the
// comparison is a page of its own, and a step of Back and Forward.
TEST_F(LibraryWindow, AnAnthologyPoemIsComparedWithTheLibrarysEditionsOnAPageOfItsOwn) {
    const QString night = poemKey(u"李白"_s, u"静夜思"_s);
    ASSERT_EQ(night, u"R0.19.9"_s);
    // Nothing is worked out at start, nor for a node that is no poem.
    andWait([&] { tree->reveal(u"R0.19"_s); });
    EXPECT_FALSE(form->editions()->linked());
    andWait([&] { tree->reveal(night); });
    EXPECT_TRUE(form->editions()->linked());
    const QByteArray poemPage = pageBytes();
    auto* editions = form->findChild<QAction*>(u"editions"_s);
    ASSERT_NE(editions, nullptr);
    EXPECT_TRUE(editions->isEnabled());
    // In the menu where the key table puts it, before 收藏.
    const QStringList entries = menu();
    ASSERT_TRUE(entries.contains(u"editions"_s));
    EXPECT_EQ(entries.value(entries.indexOf(u"editions"_s) + 1), u"favourite"_s);

    andWait([&] {
        window_support::press(*form, tree, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    });
    QString shown = pageText();
    EXPECT_TRUE(shown.contains(u"其他版本"_s)) << shown.toStdString();
    EXPECT_TRUE(shown.contains(u"本书"_s));
    EXPECT_TRUE(shown.contains(u"牀前看月光"_s));
    EXPECT_TRUE(shown.contains(u"床前明月光"_s));
    EXPECT_EQ(tree->selectedKey(), night);

    andWait([&] { form->reading()->action(u"back"_s)->trigger(); });
    EXPECT_EQ(tree->selectedKey(), night);
    EXPECT_EQ(pageBytes(), poemPage);
    andWait([&] { form->reading()->action(u"forward"_s)->trigger(); });
    EXPECT_TRUE(pageText().contains(u"牀前看月光"_s));
    // The poem's node under 我的收藏 offers it too, and stays chosen.
    form->favourites()->toggle();
    const QString kept = u"Wdsc:"_s + night;
    ASSERT_TRUE(tree->contains(kept));
    andWait([&] { tree->reveal(kept); });
    EXPECT_TRUE(editions->isEnabled());
    andWait([&] { editions->trigger(); });
    EXPECT_TRUE(pageText().contains(u"牀前看月光"_s));
    EXPECT_EQ(tree->selectedKey(), kept);
    andWait([&] { tree->reveal(night); });
    form->favourites()->toggle();
    andWait([&] { editions->trigger(); });
    // A switch that changes pages builds the comparison anew, not the poem.
    andWait([&] { form->reading()->action(u"script"_s)->setChecked(true); });
    EXPECT_TRUE(pageText().contains(u"其他版本"_s)) << pageText().toStdString();
    andWait([&] { form->reading()->action(u"script"_s)->setChecked(false); });

    // The library's own page of the poem names the anthology and compares it.
    QTreeWidgetItem* libraryPoem = childStarting(
        childStarting(childStarting(tree->topLevelItem(4), u"全唐诗"_s), u"李白（"_s), u"靜夜思"_s);
    ASSERT_TRUE(libraryPoem);
    andWait([&] { tree->setCurrentItem(libraryPoem); });
    EXPECT_FALSE(editions->isEnabled());
    shown = pageText();
    EXPECT_TRUE(shown.contains(u"又见本书"_s)) << shown.toStdString();
    EXPECT_TRUE(shown.contains(u"床前明月光"_s));

    // Alike but for script: said in plain words.
    andWait([&] { tree->reveal(poemKey(u"王之涣"_s, u"登鹳雀楼"_s)); });
    ASSERT_TRUE(editions->isEnabled());
    andWait([&] { editions->trigger(); });
    EXPECT_TRUE(pageText().contains(u"与本书文字相同"_s)) << pageText().toStdString();
    // A poem the library lacks, and a node that is no poem.
    andWait([&] { tree->reveal(poemKey(u"李白"_s, u"怨情"_s)); });
    EXPECT_FALSE(editions->isEnabled());
    andWait([&] { tree->reveal(u"Rdm"_s); });
    EXPECT_FALSE(editions->isEnabled());
}

// With the library installed, the anthology's pages are the same to the
// byte; without it there is no 其他版本 anywhere, and the menu is as it was.
TEST_F(LibraryWindow, TheAnthologysPagesAreTheSameWithTheLibraryAndTheMenuWithoutIt) {
    const QStringList withLibrary = menu();
    QByteArray pages[2];
    andWait([&] { tree->reveal(u"R0.19.9"_s); });
    pages[0] = pageBytes();
    form->close();
    qputenv("QUILLORA_LIBRARY", "/nonexistent/library.qll");
    window_support::open(form);
    tree = form->tree();
    andWait([&] { tree->reveal(u"R0.19.9"_s); });
    pages[1] = pageBytes();
    EXPECT_EQ(pages[0], pages[1]);
    EXPECT_FALSE(pages[0].isEmpty());
    EXPECT_EQ(form->findChild<QAction*>(u"editions"_s), nullptr);
    QStringList without = withLibrary;
    without.removeAll(u"editions"_s);
    EXPECT_EQ(menu(), without);
    andWait([&] { window_support::press(*form, tree, Qt::Key_F1); });
    EXPECT_FALSE(pageText().contains(u"其他版本"_s));
}

} // namespace
