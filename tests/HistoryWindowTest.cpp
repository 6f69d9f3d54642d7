// Back and forward over the keys page: it is a step like any page chosen.
#include "shell/Mainform.h"

#include "nav/ReaderKeys.h"
#include "platform/NodeTree.h"
#include "platform/PageView.h"

#include "WindowSupport.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(History, BackFromTheKeysPageReturnsToTheNodeShownBeforeIt) {
    std::unique_ptr<shell::Mainform> form;
    window_support::open(form);
    platform::NodeTree* tree = form->tree();
    const auto andWait = [&](auto step) { window_support::andWait(*form, step); };
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        window_support::press(*form, tree, key, modifiers);
    };
    const auto shows = [&](const QString& text) {
        return window_support::visibleText(form->view()).contains(text);
    };
    const QString keysRow = nav::readerKey(u"keys"_s).what;
    const QString a = u"R0.0.0"_s;
    const QString b = u"R0.0.1"_s;
    andWait([&] { tree->reveal(a); });
    andWait([&] { tree->reveal(b); });
    andWait([&] { press(Qt::Key_F1); });
    ASSERT_TRUE(shows(keysRow));

    andWait([&] { press(Qt::Key_Left, Qt::AltModifier); });
    EXPECT_EQ(tree->selectedKey(), b);
    EXPECT_TRUE(shows(tree->info(b).text));
    andWait([&] { press(Qt::Key_Right, Qt::AltModifier); });
    EXPECT_TRUE(shows(keysRow));
    andWait([&] { press(Qt::Key_Left, Qt::AltModifier); });
    andWait([&] { press(Qt::Key_Left, Qt::AltModifier); });
    EXPECT_EQ(tree->selectedKey(), a);
    EXPECT_TRUE(shows(tree->info(a).text));
    form->close();
}
