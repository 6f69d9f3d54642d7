#include "Database.h"

#include "Error.h"
#include "PinyinCollation.h"
#include "Statement.h"

#include <QUrl>

#include <sqlite3.h>

namespace platform {

Database::Database(const QString& path, Mode mode) {
    // The reader never changes its content, so it opens the file read-only:
    // nothing it does can damage it, and two copies can share it. Nothing
    // else changes it either while the reader runs, so SQLite may skip the
    // locks and change checks it would make before every query.
    const bool create = mode == Mode::Create;
    const int flags = create ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                             : SQLITE_OPEN_READONLY | SQLITE_OPEN_URI;
    const QByteArray name =
        create ? path.toUtf8()
               : QUrl::fromLocalFile(path).toEncoded() + QByteArrayLiteral("?immutable=1");
    checkOpened(sqlite3_open_v2(name.constData(), &m_db, flags, nullptr), path);
}

Database::Database(Image image) : m_image(std::move(image.bytes)) {
    // An empty, private in-memory connection takes the bytes as its content;
    // it neither copies nor changes them.
    int rc = sqlite3_open_v2(":memory:", &m_db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK) {
        auto* data = reinterpret_cast<unsigned char*>(m_image.data());
        rc = sqlite3_deserialize(m_db, "main", data, m_image.size(), m_image.size(),
                                 SQLITE_DESERIALIZE_READONLY);
    }
    checkOpened(rc, QStringLiteral(":memory:"));
    // Sorts too large for the cache stay in memory too, never in TMPDIR.
    Execute(QStringLiteral("PRAGMA temp_store = MEMORY"));
}

void Database::checkOpened(int rc, const QString& subject) {
    if (rc != SQLITE_OK) {
        const Error error(ErrorCode::DatabaseNotOpened, subject,
                          QString::fromUtf8(sqlite3_errstr(rc)));
        sqlite3_close(m_db);
        m_db = nullptr;
        throw error;
    }
    try {
        registerPinyinCollation(m_db);
        // Fail now, not at the first query, when the file is no database.
        Statement(m_db, QStringLiteral("SELECT count(*) FROM sqlite_master")).step();
    } catch (...) {
        Close();
        throw;
    }
}

Database::~Database() {
    Close();
}

void Database::releaseMemory() {
    if (m_db)
        sqlite3_db_release_memory(m_db);
}

sqlite3* Database::handle() const {
    if (!m_db)
        throw Error(ErrorCode::DatabaseClosed);
    return m_db;
}

Recordset Database::OpenRecordset(const QString& sql) const {
    Statement statement(handle(), sql);
    QStringList names;
    for (int i = 0; i < statement.columnCount(); ++i)
        names << statement.columnName(i);
    std::vector<std::vector<Value>> rows;
    while (statement.step()) {
        std::vector<Value> row;
        row.reserve(size_t(names.size()));
        for (int i = 0; i < names.size(); ++i)
            row.push_back(statement.column(i));
        rows.push_back(std::move(row));
    }
    return Recordset(std::move(names), std::move(rows));
}

void Database::Execute(const QString& sql) {
    char* message = nullptr;
    if (sqlite3_exec(handle(), sql.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        sqlite3_free(message);
        throwSqliteError(m_db, ErrorCode::ExecuteFailed, sql);
    }
}

void Database::Insert(const QString& sql, const std::vector<std::vector<Value>>& rows) {
    Statement statement(handle(), sql);
    for (const auto& row : rows) {
        for (size_t i = 0; i < row.size(); ++i)
            statement.bind(int(i) + 1, row[i]);
        statement.step();
        statement.reset();
    }
}

void Database::Close() {
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

} // namespace platform
