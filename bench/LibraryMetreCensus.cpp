// The metre view over a whole library: how many pieces of the collections
// it is read for get the regulated analysis and how many their rhymes only,
// how many rhyme positions (the last character of every second line) fall
// on a character the rhyme table lacks, and the commonest of those; then
// the processor time of the analysis per piece, and of one piece page
// written with the view beside the same page without it.
//   library_metre_census LIBRARY [runs]
#include "library/Folding.h"
#include "library/LibraryFile.h"
#include "metre/RhymeTable.h"
#include "metre/Verses.h"
#include "nav/LibraryMetre.h"
#include "nav/LibrarySelection.h"
#include "nav/LibraryTree.h"
#include "pages/MetreView.h"
#include "platform/Process.h"

#include <QCoreApplication>
#include <QHash>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <numeric>
#include <optional>
#include <vector>

namespace {

namespace fmt = library::format;

double cpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double median(std::vector<double> samples) {
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

struct Census {
    int pieces = 0;
    int regulated = 0;
    int rhymesOnly = 0;
    int rhymesFound = 0; // of those, with at least one rhyme marked
    int unmarked = 0;    // no Han character to mark: no view
    int rhymePositions = 0;
    int missing = 0;
    QHash<char32_t, int> missingCharacters;
    std::vector<double> milliseconds;
    QString firstRegulatedKey;
};

// The rhyme positions of a piece and those whose character the table lacks.
void countRhymePositions(const QStringList& lines, const nav::libraryMetre::Source& source,
                         Census& census) {
    const metre::RhymeTable& table = metre::RhymeTable::shipped();
    const QString text = nav::libraryMetre::analysedText(lines);
    const std::vector<metre::Verse> verses =
        metre::versesOf(text, nav::libraryMetre::rhymeForms(text, source));
    for (size_t i = 1; i < verses.size(); i += 2) {
        ++census.rhymePositions;
        const char32_t shown = verses[i].shown.back();
        if (table.groups(shown, verses[i].traditional.back()).isEmpty()) {
            ++census.missing;
            ++census.missingCharacters[shown];
        }
    }
}

void readPiece(const library::LibraryFile& file, uint32_t index, const QString& key,
               Census& census) {
    const QString text = file.pieceText(file.pieces()[index]).toString();
    const QStringList lines = text.split(u'\n').mid(2);
    const library::Folding folding(file.foldTable());
    const nav::libraryMetre::Source source{nav::looksTraditional(file, text), &folding};
    const double start = cpuMilliseconds();
    const std::optional<pages::MetreView> view = nav::libraryMetre::view(lines, source);
    census.milliseconds.push_back(cpuMilliseconds() - start);
    ++census.pieces;
    if (!view) {
        ++census.unmarked;
        return;
    }
    if (nav::libraryMetre::analyse(lines, source).regulated) {
        ++census.regulated;
        if (census.firstRegulatedKey.isEmpty())
            census.firstRegulatedKey = key;
    } else {
        ++census.rhymesOnly;
        census.rhymesFound += std::any_of(view->marks.cbegin(), view->marks.cend(),
                                          [](const QString& mark) { return !mark.isEmpty(); });
    }
    countRhymePositions(lines, source, census);
}

Census take(const library::LibraryFile& file) {
    Census census;
    for (uint32_t c = 0; c < file.collections().size(); ++c) {
        const fmt::CollectionRecord& collection = file.collections()[c];
        const QString name = file.string(collection.nameOffset, collection.nameLength).toString();
        if (!nav::libraryMetre::readsMetre(name))
            continue;
        const int before = census.pieces, regulated = census.regulated;
        for (uint32_t a = 0; a < collection.authorCount; ++a) {
            const fmt::AuthorRecord& author = file.authors()[collection.firstAuthor + a];
            for (uint32_t p = 0; p < author.pieceCount; ++p)
                readPiece(file, author.firstPiece + p,
                          QStringLiteral("L%1.%2.%3").arg(c).arg(a).arg(p), census);
        }
        std::printf("%s: %d pieces, %d regulated\n", qPrintable(name), census.pieces - before,
                    census.regulated - regulated);
    }
    return census;
}

void printCensus(const Census& census, uint32_t allPieces) {
    std::printf("library: %u pieces; read for metre: %d\n", allPieces, census.pieces);
    std::printf("regulated analysis: %d\nrhymes only: %d (with a rhyme marked: %d)\n"
                "no character to mark, no view: %d\n",
                census.regulated, census.rhymesOnly, census.rhymesFound, census.unmarked);
    std::printf("rhyme positions: %d, on characters the table lacks: %d\n", census.rhymePositions,
                census.missing);
    std::vector<std::pair<int, char32_t>> commonest;
    for (auto it = census.missingCharacters.begin(); it != census.missingCharacters.end(); ++it)
        commonest.emplace_back(it.value(), it.key());
    std::sort(commonest.rbegin(), commonest.rend());
    std::printf("commonest:");
    for (size_t i = 0; i < commonest.size() && i < 30; ++i)
        std::printf(" %s %d", qPrintable(QString::fromUcs4(&commonest[i].second, 1)),
                    commonest[i].first);
    std::printf("\nanalysis and marks per piece: median %.3f ms, mean %.3f ms, max %.3f ms\n",
                median(census.milliseconds),
                census.milliseconds.empty()
                    ? 0
                    : std::accumulate(census.milliseconds.begin(), census.milliseconds.end(), 0.0) /
                          double(census.milliseconds.size()),
                census.milliseconds.empty()
                    ? 0
                    : *std::max_element(census.milliseconds.begin(), census.milliseconds.end()));
}

// One piece page written to a scratch folder, with the view or without.
double pageMilliseconds(const library::LibraryFile& file, nav::LibraryTree& tree,
                        const QString& key, bool metre) {
    static QTemporaryDir dir;
    const pages::Target target{dir.filePath(QStringLiteral("page.htm")),
                               dir.filePath(QStringLiteral("Dian"))};
    nav::ReadingOptions options;
    options.metre = metre;
    const double start = cpuMilliseconds();
    nav::showLibraryNode(key, file, tree, target, options);
    return cpuMilliseconds() - start;
}

void timePage(const library::LibraryFile& file, const QString& key, int runs) {
    nav::LibraryTree tree(file);
    pageMilliseconds(file, tree, key, true); // the tables load once, at the first page
    std::vector<double> with, without;
    for (int run = 0; run < runs; ++run) {
        with.push_back(pageMilliseconds(file, tree, key, true));
        without.push_back(pageMilliseconds(file, tree, key, false));
    }
    std::printf("page %s: with the view median %.3f ms, without %.3f ms (%d runs)\n",
                qPrintable(key), median(with), median(without), runs);
}

} // namespace

int main(int argc, char** argv) {
    platform::prepareProcess();
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: library_metre_census LIBRARY [runs]\n");
        return 2;
    }
    QString error;
    const auto file = library::LibraryFile::open(QString::fromLocal8Bit(argv[1]), &error);
    if (!file) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const Census census = take(*file);
    printCensus(census, uint32_t(file->pieces().size()));
    if (!census.firstRegulatedKey.isEmpty())
        timePage(*file, census.firstRegulatedKey, argc > 2 ? std::atoi(argv[2]) : 200);
    return 0;
}
