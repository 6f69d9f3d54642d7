// mklibrary RECORDS.jsonl FOLD_ADDITIONS OUTPUT [READINGS.jsonl]: builds the
// library file from the records extract.py wrote and the readings
// readings.mjs wrote for them.
// mklibrary --fold FOLD_ADDITIONS OUTPUT.tsv: writes the folding, one
// "form<TAB>folded" a line, for readings.mjs to compare words as the search does.
#include "FoldTable.h"
#include "IndexBuilder.h"
#include "Layout.h"
#include "LibraryWriter.h"
#include "NoteSections.h"
#include "ReadingSections.h"
#include "Records.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSaveFile>

#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

void writeFold(const QString& additions, const QString& path) {
    const mklibrary::FoldTable fold = mklibrary::buildFoldTable(additions);
    QString lines;
    for (uint32_t unit = 0; unit < fold.size(); ++unit)
        if (fold[unit] != 0 && fold[unit] != unit && !QChar::isSurrogate(unit) &&
            !QChar::isSurrogate(fold[unit]))
            lines += QChar(char16_t(unit)) + u'\t' + QChar(char16_t(fold[unit])) + u'\n';
    QSaveFile out(path);
    const QByteArray bytes = lines.toUtf8();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void build(const QStringList& args) {
    QElapsedTimer clock;
    clock.start();
    const mklibrary::FoldTable fold = mklibrary::buildFoldTable(args[2]);
    mklibrary::Layout layout = mklibrary::arrange(mklibrary::readRecords(args[1], args.value(4)));
    mklibrary::linkEditions(layout, fold);
    const mklibrary::ReadingSections readings = mklibrary::buildReadings(layout);
    const mklibrary::IndexSections index = mklibrary::buildIndex(layout, fold, readings);
    mklibrary::writeLibrary(args[3], layout, fold, index, readings, mklibrary::buildNotes(layout));
    std::printf("mklibrary: %zu pieces, %zu authors, %zu collections in %.1f s\n",
                layout.pieces.size(), layout.authors.size(), layout.collections.size(),
                double(clock.elapsed()) / 1000);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool folding = args.size() == 4 && args[1] == u"--fold";
    if (!folding && args.size() != 4 && args.size() != 5) {
        std::fprintf(stderr,
                     "usage: mklibrary RECORDS.jsonl FOLD_ADDITIONS OUTPUT [READINGS.jsonl]\n"
                     "       mklibrary --fold FOLD_ADDITIONS OUTPUT.tsv\n");
        return 2;
    }
    try {
        if (folding)
            writeFold(args[2], args[3]);
        else
            build(args);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "mklibrary: %s\n", error.what());
        return 1;
    }
    return 0;
}
