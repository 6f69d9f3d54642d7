#include "Store.h"

#include "platform/Error.h"
#include "platform/KeptDatabase.h"
#include "platform/UserFolders.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace favourites {
namespace {

using platform::Error;
using platform::ErrorCode;
using Row = platform::KeptDatabase::Row;

// The position counts up and is never reused, so the order added stays the
// order listed whichever copy of the reader added them.
const QString kSchema = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS favourite ("
    "position INTEGER PRIMARY KEY AUTOINCREMENT, kind TEXT NOT NULL, title TEXT NOT NULL, "
    "poet TEXT NOT NULL, node TEXT NOT NULL, UNIQUE (kind, title, poet, node))");
const QString kAll =
    QStringLiteral("SELECT kind, title, poet, node FROM favourite ORDER BY position");
const QString kWhere =
    QStringLiteral(" WHERE kind = ?1 AND title = ?2 AND poet = ?3 AND node = ?4");

Row fields(const Favourite& favourite) {
    return {favourite.piece.kind, favourite.piece.title, favourite.piece.poet, favourite.key};
}

Favourite fromRow(const Row& row) {
    return {{row[0].toString(), row[1].toString(), row[2].toString()}, row[3].toString()};
}

// Beside the damaged file, named for the moment it was found.
QString asideName(const QString& path) {
    const QFileInfo file(path);
    const QString stem = file.absolutePath() + u'/' + file.completeBaseName() +
                         QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = stem + QStringLiteral(".db");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = stem + QStringLiteral("-%1.db").arg(n);
    return aside;
}

// The log and its index go with the file they belong to.
void moveWithLog(const QString& from, const QString& to) {
    for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        const QByteArray source = QFile::encodeName(from + suffix);
        if (std::rename(source.constData(), QFile::encodeName(to + suffix).constData()) != 0 &&
            suffix.isEmpty() && QFileInfo::exists(from))
            throw Error::fromErrno(ErrorCode::FavouritesNotRead, from);
    }
}

} // namespace

QString defaultPath() {
    return QFile::decodeName(platform::user::dataFolder()) +
           QStringLiteral("/quillora/favourites.db");
}

Store::Store(QString path) : m_path(std::move(path)) {
    if (QFileInfo::exists(m_path))
        open();
}

Store::~Store() = default;

void Store::open() {
    try {
        m_db = std::make_unique<platform::KeptDatabase>(m_path);
        m_db->run(kSchema);
    } catch (const Error& error) {
        m_db.reset();
        if (error.code() != ErrorCode::DatabaseDamaged)
            throw;
        setAsideAndReopen();
    }
}

void Store::setAsideAndReopen() {
    QList<Favourite> kept;
    for (const Row& row : platform::KeptDatabase::salvage(m_path, kAll))
        if (row.size() == 4)
            kept << fromRow(row);
    const QString aside = asideName(m_path);
    moveWithLog(m_path, aside);
    m_setAside = SetAside{aside, int(kept.size())};
    m_db = std::make_unique<platform::KeptDatabase>(m_path);
    m_db->run(kSchema);
    addAll(kept);
}

platform::KeptDatabase& Store::database() {
    if (!m_db) {
        const QString folder = QFileInfo(m_path).absolutePath();
        if (!QDir().mkpath(folder))
            throw Error(ErrorCode::FolderNotCreated, folder);
        open();
    }
    return *m_db;
}

QList<Favourite> Store::list() const {
    QList<Favourite> out;
    if (!m_db)
        return out;
    try {
        for (const Row& row : m_db->rows(kAll))
            out << fromRow(row);
    } catch (const Error& error) {
        throw Error(ErrorCode::FavouritesNotRead, m_path, error.description());
    }
    return out;
}

bool Store::insert(const Favourite& favourite) {
    const Row values = fields(favourite);
    if (!m_db->rows(QStringLiteral("SELECT 1 FROM favourite") + kWhere, values).empty())
        return false;
    m_db->run(QStringLiteral("INSERT INTO favourite (kind, title, poet, node) "
                             "VALUES (?1, ?2, ?3, ?4)"),
              values);
    return true;
}

bool Store::add(const Favourite& favourite) {
    return addAll({favourite}) == 1;
}

int Store::addAll(const QList<Favourite>& favourites) {
    int added = 0;
    try {
        database().transaction([&] {
            for (const Favourite& favourite : favourites)
                added += insert(favourite) ? 1 : 0;
        });
    } catch (const Error& error) {
        throw Error(ErrorCode::FavouritesNotSaved, m_path, error.description());
    }
    return added;
}

bool Store::remove(const Favourite& favourite) {
    if (!m_db)
        return false;
    bool removed = false;
    try {
        m_db->transaction([&] {
            const Row values = fields(favourite);
            removed =
                !m_db->rows(QStringLiteral("SELECT 1 FROM favourite") + kWhere, values).empty();
            m_db->run(QStringLiteral("DELETE FROM favourite") + kWhere, values);
        });
    } catch (const Error& error) {
        throw Error(ErrorCode::FavouritesNotSaved, m_path, error.description());
    }
    return removed;
}

void Store::moveKey(const Favourite& favourite, const QString& key) {
    try {
        database().transaction([&] {
            Row values = fields(favourite);
            values.insert(values.begin(), key);
            // A copy that moved it first leaves nothing to do.
            m_db->run(QStringLiteral("UPDATE OR IGNORE favourite SET node = ?1 WHERE kind = ?2 "
                                     "AND title = ?3 AND poet = ?4 AND node = ?5"),
                      values);
        });
    } catch (const Error& error) {
        throw Error(ErrorCode::FavouritesNotSaved, m_path, error.description());
    }
}

} // namespace favourites
