// Down held in the tree, as a keyboard repeats it (30 keys a second through
// 100 nodes of poems and their authors): how late the tree follows each key,
// whether every page file written is the one of the node selected, and how
// long after the last key the last node's page is shown.
//   key_repeat_timing [rounds] [--library]
// With --library the Downs go through the pieces of 李白 in the library's
// 全唐诗 (QUILLORA_LIBRARY names the library), made as their branch opened.
#include "Timing.h"
#include "TreeItems.h"
#include "TreeWalk.h"

#include "platform/NodeTree.h"
#include "platform/PageView.h"
#include "platform/Process.h"
#include "shell/Mainform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kKeys = 100;
constexpr double kInterval = 1000.0 / 30;

struct Round {
    std::vector<double> moveDelays;
    int wrongPages = 0;
    double lastPage = 0;
};

Round holdDown(shell::Mainform& form) {
    platform::NodeTree* tree = form.tree();
    Round round;
    QElapsedTimer clock;
    std::vector<double> due;
    const auto moved = QObject::connect(tree, &QTreeWidget::currentItemChanged, tree, [&] {
        // Runs after the window has written the page of the new node.
        round.moveDelays.push_back(clock.nsecsElapsed() / 1e6 - due.back());
        const QString expected = QStringLiteral("<title>%1</title>")
                                     .arg(tree_walk::pageTitle(tree->info(tree->selectedKey())));
        if (tree_walk::writtenTitleLine() != expected)
            ++round.wrongPages;
    });
    QEventLoop shown;
    const auto finished =
        QObject::connect(form.view(), &platform::PageView::loadFinished, &shown, [&] {
            if (int(due.size()) == kKeys &&
                form.view()->title() == tree_walk::pageTitle(tree->info(tree->selectedKey()))) {
                round.lastPage = clock.nsecsElapsed() / 1e6 - due.back();
                shown.quit();
            }
        });
    std::function<void()> press = [&] {
        due.push_back(due.size() * kInterval);
        QCoreApplication::postEvent(tree, new QKeyEvent(QEvent::KeyPress, Qt::Key_Down,
                                                        Qt::NoModifier, {}, due.size() > 1));
        if (int(due.size()) < kKeys) {
            const double wait = due.size() * kInterval - clock.nsecsElapsed() / 1e6;
            QTimer::singleShot(std::max(0, int(wait)), Qt::PreciseTimer, tree, press);
        }
    };
    clock.start();
    press();
    shown.exec();
    QObject::disconnect(moved);
    QObject::disconnect(finished);
    return round;
}

// Opens 书库 › 全唐诗 › 李白 and gives the key of his first piece.
QString openLibraryPoet(platform::NodeTree& tree) {
    QTreeWidgetItem* shelf = bench::topLevel(tree, QStringLiteral("书库"));
    if (!shelf)
        return {};
    shelf->setExpanded(true);
    QTreeWidgetItem* tang = bench::childStarting(shelf, {QStringLiteral("全唐诗")});
    if (tang)
        tang->setExpanded(true);
    QTreeWidgetItem* li = bench::childStarting(tang, {QStringLiteral("李白（")});
    if (!li)
        return {};
    li->setExpanded(true);
    return li->childCount() > kKeys ? li->child(0)->data(0, Qt::UserRole).toString() : QString();
}

} // namespace

int main(int argc, char** argv) {
    platform::prepareProcess();
    platform::preparePageEngine();
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
    const bool library = argc > 2 && QByteArray(argv[2]) == "--library";
    shell::Mainform form;
    QEventLoop loaded;
    QObject::connect(form.view(), &platform::PageView::loadFinished, &loaded, &QEventLoop::quit);
    form.load();
    form.show();
    loaded.exec();
    platform::NodeTree* tree = form.tree();
    QString first = QStringLiteral("R0.0.0");
    if (library) {
        first = openLibraryPoet(*tree);
        if (first.isEmpty()) {
            std::fprintf(stderr, "key_repeat_timing: no library with 李白 in 全唐诗 found\n");
            return 1;
        }
    } else {
        tree_walk::openEveryAuthor(*tree);
    }
    tree->select(first);
    loaded.exec();
    tree->setFocus();
    std::vector<double> delays;
    std::vector<double> lastPages;
    int wrong = 0;
    for (int r = 0; r < rounds; ++r) {
        const Round round = holdDown(form);
        delays.insert(delays.end(), round.moveDelays.begin(), round.moveDelays.end());
        lastPages.push_back(round.lastPage);
        wrong += round.wrongPages;
    }
    std::printf("key repeat%s, %d rounds of %d Downs at 30/s:\n",
                library ? " through the library's 李白" : "", rounds, kKeys);
    std::printf("  key to tree move      %s\n", qPrintable(bench::summary(delays)));
    std::printf("  last key to its page  %s\n", qPrintable(bench::summary(lastPages)));
    std::printf("  pages written for another node than the one selected: %d\n", wrong);
    form.close();
    return 0;
}
