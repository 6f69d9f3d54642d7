// The search's two costs: building the index over the whole content, and one
// query (the window asks for 100 rows) over a committed set of queries.
//   find_bench [rounds] [--slow]  (run by hand; the machine's load shows in the figures)
// --slow also names every query whose median is above half a millisecond.
#include "Timing.h"

#include "find/ContentReader.h"
#include "find/Search.h"
#include "store/ContentStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

double percentile(std::vector<double> samples, double p) {
    std::sort(samples.begin(), samples.end());
    return samples[std::min(samples.size() - 1, size_t(p * double(samples.size())))];
}

QStringList queries() {
    QFile file(QStringLiteral(QUILLORA_QUERIES));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// The processor time of this thread: on a machine shared with other work it
// leaves out the time the query waited to be scheduled.
double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

template <typename Action> double milliseconds(Action action) {
    QElapsedTimer timer;
    timer.start();
    action();
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    store::ContentStore content(QStringLiteral(QUILLORA_DIC));
    std::unique_ptr<find::Finder> finder;
    // The first build also parses the shipped pinyin, once per process.
    const double first = milliseconds([&] { finder = find::buildFinder(content); });
    std::vector<double> builds;
    for (int i = 0; i < 20; ++i)
        builds.push_back(milliseconds([&] { finder = find::buildFinder(content); }));
    std::vector<double> reads;
    for (int i = 0; i < 20; ++i)
        reads.push_back(milliseconds([&] { find::readCorpus(content); }));
    std::printf("index build, first in the process: %.1f ms\n", first);
    std::printf("  of which reading the content: %s\n", qPrintable(bench::summary(reads)));
    std::printf("index build, again: %s\n", qPrintable(bench::summary(builds)));

    const QStringList set = queries();
    for (const QString& query : set) // warm-up
        finder->find(query, 100);
    std::vector<double> samples;
    std::vector<double> processor;
    std::vector<std::vector<double>> perQuery(size_t(set.size()));
    for (int round = 0; round < rounds; ++round)
        for (qsizetype q = 0; q < set.size(); ++q) {
            const double started = threadMilliseconds();
            samples.push_back(milliseconds([&] { finder->find(set[q], 100); }));
            processor.push_back(threadMilliseconds() - started);
            perQuery[size_t(q)].push_back(processor.back());
        }
    if (argc > 2 && QByteArray(argv[2]) == "--slow") {
        for (qsizetype q = 0; q < set.size(); ++q) {
            const double median = percentile(perQuery[size_t(q)], 0.5);
            if (median > 0.5)
                std::printf("  slow: %s %.3f ms\n", qPrintable(set[q]), median);
        }
    }
    std::printf("one query (%lld queries x %d rounds): median %.3f ms, p95 %.3f ms, max %.3f ms\n",
                qint64(set.size()), rounds, percentile(samples, 0.5), percentile(samples, 0.95),
                *std::max_element(samples.begin(), samples.end()));
    std::printf("  processor time of one query: median %.3f ms, p95 %.3f ms, max %.3f ms\n",
                percentile(processor, 0.5), percentile(processor, 0.95),
                *std::max_element(processor.begin(), processor.end()));
    const QString pasted = QStringLiteral("明月😀<&>'\t").repeated(1000);
    std::printf("one 10,000-character query: %.3f ms\n",
                milliseconds([&] { finder->find(pasted, 100); }));
    return 0;
}
