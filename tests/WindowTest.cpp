// The real window with the real page view: start-up, every kind of node
// chosen with the keyboard, placement round trips.
#include "shell/Mainform.h"
#include "shell/Paths.h"
#include "shell/ReadingActions.h"

#include "platform/Cp936.h"
#include "platform/Files.h"
#include "platform/NodeTree.h"
#include "platform/PageView.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItem>

#include <gtest/gtest.h>

#include "WindowSupport.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString settingsValue(const QString& key) {
    return platform::Settings(platform::Settings::programFile())
        .read(u"Setting"_s, key, u"(absent)"_s);
}

QStringList pageLines(const QString& file) {
    QStringList lines = platform::cp936::decode(platform::files::read(file)).split(u"\r\n"_s);
    lines.removeLast();
    return lines;
}

// Runs the step and gives the text of the message box it raised, closing
// the box; empty when none came.
template <typename Step> QString messageDuring(Step step) {
    QString message;
    QTimer closer; // stops with the step, whether a box came or not
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            message = box->findChild<QLabel*>(u"qt_msgbox_label"_s)->text();
            box->close();
        }
    });
    closer.start(300);
    step();
    return message;
}

class Window : public ::testing::Test {
  protected:
    void SetUp() override { window_support::open(form); }
    void TearDown() override {
        if (form)
            form->close();
    }

    // Walks to a node with the arrow keys, as a reader would, and waits
    // until the page view has loaded its page.
    void chooseByKeyboard(const QString& key) {
        platform::NodeTree* tree = form->tree();
        const QString target = tree->info(key).fullPath + u'\\';
        tree->setFocus();
        QSignalSpy loaded(form->view(), &platform::PageView::loadFinished);
        QTest::keyClick(tree, Qt::Key_Home);
        while (tree->selectedKey() != key) {
            const platform::NodeInfo here = tree->info(tree->selectedKey());
            const bool ancestor = target.startsWith(here.fullPath + u'\\');
            if (ancestor && !tree->currentItem()->isExpanded()) {
                QTest::keyClick(tree, Qt::Key_Right);
                continue;
            }
            QTest::keyClick(tree, Qt::Key_Down);
            if (tree->selectedKey() == here.key)
                break; // the last node: the target is not reachable
        }
        ASSERT_EQ(tree->selectedKey(), key);
        ASSERT_TRUE(loaded.count() > 0 || loaded.wait(20000)) << key.toStdString();
    }

    QString page() const { return shell::paths::inWorkingFolder(shell::paths::kPage); }

    std::unique_ptr<shell::Mainform> form;
};

} // namespace

TEST_F(Window, StartsOnTheAboutPage) {
    EXPECT_EQ(form->windowTitle(), u"Vellumbra"_s);
    EXPECT_EQ(form->view()->title(), u"关于"_s);
    EXPECT_EQ(form->tree()->selectedKey(), u"Rdm"_s);
}

TEST_F(Window, EveryKindOfNodeShowsItsPage) {
    struct Case {
        QString key;
        QString title;   // the page view's title, when the page has one
        QString heading; // a text the page must show
    };
    platform::NodeTree* tree = form->tree();
    QString firstIdiom;
    for (int i = 1; i < 1000 && firstIdiom.isEmpty(); ++i)
        if (tree->contains(u"C%1"_s.arg(i)) &&
            tree->info(u"C%1"_s.arg(i)).fullPath.contains(u"\\"_s))
            firstIdiom = u"C%1"_s.arg(i);
    const platform::NodeInfo poem = tree->info(u"R0.0.0"_s);
    const QString initial = tree->info(firstIdiom).fullPath.section(u'\\', 1, 1);
    const Case cases[] = {
        {u"Scq"_s, u"Lumivers"_s, u"前　言"_s},
        {u"R0"_s, u"Lumivers"_s, u"诗歌"_s},
        {u"R0.0"_s, u"简介"_s, u"简介"_s},
        {u"R0.0.0"_s, poem.text, poem.text},
        {u"Cygs"_s, u"Lumivers"_s, u"成语故事"_s},
        {u"yinxu_"_s + initial, u"Lumivers"_s, u"成语故事"_s},
        {firstIdiom, {}, tree->info(firstIdiom).text},
        {u"Jyb"_s, u"Lumivers"_s, u"我国历代纪元表"_s},
        {u"J3"_s, {}, u"简介"_s},
        {u"J1"_s, {}, u"纪元表"_s},
        {u"Y1"_s, {}, u"纪元表"_s},
        {u"Rdm"_s, u"关于"_s, u"Vellumbra"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key.toStdString());
        chooseByKeyboard(c.key);
        if (!c.title.isEmpty()) {
            EXPECT_EQ(form->view()->title(), c.title);
        }
        EXPECT_TRUE(window_support::visibleText(form->view()).contains(c.heading));
        if (c.key != u"Rdm"_s) {
            const QStringList lines = pageLines(page());
            EXPECT_EQ(lines.first(), u"<html>"_s);
            EXPECT_EQ(lines.last(), u"</html>"_s);
        }
    }
    // A dynasty with sub-dynasties has no table of its own.
    chooseByKeyboard(u"J3"_s);
    EXPECT_FALSE(pageLines(page()).contains(u"<table border=\"1\" width=\"100%\" height=\"1\">"_s));
}

