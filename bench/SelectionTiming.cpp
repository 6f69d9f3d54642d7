// Time from choosing a node to the page view's loadFinished, for a poem, an
// era table and an idiom page, in the real window.
//   selection_timing [runs]
#include "Timing.h"

#include "platform/NodeTree.h"
#include "platform/PageView.h"
#include "platform/Process.h"
#include "shell/Mainform.h"
#include "shell/Paths.h"

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
    const struct {
        const char* name;
        QString key;
    } pages[] = {{"poem page (R0.0.0)", QStringLiteral("R0.0.0")},
                 {"era table page (J10)", QStringLiteral("J10")},
                 {"idiom page (C1)", QStringLiteral("C1")}};
    for (const auto& page : pages) {
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
        std::printf("selection to loaded, %-22s %s\n", page.name,
                    qPrintable(bench::summary(samples)));
        std::printf("  of which the view alone loading it   %s\n",
                    qPrintable(bench::summary(engine)));
    }
    form.close();
    return 0;
}
