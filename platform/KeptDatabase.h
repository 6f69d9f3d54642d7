#pragma once

#include "Value.h"

#include <QString>

#include <functional>
#include <vector>

struct sqlite3;

namespace platform {

// A small SQLite file of the user's own, written by the reader and shared by
// every copy of it that runs. Changes go through a write-ahead log, synced
// at each commit, so a crash or a kill at any moment keeps every change
// already committed; a copy that finds the file busy waits its turn.
class KeptDatabase final {
  public:
    using Row = std::vector<Value>;

    // Opens the file, making it when it is missing. Throws Error
    // DatabaseDamaged when the file is there but is no sound database, and
    // DatabaseNotOpened (or QueryFailed) for any other failure, such as a
    // folder without write permission or a file locked for too long.
    explicit KeptDatabase(const QString& path);
    ~KeptDatabase();
    KeptDatabase(const KeptDatabase&) = delete;
    KeptDatabase& operator=(const KeptDatabase&) = delete;

    std::vector<Row> rows(const QString& sql, const Row& parameters = {}) const;
    void run(const QString& sql, const Row& parameters = {});
    // Runs the steps as one transaction that takes the write lock at once,
    // so two copies never interleave; a step that throws undoes them all.
    void transaction(const std::function<void()>& steps);

    // The rows a damaged file still gives, read-only, up to the first fault:
    // nothing is thrown, and an unreadable file gives none.
    static std::vector<Row> salvage(const QString& path, const QString& sql);

  private:
    sqlite3* m_db = nullptr;
    QString m_path;
};

} // namespace platform
