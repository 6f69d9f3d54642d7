// The favourites in the real window: Ctrl+D and the menu entry keep and drop
// the piece chosen, 我的收藏 stands last while one is kept and leads to the
// pieces' pages, and a reader with none kept has the tree it always had.
#include "shell/FavouritesActions.h"
#include "shell/Mainform.h"
#include "shell/Paths.h"

#include "favourites/Store.h"
#include "nav/FavouriteNodes.h"
#include "nav/TreeBuilder.h"
#include "platform/NodeTree.h"
#include "store/ContentStore.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTreeWidgetItem>

#include <gtest/gtest.h>

#include "WindowSupport.h"

namespace fn = nav::favouriteNodes;
using namespace Qt::Literals::StringLiterals;

namespace {

// Each case keeps its favourites in a data folder of its own.
class FavouritesWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        // The anthology alone, whatever library lies in the build tree.
        qputenv("QUILLORA_LIBRARY", "/nonexistent/library.qll");
        window_support::open(form);
        tree = form->tree();
    }
    void TearDown() override {
        if (form)
            form->close();
        qputenv("XDG_DATA_HOME", saved);
        qunsetenv("QUILLORA_LIBRARY");
    }
    template <typename Step> void andWait(Step step) { window_support::andWait(*form, step); }
    void pressCtrlD() { window_support::press(*form, tree, Qt::Key_D, Qt::ControlModifier); }
    QStringList topLevel() const {
        QStringList keys;
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            keys << tree->topLevelItem(i)->text(0);
        return keys;
    }
    QStringList favouriteNodes() const {
        QStringList keys;
        for (const QString& key : tree->keysInOrder())
            if (fn::pieceKeyOf(key))
                keys << *fn::pieceKeyOf(key);
        return keys;
    }
    QString pageText() { return window_support::visibleText(form->view()); }
    QAction* toggle() const { return form->findChild<QAction*>(u"favourite"_s); }

    QTemporaryDir data;
    QByteArray saved;
    std::unique_ptr<shell::Mainform> form;
    platform::NodeTree* tree = nullptr;
};

const QStringList kRoots{u"Vellumbra"_s, u"成语故事"_s, u"我国历代纪元表"_s, u"关于"_s};

} // namespace

TEST_F(FavouritesWindow, WithNoneKeptTheTreeIsAsBuiltAndNothingIsWritten) {
    EXPECT_EQ(topLevel(), kRoots);
    platform::NodeTree plain;
    store::ContentStore content(shell::paths::inWorkingFolder(shell::paths::kDatabase));
    nav::buildTree(plain, content);
    EXPECT_EQ(tree->keysInOrder(), plain.keysInOrder());
    EXPECT_FALSE(toggle()->isEnabled()); // About is no piece
    EXPECT_TRUE(QDir(data.path()).isEmpty());
}

TEST_F(FavouritesWindow, CtrlDKeepsThePieceAndTheBranchFollowsInTheOrderAdded) {
    const QString first = u"R0.0.1"_s;
    const QString second = u"R0.0.0"_s;
    const QString idiom = tree->keysInOrder().filter(QRegularExpression(u"^C\\d"_s)).front();
    for (const QString& key : {first, second, idiom}) {
        andWait([&] { tree->reveal(key); });
        EXPECT_EQ(toggle()->text(), u"收藏"_s);
        pressCtrlD();
        EXPECT_EQ(toggle()->text(), u"取消收藏"_s);
    }
    EXPECT_EQ(topLevel(), kRoots + QStringList{fn::kRootText});
    EXPECT_EQ(favouriteNodes(), (QStringList{first, second, idiom}));
    EXPECT_EQ(form->favourites()->keptKeys(), (QStringList{first, second, idiom}));
    EXPECT_TRUE(QFile::exists(data.filePath(u"quillora/favourites.db"_s)));

    // A favourite leads to its piece's page; the branch lists them all.
    const QString title = tree->info(first).text;
    andWait([&] { tree->reveal(fn::nodeKey(first)); });
    EXPECT_TRUE(pageText().contains(title));
    andWait([&] { tree->reveal(fn::kRootKey); });
    const QString list = pageText();
    EXPECT_TRUE(list.contains(title));
    EXPECT_TRUE(list.contains(tree->info(idiom).text));
    EXPECT_LT(list.indexOf(title), list.indexOf(tree->info(second).text));

    // Dropped from its own node under 我的收藏, the piece stays on show at
    // its node in the anthology.
    andWait([&] { tree->reveal(fn::nodeKey(first)); });
    EXPECT_EQ(toggle()->text(), u"取消收藏"_s);
    andWait([&] { pressCtrlD(); });
    EXPECT_EQ(tree->selectedKey(), first);
    EXPECT_EQ(favouriteNodes(), (QStringList{second, idiom}));
    for (const QString& key : {second, idiom}) {
        andWait([&] { tree->reveal(key); });
        toggle()->trigger(); // as from the right-click menu
    }
    EXPECT_EQ(topLevel(), kRoots);
    EXPECT_FALSE(tree->contains(fn::kRootKey));
    EXPECT_TRUE(form->favourites()->keptKeys().isEmpty());
}

TEST_F(FavouritesWindow, ExportedListImportsBackSkippingLinesThatMatchNothing) {
    const QStringList keys{u"R1.0.0"_s, u"R0.2.0"_s};
    for (const QString& key : keys) {
        andWait([&] { tree->reveal(key); });
        toggle()->trigger();
    }
    const QString list = data.filePath(u"list.txt"_s);
    EXPECT_EQ(form->favourites()->exportTo(list), 2);
    for (const QString& key : keys) {
        andWait([&] { tree->reveal(key); });
        toggle()->trigger();
    }
    ASSERT_FALSE(tree->contains(fn::kRootKey));
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("诗歌\t没有这首诗\t无名氏\n这一行不成样子\n");
    file.close();

    const shell::FavouritesActions::Imported imported = form->favourites()->importFrom(list);
    EXPECT_EQ(imported.added, 2);
    EXPECT_EQ(imported.skipped, 2);
    EXPECT_EQ(favouriteNodes(), keys);
    // Imported again, nothing is doubled.
    EXPECT_EQ(form->favourites()->importFrom(list).added, 0);
    EXPECT_EQ(form->favourites()->keptKeys(), keys);
}
