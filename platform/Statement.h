#pragma once

#include "ErrorCode.h"
#include "Value.h"

#include <QString>

struct sqlite3;
struct sqlite3_stmt;

namespace platform {

// Owns one prepared SQLite statement. Parameters are bound from 1, columns
// are read from 0, as SQLite counts them.
class Statement final {
  public:
    Statement(sqlite3* db, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int parameter, const Value& value);
    // Advances to the next row; false when the statement is done.
    bool step();
    void reset();
    int columnCount() const;
    QString columnName(int column) const;
    Value column(int column) const;

  private:
    sqlite3* m_db;
    sqlite3_stmt* m_statement = nullptr;
};

// An Error carrying SQLite's code and message.
[[noreturn]] void throwSqliteError(sqlite3* db, ErrorCode code, const QString& subject = {});

} // namespace platform
