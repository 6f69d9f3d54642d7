#include "FindCommand.h"

#include "CommandLine.h"

#include "find/Search.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/Resources.h"
#include "store/ContentStore.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <limits>

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

int runQuery(const QString& query) {
    // The database travels inside the executable; the query reads a private
    // copy, so it neither needs nor disturbs a running window's folder.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ts.dic"));
    platform::files::writeAtomically(path, platform::resources::load(QStringLiteral("ts.dic")));
    store::ContentStore content(path);
    const find::Results results =
        find::buildFinder(content)->find(query, std::numeric_limits<int>::max());
    content.close();
    for (const find::Result& row : results.rows) {
        QStringList columns{find::kindLabel(row.kind), row.key, row.title, row.poet,
                            row.snippet.plain()};
        // A near match (one character or one letter off) says so in a sixth column.
        if (row.near)
            columns << QStringLiteral("近似");
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

int runFindCommand(const QString& query) {
    if (query.trimmed().isEmpty()) {
        print(stderr, QStringLiteral("Quillora: --find needs a query (Quillora --find 静夜思)\n"));
        return kUsageError;
    }
    try {
        return runQuery(query);
    } catch (const platform::Error& error) {
        print(stderr, error.userText() + u'\n');
        return 1;
    }
}

} // namespace shell
