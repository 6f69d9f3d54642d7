// Time from choosing a node to the page view's loadFinished, for a poem, an
// era table and an idiom page, in the real window.
//   selection_timing [runs]
#include "Timing.h"

#include "platform/NodeTree.h"
#include "platform/PageView.h"
#include "platform/Process.h"
#include "shell/Mainform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <cstdio>

namespace {

double timeOneChoice(shell::Mainform& form, const QString& key) {
    QEventLoop loop;
    const auto connection = QObject::connect(form.view(), &platform::PageView::loadFinished, &loop,
                                             &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    form.tree()->select(key);
    loop.exec();
    QObject::disconnect(connection);
    return timer.nsecsElapsed() / 1e6;
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
        // Alternate with the About page so that every choice is a new page.
        for (int i = 0; i < runs; ++i) {
            timeOneChoice(form, QStringLiteral("Rdm"));
            samples.push_back(timeOneChoice(form, page.key));
        }
        std::printf("selection to loaded, %-22s %s\n", page.name, qPrintable(bench::summary(samples)));
    }
    form.close();
    return 0;
}
