#pragma once

#include "platform/PageView.h"
#include "shell/Mainform.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// What the window tests share: the reader's real window, started as the
// program starts it, and the text its page view shows.
namespace window_support {

// Builds, loads and shows the window, and waits for its first page.
inline void open(std::unique_ptr<shell::Mainform>& form) {
    form = std::make_unique<shell::Mainform>();
    QSignalSpy loaded(form->view(), &platform::PageView::loadFinished);
    form->load();
    form->show();
    ASSERT_TRUE(loaded.wait(30000));
}

// The text the view shows, as the user reads it.
inline QString visibleText(platform::PageView* view) {
    QString text;
    bool done = false;
    view->plainText([&](const QString& t) {
        text = t;
        done = true;
    });
    static_cast<void>(QTest::qWaitFor([&] { return done; }, 10000));
    return text;
}

// The value of a script run in the page, once it has come back (a script
// that gives nothing comes back as an invalid value, without waiting longer).
inline QVariant evaluated(platform::PageView* view, const QString& script,
                          int milliseconds = 10000) {
    QVariant result;
    bool done = false;
    view->evaluate(script, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    static_cast<void>(QTest::qWaitFor([&] { return done; }, milliseconds));
    return result;
}

// Runs what changes the page and waits until the view has loaded it.
template <typename Step> void andWait(shell::Mainform& form, Step step) {
    QSignalSpy loaded(form.view(), &platform::PageView::loadFinished);
    step();
    ASSERT_TRUE(loaded.wait(20000));
}

// Clicks a key on a widget of the window. Shortcuts reach only the active
// window, and other tests' windows on the same display may have taken it.
inline void press(shell::Mainform& form, QWidget* target, Qt::Key key,
                  Qt::KeyboardModifiers modifiers = {}) {
    QApplication::setActiveWindow(&form);
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(target, key, modifiers);
}

} // namespace window_support
