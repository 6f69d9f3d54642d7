// Down held in the tree, as a keyboard repeats it (30 keys a second through
// 100 nodes of poems and their authors): how late the tree follows each key,
// whether every page file written is the one of the node selected, and how
// long after the last key the last node's page is shown.
//   key_repeat_timing [rounds]
#include "Timing.h"
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
        const QString expected =
            QStringLiteral("<title>%1</title>").arg(tree_walk::pageTitle(tree->info(tree->selectedKey())));
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

} // namespace

int main(int argc, char** argv) {
    platform::prepareProcess();
    platform::preparePageEngine();
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
    shell::Mainform form;
    QEventLoop loaded;
    QObject::connect(form.view(), &platform::PageView::loadFinished, &loaded, &QEventLoop::quit);
    form.load();
    form.show();
    loaded.exec();
    platform::NodeTree* tree = form.tree();
    tree_walk::openEveryAuthor(*tree);
    tree->select(QStringLiteral("R0.0.0"));
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
    std::printf("key repeat, %d rounds of %d Downs at 30/s:\n", rounds, kKeys);
    std::printf("  key to tree move      %s\n", qPrintable(bench::summary(delays)));
    std::printf("  last key to its page  %s\n", qPrintable(bench::summary(lastPages)));
    std::printf("  pages written for another node than the one selected: %d\n", wrong);
    form.close();
    return 0;
}
