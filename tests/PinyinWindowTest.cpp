// The pinyin switch in the real window: the tree's action and its key, ruby
// over the poem in the real page view, the setting kept, and the page bytes
// back to the plain ones when it is switched off.
#include "shell/Mainform.h"
#include "shell/Paths.h"

#include "platform/Files.h"
#include "platform/NodeTree.h"
#include "platform/PageView.h"
#include "platform/Settings.h"

#include <QAction>
#include <QApplication>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "WindowSupport.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QString readingValue() {
    return platform::Settings(platform::Settings::applicationName())
        .read(u"Reading"_s, u"Pinyin"_s, u"(absent)"_s);
}

class PinyinWindow : public ::testing::Test {
  protected:
    void SetUp() override { start(); }
    void TearDown() override {
        if (form)
            form->close();
    }

    void start() {
        window_support::open(form);
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    // Runs what changes the page and waits until the view has loaded it.
    template <typename Step> void andWait(Step step) {
        QSignalSpy loaded(form->view(), &platform::PageView::loadFinished);
        step();
        ASSERT_TRUE(loaded.wait(20000));
    }

    void pressPinyinKey() {
        form->tree()->setFocus();
        andWait([this] {
            // A key works its shortcut in the active window; other windows on
            // the same display (tests running side by side) may hold the
            // focus, so the window is made active right before the key.
            QApplication::setActiveWindow(form.get());
            QTest::keyClick(form->tree(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        });
    }

    QByteArray pageBytes() const {
        return platform::files::read(shell::paths::inWorkingFolder(shell::paths::kPage));
    }

    std::unique_ptr<shell::Mainform> form;
};

} // namespace

TEST_F(PinyinWindow, TheTreeOffersTheSwitchWithItsKey) {
    QAction* action = form->pinyinAction();
    EXPECT_TRUE(form->tree()->actions().contains(action));
    EXPECT_EQ(action->text(), u"拼音"_s);
    EXPECT_EQ(action->shortcut(), QKeySequence(u"Ctrl+Shift+P"_s));
    EXPECT_TRUE(action->isCheckable());
    EXPECT_TRUE(action->isShortcutVisibleInContextMenu());
    EXPECT_FALSE(action->isChecked());
}

TEST_F(PinyinWindow, TheKeyPutsRubyOverThePoemAndTakesItAwayAgain) {
    andWait([this] { form->tree()->select(u"R0.0.0"_s); });
    const QByteArray plain = pageBytes();
    const QRegularExpression toned(u"[āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜ]"_s);
    EXPECT_FALSE(window_support::visibleText(form->view()).contains(toned));

    pressPinyinKey();
    EXPECT_TRUE(form->pinyinAction()->isChecked());
    EXPECT_TRUE(pageBytes().contains("<ruby>"));
    EXPECT_TRUE(window_support::visibleText(form->view()).contains(toned));
    EXPECT_EQ(readingValue(), u"1"_s);

    // An author's page has no readings and stays as it is.
    andWait([this] { form->tree()->select(u"R0.0"_s); });
    EXPECT_FALSE(pageBytes().contains("<ruby>"));

    andWait([this] { form->tree()->select(u"R0.0.0"_s); });
    pressPinyinKey();
    EXPECT_FALSE(form->pinyinAction()->isChecked());
    EXPECT_EQ(pageBytes(), plain);
    EXPECT_EQ(readingValue(), u"0"_s);
}

TEST_F(PinyinWindow, TheSwitchIsKeptForTheNextStart) {
    form->pinyinAction()->setChecked(true);
    form->close();
    form.reset();
    start();
    EXPECT_TRUE(form->pinyinAction()->isChecked());
    andWait([this] { form->tree()->select(u"R0.0.0"_s); });
    EXPECT_TRUE(pageBytes().contains("<ruby>"));
    form->pinyinAction()->setChecked(false);
}
