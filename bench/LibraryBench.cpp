// The library's search beside SQLite FTS5 (trigram) over the same folded
// text, in one run: build time, size on disk, median and 95th percentile
// over the committed queries.
//   library_bench LIBRARY RECORDS.jsonl QUERIES [WORK_DIR]
// LIBRARY_BENCH_ROUNDS=N runs the library's queries N times (default 5) and
// takes each query's median, so that one wait for the disk or a core on a
// shared machine does not decide its figure.
//   library_bench --query LIBRARY QUERY...     (prints the rows)
//   library_bench --open LIBRARY [N]           (times opening it, N times)
//   library_bench --after-pause LIBRARY QUERIES (each query warm, then right
//                 after the file's pages were given back, as after a pause)
#include "library/Folding.h"
#include "library/LibraryFile.h"
#include "library/Searcher.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>

namespace {

double percentile(std::vector<double> samples, double share) {
    std::sort(samples.begin(), samples.end());
    return samples.empty() ? 0 : samples[size_t(share * double(samples.size() - 1))];
}

// This thread's processor time: on a shared machine, waiting for a core
// is not the search's time.
double cpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

QString qs(const std::u16string& text) {
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

void printRows(const library::LibraryFile& file, const QStringList& queries) {
    const library::Searcher searcher(file);
    for (const QString& query : queries) {
        const library::Results results = searcher.find(query, 10);
        std::printf("%s: %d\n", qPrintable(query), results.total);
        for (const library::Row& row : results.rows)
            std::printf("  %s\t%s\t%s\t%s\t%s%s [%s]\n", qPrintable(row.collection),
                        qPrintable(row.key), qPrintable(row.title), qPrintable(row.author),
                        qPrintable(row.snippet), row.near ? " (near)" : "",
                        qPrintable(row.editions.join(u',')));
    }
}

// One FTS5 row per piece and per author, folded as the library folds.
double buildFts(const QString& records, const library::Folding& folding, const QString& path) {
    QFile::remove(path);
    QElapsedTimer clock;
    clock.start();
    sqlite3* db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db,
                 "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN;"
                 "CREATE VIRTUAL TABLE t USING fts5(title, author, body, tokenize='trigram');",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO t VALUES (?, ?, ?)", -1, &insert, nullptr);
    QFile file(records);
    file.open(QIODevice::ReadOnly);
    while (!file.atEnd()) {
        const QJsonObject object = QJsonDocument::fromJson(file.readLine()).object();
        QString title = object.value(u"t").toString(), author = object.value(u"a").toString();
        QStringList body;
        for (const QJsonValue& line : object.value(u"l").toArray())
            body << qs(folding.fold(line.toString()));
        if (!object.contains(u"l"))
            body << qs(folding.fold(object.value(u"b").toString()));
        const QByteArray values[3] = {qs(folding.fold(title)).toUtf8(),
                                      qs(folding.fold(author)).toUtf8(), body.join(u'\n').toUtf8()};
        for (int i = 0; i < 3; ++i)
            sqlite3_bind_text(insert, i + 1, values[i].constData(), int(values[i].size()),
                              SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT; INSERT INTO t(t) VALUES('optimize'); VACUUM;", nullptr, nullptr,
                 nullptr);
    sqlite3_close(db);
    return double(clock.elapsed()) / 1000;
}

// Every row holding all terms: MATCH for terms the trigram index can
// answer, LIKE (a scan) for terms of one or two characters.
int queryFts(sqlite3* db, const std::vector<std::u16string>& terms) {
    QStringList where;
    QStringList binds;
    for (const std::u16string& term : terms) {
        const QString text = qs(term);
        if (term.size() >= 3) {
            where << QStringLiteral("t MATCH ?");
            binds << u'"' + QString(text).replace(u'"', u"\"\""_qs) + u'"';
        } else {
            where << QStringLiteral("(title LIKE ? OR author LIKE ? OR body LIKE ?)");
            for (int i = 0; i < 3; ++i)
                binds << u'%' + text + u'%';
        }
    }
    const QByteArray sql = ("SELECT rowid FROM t WHERE " + where.join(u" AND "_qs)).toUtf8();
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr) != SQLITE_OK)
        return -1;
    std::vector<QByteArray> held;
    for (qsizetype i = 0; i < binds.size(); ++i) {
        held.push_back(binds[i].toUtf8());
        sqlite3_bind_text(statement, int(i + 1), held.back().constData(), -1, SQLITE_TRANSIENT);
    }
    int rows = 0;
    while (sqlite3_step(statement) == SQLITE_ROW)
        ++rows;
    sqlite3_finalize(statement);
    return rows;
}

QStringList readQueries(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// What the reader pays when it starts with the library installed: mapping
// the file and checking what opening checks.
int timeOpening(const QString& path, int times) {
    std::vector<double> wall, cpu;
    for (int i = 0; i < times; ++i) {
        QElapsedTimer clock;
        clock.start();
        const double cpuBefore = cpuMilliseconds();
        QString error;
        if (!library::LibraryFile::open(path, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        cpu.push_back(cpuMilliseconds() - cpuBefore);
        wall.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::printf("opening the library, %d times: median %.2f ms (processor %.2f ms), max %.2f ms\n",
                times, percentile(wall, 0.5), percentile(cpu, 0.5), percentile(wall, 1.0));
    return 0;
}

// The first search after the reader paused pays for bringing the pages it
// reads back from the cache: each query warm, then after a release.
int timeAfterPause(const QString& path, const QStringList& queries) {
    QString error;
    const std::unique_ptr<library::LibraryFile> file = library::LibraryFile::open(path, &error);
    if (!file) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const library::Searcher searcher(*file);
    std::vector<double> warm, paused;
    for (const QString& query : queries) {
        searcher.find(query, 100);
        QElapsedTimer clock;
        clock.start();
        searcher.find(query, 100);
        warm.push_back(double(clock.nsecsElapsed()) / 1e6);
        file->releaseResidentPages();
        clock.restart();
        searcher.find(query, 100);
        paused.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::printf("%lld queries, warm: median %.2f ms, 95th %.2f ms; after the pages were given "
                "back: median %.2f ms, 95th %.2f ms\n",
                qlonglong(queries.size()), percentile(warm, 0.5), percentile(warm, 0.95),
                percentile(paused, 0.5), percentile(paused, 0.95));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromUtf8(argv[i]);
    if (args.size() >= 2 && args[0] == u"--open"_qs)
        return timeOpening(args[1], args.size() > 2 ? args[2].toInt() : 20);
    if (args.size() >= 3 && args[0] == u"--after-pause"_qs)
        return timeAfterPause(args[1], readQueries(args[2]));
    const bool printing = !args.isEmpty() && args[0] == u"--query"_qs;
    if (printing)
        args.removeFirst();
    if (args.size() < (printing ? 2 : 3)) {
        std::fprintf(stderr, "usage: library_bench LIBRARY RECORDS.jsonl QUERIES [WORK_DIR]\n"
                             "       library_bench --query LIBRARY QUERY...\n");
        return 2;
    }
    QString error;
    QElapsedTimer openClock;
    openClock.start();
    const std::unique_ptr<library::LibraryFile> file = library::LibraryFile::open(args[0], &error);
    const double openMs = double(openClock.nsecsElapsed()) / 1e6;
    if (!file) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    if (printing) {
        printRows(*file, args.mid(1));
        return 0;
    }
    const QStringList queries = readQueries(args[2]);
    const library::Searcher searcher(*file);
    std::vector<double> ours, theirs, oursCpu, theirsCpu;
    const int rounds = std::max(1, qEnvironmentVariableIntValue("LIBRARY_BENCH_ROUNDS") > 0
                                       ? qEnvironmentVariableIntValue("LIBRARY_BENCH_ROUNDS")
                                       : 5);
    std::vector<std::vector<double>> wallRounds(size_t(queries.size())),
        cpuRounds(size_t(queries.size()));
    for (int round = 0; round < rounds; ++round)
        for (qsizetype i = 0; i < queries.size(); ++i) {
            QElapsedTimer clock;
            clock.start();
            const double cpu = cpuMilliseconds();
            searcher.find(queries[i], 100);
            cpuRounds[size_t(i)].push_back(cpuMilliseconds() - cpu);
            wallRounds[size_t(i)].push_back(double(clock.nsecsElapsed()) / 1e6);
        }
    for (qsizetype i = 0; i < queries.size(); ++i) {
        ours.push_back(percentile(wallRounds[size_t(i)], 0.5));
        oursCpu.push_back(percentile(cpuRounds[size_t(i)], 0.5));
        if (qEnvironmentVariableIsSet("LIBRARY_BENCH_SLOW") && oursCpu.back() > 2)
            std::printf("slow: %s %.1f ms\n", qPrintable(queries[i]), oursCpu.back());
    }
    const QString work = args.value(3, QStringLiteral("/tmp"));
    const QString ftsPath = work + u"/library_fts5.db"_qs;
    const library::Folding folding(file->foldTable());
    // An FTS5 database from an earlier run is kept when asked (its build
    // time is then not measured again).
    const bool reuse =
        qEnvironmentVariableIsSet("LIBRARY_BENCH_REUSE") && QFileInfo::exists(ftsPath);
    const double ftsBuild = reuse ? 0 : buildFts(args[1], folding, ftsPath);
    sqlite3* db = nullptr;
    sqlite3_open_v2(ftsPath.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    for (const QString& query : queries) {
        const std::vector<std::u16string> terms = searcher.terms(query);
        QElapsedTimer clock;
        clock.start();
        const double cpu = cpuMilliseconds();
        if (!terms.empty())
            queryFts(db, terms);
        theirsCpu.push_back(cpuMilliseconds() - cpu);
        theirs.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    sqlite3_close(db);
    std::printf("queries: %lld (the library's: median of %d rounds each; FTS5's: one round)\n",
                qlonglong(queries.size()), rounds);
    const auto line = [](const char* name, const std::vector<double>& wall,
                         const std::vector<double>& cpu) {
        std::printf("%-13s wall median %.3f ms, p95 %.3f ms, max %.1f ms; "
                    "processor median %.3f ms, p95 %.3f ms, max %.1f ms\n",
                    name, percentile(wall, 0.5), percentile(wall, 0.95), percentile(wall, 1),
                    percentile(cpu, 0.5), percentile(cpu, 0.95), percentile(cpu, 1));
    };
    std::printf("library: open %.1f ms, size %.1f MB\n", openMs,
                double(QFileInfo(args[0]).size()) / 1e6);
    std::printf("fts5 trigram: build %.1f s, size %.1f MB\n", ftsBuild,
                double(QFileInfo(ftsPath).size()) / 1e6);
    line("library", ours, oursCpu);
    line("fts5 trigram", theirs, theirsCpu);
    return 0;
}
