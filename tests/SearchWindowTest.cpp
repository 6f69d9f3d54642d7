// The search in the real window with the real page view: opened with the
// keyboard, Chinese committed through the input method, a result opened and
// marked on its page, the marks walked with F3, and the tree given back.
#include "shell/Mainform.h"
#include "shell/ResultDelegate.h"
#include "shell/SearchPane.h"

#include "platform/NodeTree.h"
#include "platform/PageView.h"

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidgetItem>

#include <gtest/gtest.h>

#include "WindowSupport.h"

using namespace Qt::Literals::StringLiterals;

namespace {

class SearchWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        // The anthology alone, whatever library lies in the build tree.
        qputenv("QUILLORA_LIBRARY", "/nonexistent/library.qll");
        window_support::open(form);
        pane = form->search();
    }
    void TearDown() override {
        form->close();
        qunsetenv("QUILLORA_LIBRARY");
    }

    // Types as an input method does: a composition shown, then committed.
    void compose(const QString& text) {
        QInputMethodEvent preedit(text.left(1), {});
        QApplication::sendEvent(pane->field(), &preedit);
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(pane->field(), &commit);
        for (int waited = 0; pane->list()->count() == 0 && waited < 5000; waited += 20)
            QTest::qWait(20);
    }

    void pressShortcut(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        window_support::press(*form, target, key, modifiers);
    }

    std::unique_ptr<shell::Mainform> form;
    shell::SearchPane* pane = nullptr;
};

TEST_F(SearchWindow, ACommittedCompositionFindsAndEnterOpensTheMarkedPage) {
    platform::NodeTree* tree = form->tree();
    const QRect treeBefore = tree->geometry();
    pressShortcut(tree, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(pane->field()->isVisible());
    EXPECT_TRUE(pane->field()->hasFocus());
    EXPECT_TRUE(tree->isVisible()); // nothing typed yet: the tree stays

    compose(u"床前明月光"_s);
    ASSERT_GT(pane->list()->count(), 0);
    EXPECT_TRUE(pane->list()->isVisible());
    EXPECT_FALSE(tree->isVisible());
    EXPECT_TRUE(pane->count()->text().startsWith(u"共 "_s));

    QSignalSpy found(form->view(), &platform::PageView::textFound);
    QTest::keyClick(pane->field(), Qt::Key_Return);
    ASSERT_TRUE(found.wait(30000));
    EXPECT_EQ(tree->selectedKey(), u"R0.19.9"_s);
    EXPECT_GE(found.last().at(1).toInt(), 1);
    EXPECT_EQ(found.last().at(0).toInt(), 1);
    EXPECT_TRUE(pane->field()->hasFocus());

    pressShortcut(pane->field(), Qt::Key_Escape);
    EXPECT_FALSE(pane->field()->isVisible());
    EXPECT_FALSE(pane->list()->isVisible());
    ASSERT_TRUE(tree->isVisible());
    EXPECT_TRUE(tree->hasFocus());
    EXPECT_EQ(tree->selectedKey(), u"R0.19.9"_s);
    for (QTreeWidgetItem* up = tree->currentItem()->parent(); up; up = up->parent())
        EXPECT_TRUE(up->isExpanded());
    EXPECT_EQ(tree->geometry(), treeBefore);
}

TEST_F(SearchWindow, F3AndShiftF3WalkTheMarksOnThePage) {
    pressShortcut(form->tree(), Qt::Key_Slash);
    ASSERT_TRUE(pane->field()->isVisible());
    compose(u"举头"_s);
    QSignalSpy found(form->view(), &platform::PageView::textFound);
    // Up and Down move in the list; the field keeps the focus.
    QTest::keyClick(pane->field(), Qt::Key_Down);
    QTest::keyClick(pane->field(), Qt::Key_Up);
    EXPECT_EQ(pane->list()->currentRow(), 0);
    QTest::keyClick(pane->field(), Qt::Key_Return);
    ASSERT_TRUE(found.wait(30000));
    const int count = found.last().at(1).toInt();
    ASSERT_GE(count, 3) << "the words are quoted in the notes and the analysis as well";
    pressShortcut(pane->field(), Qt::Key_F3);
    ASSERT_TRUE(found.wait(10000));
    EXPECT_EQ(found.last().at(0).toInt(), 2);
    pressShortcut(pane->field(), Qt::Key_F3, Qt::ShiftModifier);
    ASSERT_TRUE(found.wait(10000));
    EXPECT_EQ(found.last().at(0).toInt(), 1);
}

TEST_F(SearchWindow, AYearOpensItsDynastysEraTableAndTheMenuOffersTheSearch) {
    bool offered = false;
    for (const QAction* action : form->tree()->actions())
        offered = offered || action->text() == u"查找…"_s;
    EXPECT_TRUE(offered);
    form->search()->openAction()->trigger();
    compose(u"1644"_s);
    ASSERT_GE(pane->list()->count(), 2);
    QSignalSpy found(form->view(), &platform::PageView::textFound);
    QTest::mouseClick(pane->list()->viewport(), Qt::LeftButton, {},
                      pane->list()->visualItemRect(pane->list()->item(1)).center());
    ASSERT_TRUE(found.wait(30000));
    EXPECT_EQ(form->tree()->selectedKey(), u"J17"_s);
    EXPECT_GE(found.last().at(1).toInt(), 1);
}

TEST_F(SearchWindow, ANearMatchIsMarkedInItsRowAndOpensThePieceWithTheLineMarked) {
    form->search()->openAction()->trigger();
    compose(u"床前望月光"_s);
    ASSERT_GT(pane->list()->count(), 0);
    const QString row = pane->list()->item(0)->data(shell::ResultDelegate::kHtmlRole).toString();
    EXPECT_TRUE(row.contains(u"近似"_s)) << row.toStdString();
    QSignalSpy found(form->view(), &platform::PageView::textFound);
    QTest::keyClick(pane->field(), Qt::Key_Return);
    ASSERT_TRUE(found.wait(30000));
    EXPECT_EQ(form->tree()->selectedKey(), u"R0.19.9"_s);
    EXPECT_GE(found.last().at(1).toInt(), 1);
}

} // namespace

TEST_F(SearchWindow, InTraditionalTheRowsAreShownConvertedAndTheMatchIsMarkedOnThePage) {
    QAction* script = form->findChild<QAction*>(u"script"_s);
    ASSERT_NE(script, nullptr);
    window_support::andWait(*form, [&] { script->setChecked(true); });
    pressShortcut(form->tree(), Qt::Key_F, Qt::ControlModifier);
    compose(u"泪湿罗巾"_s);
    ASSERT_GT(pane->list()->count(), 0);
    const QString row = pane->list()->item(0)->data(shell::ResultDelegate::kHtmlRole).toString();
    EXPECT_TRUE(row.contains(u"淚溼羅巾"_s)) << row.toStdString();

    QSignalSpy found(form->view(), &platform::PageView::textFound);
    QTest::keyClick(pane->field(), Qt::Key_Return);
    ASSERT_TRUE(found.wait(30000));
    EXPECT_GE(found.last().at(1).toInt(), 1);
    script->setChecked(false);
}
