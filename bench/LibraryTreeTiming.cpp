// The library's branch in the real window, with the library the reader
// finds (QUILLORA_LIBRARY names one): opening 书库, a large collection
// (全宋诗) and an author with thousands of pieces (陆游) in a fresh window
// each run, beside opening the anthology's largest branch (诗歌) in the same
// run; then the time from choosing a node to its page shown, for a library
// piece, an author and a collection beside an anthology poem.
//   library_tree_timing [runs]
#include "Timing.h"
#include "TreeItems.h"

#include "platform/NodeTree.h"
#include "platform/PageView.h"
#include "platform/Process.h"
#include "shell/Mainform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTreeWidgetItem>

#include <cstdio>
#include <map>

namespace {

using bench::childStarting;
using bench::topLevel;

// Opening a branch until the tree has drawn it open.
double open(platform::NodeTree& tree, QTreeWidgetItem* item) {
    QElapsedTimer timer;
    timer.start();
    item->setExpanded(true);
    tree.scrollToItem(item, QAbstractItemView::PositionAtTop);
    tree.viewport()->repaint();
    return timer.nsecsElapsed() / 1e6;
}

double choose(shell::Mainform& form, QTreeWidgetItem* item) {
    QEventLoop loop;
    const auto connection =
        QObject::connect(form.view(), &platform::PageView::loadFinished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    form.tree()->setCurrentItem(item);
    loop.exec();
    QObject::disconnect(connection);
    return timer.nsecsElapsed() / 1e6;
}

void settle(shell::Mainform& form) {
    QEventLoop loop;
    QObject::connect(form.view(), &platform::PageView::loadFinished, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char** argv) {
    platform::prepareProcess();
    platform::preparePageEngine();
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    std::map<std::string, std::vector<double>> samples;
    for (int run = 0; run < runs; ++run) {
        shell::Mainform form;
        form.load();
        form.show();
        settle(form);
        platform::NodeTree& tree = *form.tree();
        QTreeWidgetItem* shelf = topLevel(tree, QStringLiteral("书库"));
        if (!shelf) {
            std::fprintf(stderr, "library_tree_timing: no library found\n");
            return 1;
        }
        QTreeWidgetItem* verse = topLevel(tree, QStringLiteral("Vellumbra"));
        samples["anthology: open 诗歌 (its poets made at start)"].push_back(
            open(tree, childStarting(verse, {QStringLiteral("诗歌")})));
        samples["library: open 书库"].push_back(open(tree, shelf));
        QTreeWidgetItem* song = childStarting(shelf, {QStringLiteral("全宋诗")});
        samples["library: open 全宋诗 (authors made)"].push_back(open(tree, song));
        QTreeWidgetItem* lu =
            childStarting(song, {QStringLiteral("陆游（"), QStringLiteral("陸游（")});
        if (lu)
            samples["library: open 陆游 (pieces made)"].push_back(open(tree, lu));
        QTreeWidgetItem* poem =
            childStarting(childStarting(verse, {QStringLiteral("诗歌")}), {QString()});
        poem->setExpanded(true);
        samples["anthology: choose a poet's page"].push_back(choose(form, poem));
        samples["anthology: choose a poem page"].push_back(choose(form, poem->child(0)));
        samples["library: choose 全宋诗's page"].push_back(choose(form, song));
        if (lu) {
            samples["library: choose 陆游's page"].push_back(choose(form, lu));
            samples["library: choose a piece of 陆游"].push_back(choose(form, lu->child(100)));
        }
        form.close();
    }
    for (const auto& [name, values] : samples)
        std::printf("%-48s %s\n", name.c_str(), qPrintable(bench::summary(values)));
    return 0;
}
