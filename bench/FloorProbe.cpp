// The floor for start-up and memory: a bare program that shows one page file
// in a QWebEngineView and nothing else. Same output protocol as startup_probe.
#include "Timing.h"

#include "platform/Process.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QUrl>
#include <QWebEngineView>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    platform::prepareProcess();
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: floor_probe PAGE.htm [stay]\n");
        return 2;
    }
    QFile page(QString::fromLocal8Bit(argv[1]));
    page.open(QIODevice::ReadOnly);
    QWebEngineView view;
    QEventLoop loaded;
    QObject::connect(&view, &QWebEngineView::loadFinished, &loaded, &QEventLoop::quit);
    view.setContent(page.readAll(), QStringLiteral("text/html;charset=GBK"),
                    QUrl::fromLocalFile(page.fileName()));
    view.resize(619, 418);
    view.show();
    loaded.exec();
    std::printf("%.1f\n", bench::millisecondsSinceProcessStart());
    std::fflush(stdout);
    if (argc > 2) {
        std::string line;
        std::getline(std::cin, line);
    }
    return 0;
}
