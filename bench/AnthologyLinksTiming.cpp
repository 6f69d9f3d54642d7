// Which library pieces are the anthology's poems: the cost of working it
// out (once, at the first use) and of each question after it, with the
// library given (the real one: build/library/library.qll) and the shipped
// content. Processor time of this thread, each the median of the runs;
// the first use also in wall time, waits for the disk and a core included.
//   anthology_links_timing LIBRARY [runs]
// ANTHOLOGY_LINKS_MISSING=1 names the poems found nowhere in the library.
#include "Timing.h"

#include "library/LibraryFile.h"
#include "nav/AnthologyLinks.h"
#include "nav/LibraryEditions.h"
#include "store/ContentStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <ctime>

namespace {

double cpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

template <typename Step> double timed(Step step) {
    const double start = cpuMilliseconds();
    step();
    return cpuMilliseconds() - start;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: anthology_links_timing LIBRARY [runs]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    store::ContentStore content{QStringLiteral(QUILLORA_DIC)};
    std::vector<double> opening, reading, linking, asking, comparing, libraryPages, firstUseWall;
    int linked = 0, total = 0, editions = 0;
    for (int run = 0; run < runs; ++run) {
        // The first use opens the library too, where nothing else has yet.
        QElapsedTimer wall;
        wall.start();
        QString error;
        std::unique_ptr<library::LibraryFile> file;
        opening.push_back(timed(
            [&] { file = library::LibraryFile::open(QString::fromLocal8Bit(argv[1]), &error); }));
        if (!file) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        std::vector<nav::AnthologyPiece> pieces;
        reading.push_back(timed([&] { pieces = nav::anthologyPieces(content); }));
        std::vector<QString> keys;
        for (const nav::AnthologyPiece& piece : pieces)
            keys.push_back(piece.key);
        std::unique_ptr<nav::AnthologyLinks> links;
        linking.push_back(timed(
            [&] { links = std::make_unique<nav::AnthologyLinks>(*file, std::move(pieces)); }));
        firstUseWall.push_back(double(wall.nsecsElapsed()) / 1e6);
        // One question per selection of a poem in the tree.
        linked = editions = 0;
        asking.push_back(timed([&] {
                             for (const QString& key : keys) {
                                 const auto found = links->libraryOf(key);
                                 linked += found.empty() ? 0 : 1;
                                 editions += int(found.size());
                             }
                         }) /
                         double(keys.size()));
        total = int(keys.size());
        if (run == 0 && qEnvironmentVariableIsSet("ANTHOLOGY_LINKS_MISSING"))
            for (const QString& key : keys)
                if (links->libraryOf(key).empty())
                    std::printf("missing: %s %s\n", qPrintable(links->piece(key)->poet),
                                qPrintable(links->piece(key)->title));
        // The comparison page's contents, per poem that has one.
        comparing.push_back(timed([&] {
                                for (const QString& key : keys)
                                    static_cast<void>(nav::anthologyEditionsOf(*file, *links, key));
                            }) /
                            double(std::max(linked, 1)));
        // A library piece's editions, with and without the anthology asked.
        libraryPages.push_back(timed([&] {
                                   for (const QString& key : keys)
                                       for (const uint32_t piece : links->libraryOf(key))
                                           static_cast<void>(
                                               nav::editionsOf(*file, piece, links.get()));
                               }) /
                               double(std::max(editions, 1)));
    }
    std::printf("anthology poems with library editions: %d of %d (%d library pieces)\n", linked,
                total, editions);
    std::printf("opening the library:              %s\n", qPrintable(bench::summary(opening)));
    std::printf("first use in all, wall time:      %s\n", qPrintable(bench::summary(firstUseWall)));
    std::printf("reading the anthology's pieces:   %s\n", qPrintable(bench::summary(reading)));
    std::printf("linking them to the library:      %s\n", qPrintable(bench::summary(linking)));
    for (double& each : asking)
        each *= 1000;
    std::printf("one selection's question:         %s\n",
                qPrintable(bench::summary(asking, QStringLiteral("µs"))));
    std::printf("a comparison page's contents:     %s\n", qPrintable(bench::summary(comparing)));
    std::printf("a library piece's editions:       %s\n", qPrintable(bench::summary(libraryPages)));
    return 0;
}
