// mklibrary RECORDS.jsonl FOLD_ADDITIONS OUTPUT: builds the library file
// from the records extract.py wrote.
#include "FoldTable.h"
#include "IndexBuilder.h"
#include "Layout.h"
#include "LibraryWriter.h"
#include "Records.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: mklibrary RECORDS.jsonl FOLD_ADDITIONS OUTPUT\n");
        return 2;
    }
    try {
        QElapsedTimer clock;
        clock.start();
        const mklibrary::FoldTable fold = mklibrary::buildFoldTable(args[2]);
        mklibrary::Layout layout = mklibrary::arrange(mklibrary::readRecords(args[1]));
        mklibrary::linkEditions(layout, fold);
        const mklibrary::IndexSections index = mklibrary::buildIndex(layout, fold);
        mklibrary::writeLibrary(args[3], layout, fold, index);
        std::printf("mklibrary: %zu pieces, %zu authors, %zu collections in %.1f s\n",
                    layout.pieces.size(), layout.authors.size(), layout.collections.size(),
                    double(clock.elapsed()) / 1000);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "mklibrary: %s\n", error.what());
        return 1;
    }
    return 0;
}
