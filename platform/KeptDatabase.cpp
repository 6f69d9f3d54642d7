#include "KeptDatabase.h"

#include "Error.h"
#include "Statement.h"

#include <sqlite3.h>

namespace platform {
namespace {

// Long enough for another copy's commit, short enough that a stuck lock is
// reported instead of hanging the window.
constexpr int kBusyMilliseconds = 10000;

bool damaged(int code) {
    const int primary = code & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

std::vector<KeptDatabase::Row> query(sqlite3* db, const QString& sql,
                                     const KeptDatabase::Row& parameters) {
    Statement statement(db, sql);
    for (size_t i = 0; i < parameters.size(); ++i)
        statement.bind(int(i) + 1, parameters[i]);
    std::vector<KeptDatabase::Row> out;
    while (statement.step()) {
        KeptDatabase::Row row;
        for (int i = 0; i < statement.columnCount(); ++i)
            row.push_back(statement.column(i));
        out.push_back(std::move(row));
    }
    return out;
}

} // namespace

KeptDatabase::KeptDatabase(const QString& path) : m_path(path) {
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &m_db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        const Error error(ErrorCode::DatabaseNotOpened, path,
                          QString::fromUtf8(sqlite3_errstr(rc)));
        sqlite3_close(m_db);
        throw error;
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, kBusyMilliseconds);
    try {
        // The first read of the file tells a file that is no database.
        rows(QStringLiteral("PRAGMA journal_mode = WAL"));
        run(QStringLiteral("PRAGMA synchronous = FULL"));
        const std::vector<Row> check = rows(QStringLiteral("PRAGMA quick_check"));
        if (check.size() != 1 || check.front().front().toString() != QLatin1String("ok"))
            throw Error(ErrorCode::DatabaseDamaged, path, check.front().front().toString());
    } catch (const Error& error) {
        const int code = sqlite3_extended_errcode(m_db);
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        if (error.code() != ErrorCode::DatabaseDamaged && damaged(code))
            throw Error(ErrorCode::DatabaseDamaged, path, error.description());
        throw;
    }
}

KeptDatabase::~KeptDatabase() {
    // The last connection to close folds the log back into the file.
    sqlite3_close_v2(m_db);
}

std::vector<KeptDatabase::Row> KeptDatabase::rows(const QString& sql, const Row& parameters) const {
    return query(m_db, sql, parameters);
}

void KeptDatabase::run(const QString& sql, const Row& parameters) {
    query(m_db, sql, parameters);
}

void KeptDatabase::transaction(const std::function<void()>& steps) {
    run(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        steps();
        run(QStringLiteral("COMMIT"));
    } catch (...) {
        if (!sqlite3_get_autocommit(m_db))
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

std::vector<KeptDatabase::Row> KeptDatabase::salvage(const QString& path, const QString& sql) {
    std::vector<Row> out;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        try {
            Statement statement(db, sql);
            while (statement.step()) {
                Row row;
                for (int i = 0; i < statement.columnCount(); ++i)
                    row.push_back(statement.column(i));
                out.push_back(std::move(row));
            }
        } catch (const Error&) {
            // What was read before the fault is kept.
        }
    }
    sqlite3_close(db);
    return out;
}

} // namespace platform
