// The reader's own start-up, timed: prints the milliseconds from process
// start to the first page loaded in the page view, then closes the window as
// a user would. With a number N it then chooses N nodes in turn and waits
// for a newline on stdin before closing (so memory can be read from outside).
#include "Timing.h"

#include "pages/Builders.h"
#include "platform/Files.h"
#include "platform/NodeTree.h"
#include "platform/PageView.h"
#include "platform/Process.h"
#include "platform/Resources.h"
#include "shell/Mainform.h"

#include <QApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTreeWidgetItemIterator>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

// Waits for a line on stdin while the event loop keeps running, so the
// window goes on doing what it does at rest.
void waitForLine() {
    QEventLoop loop;
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
    loop.exec();
    std::string line;
    std::getline(std::cin, line);
}

} // namespace

int main(int argc, char** argv) {
    platform::prepareProcess();
    platform::preparePageEngine();
    QApplication app(argc, argv);
    if (argc > 2 && QByteArray(argv[1]) == "--write-about") {
        // The About page and its picture, for the floor program to show.
        const QString dir = QString::fromLocal8Bit(argv[2]);
        pages::Guanyu(dir + QStringLiteral("/readme.htm"));
        platform::files::writeAtomically(dir + QStringLiteral("/Rdm"),
                                         platform::resources::load(QStringLiteral("Rdm")));
        return 0;
    }
    // "--shown": print when the window is shown instead of when the page is in.
    const bool shownOnly = argc > 1 && QByteArray(argv[1]) == "--shown";
    const int choices = argc > 1 && !shownOnly ? std::atoi(argv[1]) : 0;
    shell::Mainform form;
    QEventLoop loaded;
    QObject::connect(form.view(), &platform::PageView::loadFinished, &loaded, &QEventLoop::quit);
    form.load();
    form.show();
    if (shownOnly) {
        std::printf("%.1f\n", bench::millisecondsSinceProcessStart());
        form.close();
        return 0;
    }
    loaded.exec();
    std::printf("%.1f\n", bench::millisecondsSinceProcessStart());
    std::fflush(stdout);
    if (choices > 0) {
        waitForLine(); // memory after start-up is read now
        QStringList keys;
        for (QTreeWidgetItemIterator it(form.tree()); *it; ++it)
            keys << (*it)->data(0, Qt::UserRole).toString();
        for (int i = 0; i < choices; ++i) {
            form.tree()->select(keys[(i * 37) % keys.size()]);
            loaded.exec();
        }
        std::printf("chosen %d\n", choices);
        std::fflush(stdout);
        waitForLine();
    }
    form.close();
    return 0;
}
