// The reader's own start-up, timed: prints the milliseconds from process
// start to the first page loaded in the page view, then closes the window as
// a user would. With a number N it then chooses N nodes in turn and waits
// for a newline on stdin before closing (so memory can be read from outside).
// With "--searches FILE N" it waits for a newline at rest, then types N of
// the queries in FILE (one a line, taken in turn) into the search pane and
// waits again: memory before and after the library is used.
#include "Timing.h"

#include "pages/Builders.h"
#include "platform/Files.h"
#include "platform/NodeTree.h"
#include "platform/PageView.h"
#include "platform/Process.h"
#include "platform/Resources.h"
#include "shell/Mainform.h"
#include "shell/SearchPane.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
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

QStringList queriesIn(const char* path) {
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

void search(shell::Mainform& form, const QStringList& queries, int count) {
    shell::SearchPane& pane = *form.search();
    pane.open();
    for (int i = 0; i < count; ++i) {
        pane.field()->setText(queries[i % queries.size()]);
        QCoreApplication::processEvents(); // the search runs as the field changes
    }
    std::printf("searched %d\n", count);
    std::fflush(stdout);
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
    const bool searching = argc > 3 && QByteArray(argv[1]) == "--searches";
    const QStringList queries = searching ? queriesIn(argv[2]) : QStringList();
    if (searching && queries.isEmpty()) {
        std::fprintf(stderr, "startup_probe: no queries in %s\n", argv[2]);
        return 1;
    }
    const int choices = argc > 1 && !shownOnly && !searching ? std::atoi(argv[1]) : 0;
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
    if (searching) {
        waitForLine(); // memory at rest is read now
        search(form, queries, std::atoi(argv[3]));
        waitForLine();
    }
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
