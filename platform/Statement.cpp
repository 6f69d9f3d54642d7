#include "Statement.h"

#include "Error.h"

#include <sqlite3.h>

namespace platform {

void throwSqliteError(sqlite3* db, ErrorCode code, const QString& subject) {
    const QString reason = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("?");
    throw Error(code, subject, reason);
}

Statement::Statement(sqlite3* db, const QString& sql) : m_db(db) {
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &m_statement, nullptr) !=
        SQLITE_OK)
        throwSqliteError(db, ErrorCode::QueryFailed, QStringLiteral("[%1]").arg(sql));
}

Statement::~Statement() {
    sqlite3_finalize(m_statement);
}

void Statement::bind(int parameter, const Value& value) {
    int rc = SQLITE_OK;
    if (value.IsNull()) {
        rc = sqlite3_bind_null(m_statement, parameter);
    } else if (value.isNumber()) {
        rc = sqlite3_bind_int64(m_statement, parameter, value.toNumber());
    } else {
        const QByteArray text = value.utf8();
        rc = sqlite3_bind_text(m_statement, parameter, text.constData(), int(text.size()),
                               SQLITE_TRANSIENT);
    }
    if (rc != SQLITE_OK)
        throwSqliteError(m_db, ErrorCode::BindFailed);
}

bool Statement::step() {
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throwSqliteError(m_db, ErrorCode::QueryFailed);
}

void Statement::reset() {
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
}

int Statement::columnCount() const {
    return sqlite3_column_count(m_statement);
}

QString Statement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(m_statement, column));
}

Value Statement::column(int column) const {
    switch (sqlite3_column_type(m_statement, column)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return Value(qint64(sqlite3_column_int64(m_statement, column)));
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
        return Value::fromUtf8(QByteArray(text, sqlite3_column_bytes(m_statement, column)));
    }
    }
}

} // namespace platform
