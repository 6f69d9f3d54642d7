// Time from choosing a node to the page shown in the real window, for a
// poem, the longest poem, the era table of 唐 and an idiom page, beside a
// bare QWebEngineView navigating to the same file in the same run; then for a
// poem and the longest text with pinyin switched on, then in Traditional
// characters (the switches are left off again). Last, a thousand choices, to
// show that the document, the script heap and the history stay as they were.
//   selection_timing [runs]
#include "Timing.h"

#include "platform/NodeTree.h"
#include "platform/PageView.h"
#include "platform/Process.h"
#include "shell/Mainform.h"
#include "shell/Paths.h"
#include "shell/ReadingActions.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTreeWidgetItemIterator>
#include <QWebEngineView>

#include <cstdio>

namespace {

template <typename Signal, typename Source, typename Action>
double timeTo(const Source* source, Signal signal, Action action) {
    QEventLoop loop;
    const auto connection = QObject::connect(source, signal, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    action();
    loop.exec();
    QObject::disconnect(connection);
    return timer.nsecsElapsed() / 1e6;
}

double choose(shell::Mainform& form, const QString& key) {
    return timeTo(form.view(), &platform::PageView::loadFinished,
                  [&] { form.tree()->select(key); });
}

QByteArray pageBytes() {
    QFile file(shell::paths::inWorkingFolder(shell::paths::kPage));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

double bareLoad(QWebEngineView& bare, const QByteArray& bytes) {
    const QUrl url = QUrl::fromLocalFile(shell::paths::inWorkingFolder(shell::paths::kPage));
    return timeTo(&bare, &QWebEngineView::loadFinished,
                  [&] { bare.setContent(bytes, QStringLiteral("text/html;charset=GBK"), url); });
}

QString keyOf(platform::NodeTree& tree, const QString& text) {
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        if ((*it)->text(0) == text)
            return (*it)->data(0, Qt::UserRole).toString();
    return {};
}

// Elements of the document, entries of the history and the script heap
// once its garbage is collected.
QString documentState(shell::Mainform& form) {
    QString state;
    bool done = false;
    form.view()->evaluate(
        QStringLiteral("gc(), document.getElementsByTagName('*').length + ' elements, history ' + "
                       "history.length + ', script heap ' + "
                       "(performance.memory.usedJSHeapSize / 1048576).toFixed(2) + ' MB'"),
        [&](const QVariant& value) {
            state = value.toString();
            done = true;
        });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return state;
}

// The same poem page after 100 and after 1,000 choices of other poems.
void thousandChoices(shell::Mainform& form) {
    QStringList poems;
    for (QTreeWidgetItemIterator it(form.tree()); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toString().startsWith(u'R'))
            poems << (*it)->data(0, Qt::UserRole).toString();
    for (int i = 1; i <= 1000; ++i) {
        choose(form, poems[(i * 37) % poems.size()]);
        if (i == 100 || i == 1000) {
            choose(form, QStringLiteral("R0.0.0"));
            std::printf("after %4d choices: %s\n", i, qPrintable(documentState(form)));
        }
    }
}

struct Page {
    const char* name;
    QString key;
};

// Every choice is a new page: each alternates with the author's page.
void timePages(shell::Mainform& form, QWebEngineView& bare, const std::vector<Page>& pages,
               int runs) {
    const QString other = QStringLiteral("R0.0");
    for (const Page& page : pages) {
        std::vector<double> samples;
        std::vector<double> floor;
        for (int i = 0; i < runs; ++i) {
            choose(form, other);
            const QByteArray before = pageBytes();
            samples.push_back(choose(form, page.key));
            const QByteArray bytes = pageBytes();
            bareLoad(bare, before);
            floor.push_back(bareLoad(bare, bytes));
        }
        std::printf("selection to shown, %-34s %s\n", page.name,
                    qPrintable(bench::summary(samples)));
        std::printf("  bare view loading the same file      %s\n",
                    qPrintable(bench::summary(floor)));
        std::printf("  ratio (medians)                      %.2f\n",
                    bench::median(samples) / bench::median(floor));
    }
}

} // namespace

int main(int argc, char** argv) {
    // The script heap to the byte rather than in the engine's coarse steps.
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --enable-precise-memory-info");
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
    QWebEngineView bare;
    bare.resize(form.view()->size());
    bare.show();
    const QString longest = keyOf(*form.tree(), QStringLiteral("长恨歌"));
    timePages(form, bare,
              {{"poem page (R0.0.0)", QStringLiteral("R0.0.0")},
               {"longest poem (长恨歌)", longest},
               {"era table page (唐)", keyOf(*form.tree(), QStringLiteral("唐"))},
               {"idiom page (C1)", QStringLiteral("C1")}},
              runs);
    // The switch re-shows the About page; its first pinyin page parses the
    // readings, which a reader pays once.
    timeTo(form.view(), &platform::PageView::loadFinished,
           [&] { form.reading()->action(QStringLiteral("pinyin"))->setChecked(true); });
    choose(form, QStringLiteral("R0.0.0"));
    timePages(form, bare,
              {{"poem page with pinyin (R0.0.0)", QStringLiteral("R0.0.0")},
               {"longest poem with pinyin (长恨歌)", longest}},
              runs);
    timeTo(form.view(), &platform::PageView::loadFinished,
           [&] { form.reading()->action(QStringLiteral("pinyin"))->setChecked(false); });
    // In Traditional characters; the first conversion loads the tables, which
    // a reader pays once.
    QAction* script = form.reading()->action(QStringLiteral("script"));
    timeTo(form.view(), &platform::PageView::loadFinished, [&] { script->setChecked(true); });
    choose(form, QStringLiteral("R0.0.0"));
    timePages(form, bare,
              {{"poem page in Traditional (R0.0.0)", QStringLiteral("R0.0.0")},
               {"longest poem in Traditional", longest},
               {"era table in Traditional (J10)", QStringLiteral("J10")}},
              runs);
    timeTo(form.view(), &platform::PageView::loadFinished, [&] { script->setChecked(false); });
    bare.close();
    thousandChoices(form);
    form.close();
    return 0;
}
