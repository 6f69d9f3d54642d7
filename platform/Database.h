#pragma once

#include "Recordset.h"

#include <QByteArray>
#include <QString>

#include <memory>

struct sqlite3;

namespace platform {

// The content database: an SQLite file whose Chinese text columns sort in
// pinyin order through the PINYIN collation registered on every connection.
class Database final {
  public:
    enum class Mode { ReadOnly, Create };

    // Opens an existing file (ReadOnly) or makes a new, empty one (Create).
    explicit Database(const QString& path, Mode mode = Mode::ReadOnly);
    // Opens the bytes of a database file where they lie in memory, read-only:
    // no file is written, so neither a temporary folder nor the disk matters.
    struct Image {
        QByteArray bytes;
    };
    explicit Database(Image image);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    Recordset OpenRecordset(const QString& sql) const;
    // Runs statements that return no rows (used to build the file).
    void Execute(const QString& sql);
    // Runs one statement for each row of values, bound to ?1, ?2, ...
    void Insert(const QString& sql, const std::vector<std::vector<Value>>& rows);
    void Close();
    // Hands back the pages SQLite keeps only for speed; they are read again
    // from the file when next needed.
    void releaseMemory();
    bool isOpen() const { return m_db != nullptr; }

  private:
    sqlite3* handle() const;
    void checkOpened(int rc, const QString& subject);

    sqlite3* m_db = nullptr;
    // The bytes an image connection reads; they must outlive it.
    QByteArray m_image;
};

} // namespace platform