TEST_F(Window, AFailedChoiceIsReportedAndTheTreeReturnsToThePageShown) {
    chooseByKeyboard(u"Scq"_s);
    const QString before = form->view()->title();
    // A file-size limit fails the page's write as a full disk would.
    struct rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    const struct rlimit none = {0, saved.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &none);
    const QString message = messageDuring([&] { form->tree()->select(u"R0"_s); });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_TRUE(message.startsWith(u"错误 "_s)) << message.toStdString();
    EXPECT_TRUE(message.contains(page() + u"：File too large"_s)) << message.toStdString();
    EXPECT_EQ(form->view()->title(), before);
    EXPECT_EQ(form->tree()->selectedKey(), u"Scq"_s);
    EXPECT_TRUE(form->isVisible());
    // Back leads to the page before the one shown: the node that failed is
    // no step of the history.
    QSignalSpy back(form->view(), &platform::PageView::loadFinished);
    form->reading()->action(u"back"_s)->trigger();
    ASSERT_TRUE(back.wait(10000));
    EXPECT_EQ(form->tree()->selectedKey(), u"Rdm"_s);
}

TEST_F(Window, AFolderRemovedUnderTheReaderIsMadeAgainByTheNextPage) {
    chooseByKeyboard(u"Scq"_s);
    const QString folder = shell::paths::workingFolder();
    QDir(QFileInfo(folder).path()).removeRecursively(); // the lock's folder too
    QSignalSpy loaded(form->view(), &platform::PageView::loadFinished);
    const QString message = messageDuring([&] { form->tree()->select(u"R0"_s); });
    ASSERT_TRUE(message.isEmpty()) << message.toStdString();
    ASSERT_TRUE(loaded.wait(20000));
    EXPECT_EQ(form->view()->title(), u"Lumivers"_s);
    EXPECT_EQ(form->tree()->selectedKey(), u"R0"_s);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    for (const QString& name : {shell::paths::kTitlePicture, shell::paths::kBullet,
                                shell::paths::kAboutPage, shell::paths::kPage})
        EXPECT_TRUE(QFileInfo(folder + u'/' + name).isFile()) << name.toStdString();
    form->close();
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST_F(Window, AMouseClickChoosesANodeAndAClickOnItAgainRebuildsIt) {
    platform::NodeTree* tree = form->tree();
    QTreeWidgetItem* idioms = tree->topLevelItem(1);
    const QPoint at = tree->visualItemRect(idioms).center();
    QSignalSpy loaded(form->view(), &platform::PageView::loadFinished);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    ASSERT_TRUE(loaded.wait(20000));
    EXPECT_EQ(tree->selectedKey(), u"Cygs"_s);
    platform::files::writeAtomically(page(), "stale");
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    ASSERT_TRUE(loaded.wait(20000));
    EXPECT_TRUE(pageLines(page()).contains(
        uR"(<p align="center" style="line-height: 180%; margin-left: 18"><b><font face="宋体" size="5" color="#FF0000">成语故事</font></b></p>)"_s));
}

TEST_F(Window, PlacementRoundTrips) {
    form->setWindowState(Qt::WindowMaximized);
    form->close();
    EXPECT_EQ(settingsValue(u"Window"_s), u"2"_s);
    form = std::make_unique<shell::Mainform>();
    form->load();
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    form->setWindowState(Qt::WindowNoState);
    form->move(-60, 40);
    form->close();
    EXPECT_EQ(settingsValue(u"Window"_s), u"0"_s);
    EXPECT_EQ(settingsValue(u"Left"_s).toInt(), -60 * 1440 / form->logicalDpiX());
    form = std::make_unique<shell::Mainform>();
    form->load();
    EXPECT_EQ(form->frameGeometry().left(), -60);
    form->setWindowState(Qt::WindowMinimized);
    form->close();
    EXPECT_EQ(settingsValue(u"Window"_s), u"1"_s);
    EXPECT_EQ(settingsValue(u"Left"_s).toInt(), -60 * 1440 / form->logicalDpiX());
    form.reset();
}
