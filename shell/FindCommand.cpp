#include "FindCommand.h"

#include "CommandLine.h"

#include "find/LibraryMerge.h"
#include "find/Search.h"
#include "library/LibraryFile.h"
#include "library/LibraryLocation.h"
#include "library/Searcher.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/Resources.h"
#include "store/ContentStore.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <limits>
#include <memory>

namespace shell {
namespace {

// A tab or a line break inside a value would break the line's columns.
QString column(QString value) {
    for (QChar& c : value)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return value;
}

void print(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

// The library's rows, when one is installed; a library that cannot be used
// is said once on the standard error stream and left out.
library::Results libraryRows(const QString& query, int limit,
                             std::unique_ptr<library::LibraryFile>& file) {
    const QString path = library::findLibrary();
    if (path.isEmpty())
        return {};
    QString error;
    file = library::LibraryFile::open(path, &error);
    if (!file) {
        print(stderr, error + u'\n');
        return {};
    }
    return library::Searcher(*file).find(query, limit);
}

int runQuery(const QString& query, int limit) {
    // The database travels inside the executable; the query reads a private
    // copy, so it neither needs nor disturbs a running window's folder.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ts.dic"));
    platform::files::writeAtomically(path, platform::resources::load(QStringLiteral("ts.dic")));
    store::ContentStore content(path);
    const find::Results results =
        find::buildFinder(content)->find(query, std::numeric_limits<int>::max());
    content.close();
    std::unique_ptr<library::LibraryFile> file;
    const library::Results fromLibrary = libraryRows(query, limit, file);
    const std::unique_ptr<library::Folding> folding =
        file ? std::make_unique<library::Folding>(file->foldTable()) : nullptr;
    const find::MergedResults merged =
        find::mergeWithLibrary(results, fromLibrary, folding.get(), limit);
    for (const find::MergedRow& row : merged.rows) {
        const QStringList columns{row.kind, row.key, row.title, row.poet, row.snippet};
        QStringList shown;
        for (const QString& value : columns)
            shown << column(value);
        print(stdout, shown.join(u'\t') + u'\n');
    }
    if (!results.notice.isEmpty())
        print(stderr, results.notice + u'\n');
    return 0;
}

} // namespace

int runFindCommand(const QString& query, int limit) {
    if (query.trimmed().isEmpty()) {
        print(stderr, QStringLiteral("Quillora: --find needs a query (Quillora --find 静夜思)\n"));
        return kUsageError;
    }
    try {
        return runQuery(query, limit);
    } catch (const platform::Error& error) {
        print(stderr, error.userText() + u'\n');
        return 1;
    }
}

} // namespace shell
