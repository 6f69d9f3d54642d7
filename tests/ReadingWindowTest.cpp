// The comfort actions in the real window with the real page view: text size
// by key and wheel, back and forward over several kinds of node, a random
// poem, the keys page, pinyin over the poem and the dark theme on screen.
#include "shell/ErrorReport.h"
#include "shell/Mainform.h"
#include "shell/Paths.h"
#include "shell/ReadingActions.h"
#include "shell/ScriptDelegate.h"

#include "nav/RandomVerse.h"
#include "nav/ReaderKeys.h"
#include "platform/Files.h"
#include "platform/NodeTree.h"
#include "platform/PageView.h"
#include "platform/Settings.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <QShortcut>
#include <QTest>
#include <QTreeWidgetItem>
#include <QTreeWidgetItemIterator>
#include <QWebEngineView>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include "WindowSupport.h"

using namespace Qt::Literals::StringLiterals;

namespace {

class ReadingWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        // These tests are of the window without a library.
        qputenv("QUILLORA_LIBRARY", "/nonexistent/library.qll");
        start();
    }
    void TearDown() override {
        if (form)
            form->close();
        qunsetenv("QUILLORA_LIBRARY");
    }

    void start() { window_support::open(form); }

    template <typename Step> void andWait(Step step) { window_support::andWait(*form, step); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        window_support::press(*form, form->tree(), key, modifiers);
    }

    void wheel(QWidget* target, int delta) {
        QWheelEvent event(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), {}, {0, delta},
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }

    void mouseButton(QWidget* target, Qt::MouseButton button) {
        QTest::mousePress(target, button, {}, QPoint(5, 5));
    }

    QWebEngineView* engine() const { return form->view()->findChild<QWebEngineView*>(); }
    double treePoints() const { return form->tree()->font().pointSizeF(); }
    QString stored(const QString& key) const {
        return platform::Settings(platform::Settings::programFile())
            .read(u"Reading"_s, key, u"(absent)"_s);
    }
    QString pageText() { return window_support::visibleText(form->view()); }
    QByteArray pageBytes() const {
        return platform::files::read(shell::paths::inWorkingFolder(shell::paths::kPage));
    }

    std::unique_ptr<shell::Mainform> form;
};

} // namespace

