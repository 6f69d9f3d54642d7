// Time from choosing a node to the page view's loadFinished, for a poem, an
// era table and an idiom page, in the real window; then for a poem and the
// longest text with pinyin switched on (the switch is left off again).
//   selection_timing [runs]
#include "Timing.h"

#include "platform/NodeTree.h"
#include "platform/PageView.h"
#include "platform/Process.h"
#include "shell/Mainform.h"
#include "shell/Paths.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <cstdio>

namespace {

template <typename Action> double timeToLoaded(shell::Mainform& form, Action action) {
    QEventLoop loop;
    const auto connection =
        QObject::connect(form.view(), &platform::PageView::loadFinished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    action();
    loop.exec();
    QObject::disconnect(connection);
    return timer.nsecsElapsed() / 1e6;
}

double timeOneChoice(shell::Mainform& form, const QString& key) {
    return timeToLoaded(form, [&] { form.tree()->select(key); });
}

// The key of the piece with this title under the first category.
QString keyOfTitle(const platform::NodeTree& tree, const QString& title) {
    for (int author = 0; tree.contains(QStringLiteral("R0.%1").arg(author)); ++author) {
        for (int piece = 0; tree.contains(QStringLiteral("R0.%1.%2").arg(author).arg(piece));
             ++piece) {
            const QString key = QStringLiteral("R0.%1.%2").arg(author).arg(piece);
            if (tree.info(key).text == title)
                return key;
        }
    }
    return {};
}

struct Page {
    QString name;
    QString key;
};

void timePages(shell::Mainform& form, const std::vector<Page>& pages, int runs) {
    for (const Page& page : pages) {
        std::vector<double> samples;
        std::vector<double> engine;
        const QString file = shell::paths::inWorkingFolder(shell::paths::kPage);
        // Alternate with the About page so that every choice is a new page.
        for (int i = 0; i < runs; ++i) {
            timeOneChoice(form, QStringLiteral("Rdm"));
            samples.push_back(timeOneChoice(form, page.key));
            timeOneChoice(form, QStringLiteral("Rdm"));
            // The same page file handed to the view alone: the engine's share.
            engine.push_back(timeToLoaded(form, [&] { form.view()->Navigate(file); }));
        }
        std::printf("selection to loaded, %-34s %s\n", qPrintable(page.name),
                    qPrintable(bench::summary(samples)));
        std::printf("  of which the view alone loading it   %s\n",
                    qPrintable(bench::summary(engine)));
    }
}

} // namespace

int main(int argc, char** argv) {
    platform::prepareProcess();
    platform::preparePageEngine();
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    shell::Mainform form;
    form.load();
    form.show();
    QEventLoop settle;
    QObject::connect(form.view(), &platform::PageView::loadFinished, &settle, &QEventLoop::quit);
    settle.exec();
    const QString longest = keyOfTitle(*form.tree(), QStringLiteral("长恨歌"));
    timePages(form,
              {{QStringLiteral("poem page (R0.0.0)"), QStringLiteral("R0.0.0")},
               {QStringLiteral("longest poem (长恨歌)"), longest},
               {QStringLiteral("era table page (J10)"), QStringLiteral("J10")},
               {QStringLiteral("idiom page (C1)"), QStringLiteral("C1")}},
              runs);
    // The switch re-shows the About page; its first pinyin page parses the
    // readings, which a reader pays once.
    timeToLoaded(form, [&] { form.pinyinAction()->setChecked(true); });
    timeOneChoice(form, QStringLiteral("R0.0.0"));
    timePages(form,
              {{QStringLiteral("poem page with pinyin (R0.0.0)"), QStringLiteral("R0.0.0")},
               {QStringLiteral("longest poem with pinyin (长恨歌)"), longest}},
              runs);
    timeToLoaded(form, [&] { form.pinyinAction()->setChecked(false); });
    form.close();
    return 0;
}
