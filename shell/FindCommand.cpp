#include "FindCommand.h"

#include "CommandLine.h"

#include "find/LibraryMerge.h"
#include "find/Search.h"
#include "library/LibraryFile.h"
#include "library/LibraryLocation.h"
#include "library/Searcher.h"
#include "platform/Error.h"
#include "platform/Resources.h"
#include "store/ContentStore.h"

#include <QString>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <limits>
#include <memory>
#include <unistd.h>

namespace shell {
namespace {

// A tab or a line break inside a value would break the line's columns.
QString column(QString value) {
    for (QChar& c : value)
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    return value;
}

void printError(const QString& program, const QString& text) {
    const QByteArray bytes = (program + QStringLiteral(": ") + text + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

// The library's rows, when one is installed; a library that cannot be used
// is said once on the standard error stream and left out.
library::Results libraryRows(const QString& program, const QString& query, int limit,
                             std::unique_ptr<library::LibraryFile>& file) {
    const QString path = library::findLibrary();
    if (path.isEmpty())
        return {};
    QString error;
    file = library::LibraryFile::open(path, &error);
    if (!file) {
        printError(program, error);
        return {};
    }
    return library::Searcher(*file).find(query, limit);
}

// Standard output, written until the first failure, whose reason is kept.
class Output final {
  public:
    Output() {
        // A closed output gets a stand-in that refuses every write: no file
        // opened meanwhile can take its place and receive the results.
        if (::fcntl(STDOUT_FILENO, F_GETFD) == -1 && errno == EBADF) {
            const int placeholder = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
            if (placeholder >= 0 && placeholder != STDOUT_FILENO) {
                ::dup2(placeholder, STDOUT_FILENO);
                ::close(placeholder);
            }
        }
    }
    void write(const QString& text) {
        if (m_failure)
            return;
        const QByteArray bytes = text.toUtf8();
        if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()))
            m_failure = errno ? errno : EIO;
    }
    // Everything written out: 0, or the system's reason for the first failure.
    int finish() {
        if (!m_failure && std::fflush(stdout) != 0)
            m_failure = errno ? errno : EIO;
        return m_failure;
    }

  private:
    int m_failure = 0;
};

int runQuery(const QString& program, const QString& query, int limit) {
    Output out;
    // The database travels inside the executable and is read where it lies:
    // nothing is written to disk, so neither TMPDIR nor an interruption can
    // leave a copy behind, and a running window's folder is not disturbed.
    store::ContentStore content(
        platform::Database::Image{platform::resources::load(QStringLiteral("ts.dic"))});
    const find::Results results =
        find::buildFinder(content)->find(query, std::numeric_limits<int>::max());
    content.close();
    std::unique_ptr<library::LibraryFile> file;
    const library::Results fromLibrary = libraryRows(program, query, limit, file);
    const std::unique_ptr<library::Folding> folding =
        file ? std::make_unique<library::Folding>(file->foldTable()) : nullptr;
    const find::MergedResults merged =
        find::mergeWithLibrary(results, fromLibrary, folding.get(), limit);
    for (const find::MergedRow& row : merged.rows) {
        QStringList columns{row.kind, row.key, row.title, row.poet, row.snippet};
        // A near match (one character or one letter off) says so in a sixth column.
        if (row.near)
            columns << QStringLiteral("近似");
        QStringList shown;
        for (const QString& value : columns)
            shown << column(value);
        out.write(shown.join(u'\t') + u'\n');
    }
    if (!results.notice.isEmpty())
        std::fputs((results.notice + u'\n').toUtf8().constData(), stderr);
    const int failure = out.finish();
    // A reader that stopped early (`| head`) wanted no more: not worth a word.
    if (failure == EPIPE)
        return 1;
    if (failure) {
        printError(program,
                   platform::Error::fromErrno(platform::ErrorCode::OutputNotWritten, {}, failure)
                       .userText());
        return 1;
    }
    return 0;
}

} // namespace

int runFindCommand(const QString& program, const QString& query, int limit) {
    if (query.trimmed().isEmpty()) {
        printError(program, QStringLiteral("--find needs a query (%1 --find 静夜思)").arg(program));
        return kUsageError;
    }
    try {
        return runQuery(program, query, limit);
    } catch (const platform::Error& error) {
        printError(program, error.userText());
        return 1;
    }
}

} // namespace shell
