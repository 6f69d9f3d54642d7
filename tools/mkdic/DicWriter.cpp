#include "DicWriter.h"

#include "platform/Database.h"

#include <QFile>

namespace dic {

void writeDic(const Content& content, const QString& path) {
    const QString temporary = path + QStringLiteral(".partial");
    QFile::remove(temporary);
    {
        platform::Database db(temporary, platform::Database::Mode::Create);
        db.Execute(QStringLiteral("PRAGMA page_size = 4096; PRAGMA journal_mode = OFF; BEGIN"));
        for (const Table& table : tables()) {
            db.Execute(createStatement(table));
            db.Insert(insertStatement(table), content.at(table.name).rows);
        }
        db.Execute(QStringLiteral("COMMIT"));
        db.Close();
    }
    QFile::remove(path);
    if (!QFile::rename(temporary, path))
        throw SourceError(QStringLiteral("cannot move %1 into place").arg(path));
}

} // namespace dic