TEST_F(ReadingWindow, ZoomKeysAndWheelStepPageAndTreeTogetherWithinTheirLimits) {
    const double base = treePoints();
    press(Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(engine()->zoomFactor(), 1.10);
    EXPECT_NEAR(treePoints(), base * 1.10, 0.01);
    press(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(engine()->zoomFactor(), 1.25);
    for (int i = 0; i < 20; ++i)
        wheel(form->tree()->viewport(), 120);
    EXPECT_DOUBLE_EQ(engine()->zoomFactor(), 3.0);
    EXPECT_EQ(stored(u"Zoom"_s), u"300"_s);
    press(Qt::Key_0, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(engine()->zoomFactor(), 1.0);
    EXPECT_NEAR(treePoints(), base, 0.01);
    QWidget* drawn = engine()->focusProxy();
    ASSERT_NE(drawn, nullptr);
    for (int i = 0; i < 20; ++i)
        wheel(drawn, -120);
    EXPECT_DOUBLE_EQ(engine()->zoomFactor(), 0.5);
    press(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(engine()->zoomFactor(), 0.5);
    EXPECT_NEAR(treePoints(), base * 0.5, 0.01);

    // The size is kept and comes back with the next start.
    form->close();
    start();
    EXPECT_DOUBLE_EQ(engine()->zoomFactor(), 0.5);
    EXPECT_NEAR(treePoints(), base * 0.5, 0.01);
    press(Qt::Key_0, Qt::ControlModifier);
}

TEST_F(ReadingWindow, BackAndForwardWalkTheChosenNodesAndOpenCollapsedBranches) {
    platform::NodeTree* tree = form->tree();
    const QStringList walk{u"R0.0.0"_s, u"R0.0"_s, u"Jyb"_s, u"R1"_s};
    for (const QString& key : walk)
        andWait([&] { tree->reveal(key); });
    const QString lastTitle = form->view()->title();
    tree->collapseAll();

    andWait([&] { press(Qt::Key_Left, Qt::AltModifier); });
    EXPECT_EQ(tree->selectedKey(), u"Jyb"_s);
    andWait([&] { press(Qt::Key_Left, Qt::AltModifier); });
    EXPECT_EQ(tree->selectedKey(), u"R0.0"_s);
    EXPECT_TRUE(tree->currentItem()->parent()->isExpanded());
    andWait([&] { mouseButton(tree->viewport(), Qt::BackButton); });
    EXPECT_EQ(tree->selectedKey(), u"R0.0.0"_s);
    EXPECT_TRUE(tree->currentItem()->parent()->isExpanded());
    EXPECT_TRUE(pageText().contains(tree->currentItem()->text(0)));

    andWait([&] { press(Qt::Key_Right, Qt::AltModifier); });
    EXPECT_EQ(tree->selectedKey(), u"R0.0"_s);
    andWait([&] { mouseButton(engine()->focusProxy(), Qt::ForwardButton); });
    EXPECT_EQ(tree->selectedKey(), u"Jyb"_s);
    andWait([&] { press(Qt::Key_Right, Qt::AltModifier); });
    EXPECT_EQ(tree->selectedKey(), u"R1"_s);
    EXPECT_EQ(form->view()->title(), lastTitle);
    // At the end nothing moves.
    press(Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(tree->selectedKey(), u"R1"_s);
}

TEST_F(ReadingWindow, RandomOpensAnotherVerseEachTime) {
    QString shown = form->tree()->selectedKey();
    for (int i = 0; i < 5; ++i) {
        andWait([&] { press(Qt::Key_R, Qt::ControlModifier); });
        const QString key = form->tree()->selectedKey();
        EXPECT_TRUE(nav::RandomVerse::isVerse(key)) << key.toStdString();
        EXPECT_NE(key, shown);
        EXPECT_TRUE(pageText().contains(form->tree()->currentItem()->text(0)));
        shown = key;
    }
}

TEST_F(ReadingWindow, EveryShortcutAndMenuEntryIsTheKeyTablesAndTheKeysPageListsThem) {
    andWait([&] { press(Qt::Key_F1); });
    const QString text = pageText();
    auto portable = [](const QList<QKeySequence>& keys) {
        QStringList out;
        for (const QKeySequence& key : keys)
            out << key.toString(QKeySequence::PortableText);
        return out;
    };
    auto treeKeys = [&](const QString& id) {
        QList<QKeySequence> keys;
        for (const QShortcut* shortcut : form->tree()->findChildren<QShortcut*>())
            if (shortcut->objectName() == id && shortcut->context() == Qt::WidgetShortcut)
                keys << shortcut->key();
        return portable(keys);
    };
    QStringList menu;
    for (const nav::ReaderKey& entry : nav::readerKeys()) {
        SCOPED_TRACE(entry.id.toStdString());
        const auto* action = form->findChild<QAction*>(entry.id);
        // The library's entries are nowhere without a library.
        if (entry.library) {
            EXPECT_EQ(action, nullptr);
            EXPECT_FALSE(text.contains(entry.what));
            continue;
        }
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->text().startsWith(entry.what));
        EXPECT_EQ(portable(action->shortcuts()), entry.keys);
        EXPECT_TRUE(form->actions().contains(action));
        EXPECT_EQ(treeKeys(entry.id), entry.treeKeys);
        EXPECT_EQ(action->isCheckable(), entry.checkable);
        if (entry.menu)
            menu << entry.id;
        // A menu entry without keys is no row of the keys page.
        const QStringList keys = entry.keys + entry.treeKeys + entry.mouse;
        EXPECT_EQ(text.contains(entry.what), !keys.isEmpty());
        for (const QString& key : keys)
            EXPECT_TRUE(text.contains(key)) << key.toStdString();
    }
    // Nothing besides: no key of the window and no entry of the menu is
    // written anywhere but in the table.
    QStringList shown;
    for (const QAction* action : form->tree()->actions())
        shown << action->objectName();
    EXPECT_EQ(shown, menu);
    for (const QAction* action : form->findChildren<QAction*>()) {
        if (!action->shortcuts().isEmpty()) {
            EXPECT_EQ(portable(action->shortcuts()), nav::readerKey(action->objectName()).keys)
                << action->text().toStdString();
        }
    }
    for (const QShortcut* shortcut : form->findChildren<QShortcut*>()) {
        EXPECT_TRUE(nav::readerKey(shortcut->objectName())
                        .treeKeys.contains(shortcut->key().toString(QKeySequence::PortableText)))
            << shortcut->key().toString().toStdString();
    }
}

TEST_F(ReadingWindow, ThePinyinKeyPutsRubyOverThePoemKeepsItAndTakesItAwayAgain) {
    QAction* pinyin = form->reading()->action(u"pinyin"_s);
    EXPECT_TRUE(form->tree()->actions().contains(pinyin));
    EXPECT_TRUE(pinyin->isShortcutVisibleInContextMenu());
    EXPECT_FALSE(pinyin->isChecked());
    andWait([&] { form->tree()->reveal(u"R0.0.0"_s); });
    const QByteArray plain = pageBytes();
    const QRegularExpression toned(u"[āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜ]"_s);
    EXPECT_FALSE(pageText().contains(toned));

    andWait([&] { press(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier); });
    EXPECT_TRUE(pinyin->isChecked());
    EXPECT_TRUE(pageBytes().contains("<ruby>"));
    EXPECT_TRUE(pageText().contains(toned));
    EXPECT_EQ(stored(u"Pinyin"_s), u"1"_s);
    // An author's page has no readings and stays as it is.
    andWait([&] { form->tree()->reveal(u"R0.0"_s); });
    EXPECT_FALSE(pageBytes().contains("<ruby>"));

    // The switch is kept for the next start.
    form->close();
    start();
    EXPECT_TRUE(form->reading()->action(u"pinyin"_s)->isChecked());
    andWait([&] { form->tree()->reveal(u"R0.0.0"_s); });
    EXPECT_TRUE(pageBytes().contains("<ruby>"));
    andWait([&] { press(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier); });
    EXPECT_FALSE(form->reading()->action(u"pinyin"_s)->isChecked());
    EXPECT_EQ(pageBytes(), plain);
    EXPECT_EQ(stored(u"Pinyin"_s), u"0"_s);
}

TEST_F(ReadingWindow, TheMetreKeyMarksARegulatedPoemInBothScriptsAndRestoresThePlainPage) {
    QAction* metre = form->reading()->action(u"metre"_s);
    EXPECT_TRUE(form->tree()->actions().contains(metre));
    EXPECT_FALSE(metre->isChecked());
    QTreeWidgetItem* poem = nullptr;
    for (QTreeWidgetItemIterator it(form->tree()); *it && !poem; ++it)
        if ((*it)->text(0) == u"春望"_s)
            poem = *it;
    ASSERT_NE(poem, nullptr);
    andWait([&] { form->tree()->setCurrentItem(poem); });
    const QByteArray plain = pageBytes();

    andWait([&] { press(Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier); });
    EXPECT_TRUE(metre->isChecked());
    EXPECT_EQ(stored(u"Metre"_s), u"1"_s);
    EXPECT_EQ(pageBytes().count(R"(class="mk")"), 40);
    QString text = pageText();
    EXPECT_TRUE(text.contains(u"下平十二侵"_s));
    EXPECT_TRUE(text.contains(u"五言律诗，仄起，首句不入韵"_s));

    // In Traditional the same marks, and the verdict in Traditional words.
    andWait([&] { press(Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier); });
    EXPECT_EQ(pageBytes().count(R"(class="mk")"), 40);
    text = pageText();
    EXPECT_TRUE(text.contains(u"五言律詩"_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"國"_s));
    andWait([&] { press(Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier); });

    andWait([&] { press(Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier); });
    EXPECT_FALSE(metre->isChecked());
    EXPECT_EQ(pageBytes(), plain);
    EXPECT_EQ(stored(u"Metre"_s), u"0"_s);
}

TEST_F(ReadingWindow, TheDarkThemeDrawsThePageDarkWithoutTouchingThePageFile) {
    andWait([&] { form->tree()->reveal(u"R0.0.0"_s); });
    const QByteArray light = pageBytes();
    QAction* theme = form->reading()->action(u"theme"_s);
    while (!form->reading()->darkShown())
        press(Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(stored(u"Theme"_s), u"dark"_s);
    EXPECT_TRUE(theme->text().contains(u"深色"_s));
    andWait([&] { form->tree()->reveal(u"R0.0.1"_s); });
    andWait([&] { form->tree()->reveal(u"R0.0.0"_s); });
    EXPECT_EQ(pageBytes(), light);

    // What the screen shows: the page's ground near its lower right corner,
    // away from the text, and the tree's.
    QImage shot;
    const QPoint corner = form->view()->geometry().bottomRight() - QPoint(20, 20);
    for (int waited = 0; waited < 5000; waited += 100) {
        QTest::qWait(100);
        shot = form->grab().toImage();
        if (shot.pixelColor(corner).lightness() < 80)
            break;
    }
    EXPECT_LT(shot.pixelColor(corner).lightness(), 80);
    EXPECT_LT(form->tree()->palette().color(QPalette::Base).lightness(), 80);

    while (form->reading()->darkShown())
        press(Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    for (int waited = 0; waited < 5000; waited += 100) {
        QTest::qWait(100);
        shot = form->grab().toImage();
        if (shot.pixelColor(corner).lightness() > 200)
            break;
    }
    EXPECT_GT(shot.pixelColor(corner).lightness(), 200);
}

TEST_F(ReadingWindow, TraditionalShowsTreeAndPagesConvertedWhileTheNodesKeepTheirTexts) {
    platform::NodeTree* tree = form->tree();
    QTreeWidgetItem* jin = nullptr;
    for (QTreeWidgetItemIterator it(tree); *it && !jin; ++it)
        if ((*it)->text(0) == u"东晋"_s)
            jin = *it;
    ASSERT_NE(jin, nullptr);
    andWait([&] { press(Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier); });
    EXPECT_EQ(stored(u"Script"_s), u"traditional"_s);
    const auto* delegate = dynamic_cast<shell::ScriptDelegate*>(tree->itemDelegate());
    ASSERT_NE(delegate, nullptr);
    EXPECT_EQ(delegate->shown(jin->text(0)), u"東晉"_s);
    EXPECT_EQ(jin->text(0), u"东晋"_s);

    // The era rows are still found from the node's own text.
    andWait([&] { tree->setCurrentItem(jin); });
    const QString eras = pageText();
    EXPECT_TRUE(eras.contains(u"年號"_s));
    EXPECT_GT(pageBytes().count("<tr"), 5);

    // Readings stay over the converted poem.
    andWait([&] { tree->reveal(u"R0.0.0"_s); });
    const QString poem = tree->currentItem()->text(0);
    EXPECT_TRUE(pageText().contains(delegate->shown(poem)));
    andWait([&] { form->reading()->action(u"pinyin"_s)->setChecked(true); });
    EXPECT_TRUE(pageBytes().contains("<ruby>"));
    form->reading()->action(u"pinyin"_s)->setChecked(false);

    // The next start shows the About page converted from the first moment.
    form->close();
    start();
    EXPECT_TRUE(pageText().contains(u"閱讀器"_s));
    andWait([&] { press(Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier); });
    EXPECT_TRUE(pageText().contains(u"阅读器"_s));
}

TEST_F(ReadingWindow, TheMenuChoosesWhichTraditionalAndTheSwitchGoesBackToTheOneChosen) {
    shell::ReadingActions* reading = form->reading();
    QAction* standard = reading->action(u"scriptStandard"_s);
    QAction* taiwan = reading->action(u"scriptTaiwan"_s);
    QAction* hongKong = reading->action(u"scriptHongKong"_s);
    ASSERT_TRUE(standard && taiwan && hongKong);
    for (QAction* choice : {standard, taiwan, hongKong})
        EXPECT_TRUE(form->tree()->actions().contains(choice));
    EXPECT_TRUE(standard->isChecked());
    QTreeWidgetItem* lodge = nullptr;
    for (QTreeWidgetItemIterator it(form->tree()); *it && !lodge; ++it)
        if ((*it)->text(0) == u"竹里馆"_s)
            lodge = *it;
    ASSERT_NE(lodge, nullptr);
    andWait([&] { form->tree()->setCurrentItem(lodge); });
    EXPECT_TRUE(pageText().contains(u"竹里馆"_s));

    // A choice turns Traditional on in its own forms.
    andWait([&] { taiwan->trigger(); });
    EXPECT_EQ(stored(u"Script"_s), u"taiwan"_s);
    EXPECT_TRUE(reading->action(u"script"_s)->isChecked());
    EXPECT_TRUE(pageText().contains(u"竹裡館"_s));
    // The switch turns it off and back on to the one chosen.
    andWait([&] { press(Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier); });
    EXPECT_EQ(stored(u"Script"_s), u"simplified"_s);
    EXPECT_TRUE(pageText().contains(u"竹里馆"_s));
    andWait([&] { press(Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier); });
    EXPECT_EQ(stored(u"Script"_s), u"taiwan"_s);
    EXPECT_TRUE(pageText().contains(u"竹裡館"_s));
    // Another choice while on shows its forms at once; one choice is checked.
    andWait([&] { hongKong->trigger(); });
    EXPECT_EQ(stored(u"Script"_s), u"hongkong"_s);
    EXPECT_TRUE(pageText().contains(u"竹裏館"_s));
    EXPECT_FALSE(taiwan->isChecked());

    // The next start shows the choice checked.
    form->close();
    start();
    EXPECT_TRUE(form->reading()->action(u"scriptHongKong"_s)->isChecked());
    EXPECT_TRUE(form->reading()->action(u"script"_s)->isChecked());
}

TEST_F(ReadingWindow, TheOptionsLiveInTheirOwnSectionAndLeaveThePlacementKeysAsTheyWere) {
    andWait([&] { form->reading()->action(u"pinyin"_s)->trigger(); });
    andWait([&] { form->reading()->action(u"script"_s)->trigger(); });
    form->reading()->action(u"zoomIn"_s)->trigger();
    form->reading()->action(u"theme"_s)->trigger();
    form->close();
    form.reset();
    QSettings file(QSettings::IniFormat, QSettings::UserScope, u"Quillora"_s,
                   platform::Settings::applicationName());
    EXPECT_EQ(file.childGroups(), (QStringList{u"Reading"_s, u"Setting"_s}));
    file.beginGroup(u"Setting"_s);
    QStringList keys = file.childKeys();
    keys.sort();
    EXPECT_EQ(keys, (QStringList{u"Height"_s, u"Left"_s, u"Top"_s, u"Width"_s, u"Window"_s}));
    for (const QString& key : keys) {
        bool number = false;
        file.value(key).toString().toInt(&number);
        EXPECT_TRUE(number) << key.toStdString();
    }
    file.endGroup();
    file.beginGroup(u"Reading"_s);
    for (const QString& key : file.childKeys())
        EXPECT_TRUE((QStringList{u"Metre"_s, u"Pinyin"_s, u"Script"_s, u"Theme"_s, u"Zoom"_s})
                        .contains(key))
            << key.toStdString();
}

TEST_F(ReadingWindow, ASaveKeepsAnotherCopysChoiceAndAStuckLockNeverHoldsTheWindow) {
    const QString file = platform::Settings::programFile();
    form->reading()->action(u"zoomReset"_s)->trigger();
    {
        // Another copy chooses the dark theme while this one runs.
        platform::Settings other(file);
        other.write(u"Reading"_s, u"Theme"_s, u"dark"_s);
        other.flush();
    }
    form->reading()->action(u"zoomIn"_s)->trigger();
    EXPECT_EQ(stored(u"Theme"_s), u"dark"_s);
    EXPECT_EQ(stored(u"Zoom"_s), u"110"_s);

    // A folder in the lock's place: the window goes on, the changes wait.
    shell::reportToStreamOnly(); // no message box to press
    ASSERT_TRUE(QDir().mkpath(file + u".lock"_s));
    form->reading()->action(u"zoomIn"_s)->trigger();
    form->reading()->action(u"zoomIn"_s)->trigger();
    EXPECT_EQ(stored(u"Zoom"_s), u"110"_s);
    ASSERT_TRUE(QDir().rmdir(file + u".lock"_s));
    form->reading()->action(u"zoomOut"_s)->trigger();
    EXPECT_EQ(stored(u"Zoom"_s), u"125"_s);
    shell::reportToStreamOnly(false);

    form->reading()->action(u"zoomReset"_s)->trigger();
    platform::Settings settings(file);
    settings.write(u"Reading"_s, u"Theme"_s, u"desktop"_s);
    settings.flush();
}
