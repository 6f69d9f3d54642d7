#pragma once

#include "Favourite.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

namespace platform {
class KeptDatabase;
}

namespace favourites {

// The user's favourites, kept in one SQLite file in the order they were
// added. The file is made with the first favourite, so a reader that never
// keeps one writes nothing. Every call reads or changes the file itself:
// what another copy of the reader added in the meantime is seen too.
class Store final {
  public:
    // What opening found when the file was damaged: where the damaged file
    // now lies, and how many favourites could still be read from it (they
    // are in the new file).
    struct SetAside {
        QString path;
        int salvaged = 0;
    };

    // Opens the file when it is there. A damaged file is moved aside under a
    // dated name and a new one holds what could be read (see setAside()).
    // Throws platform::Error when the file cannot be opened for another
    // reason; it is then left as it is.
    explicit Store(QString path);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    const std::optional<SetAside>& setAside() const { return m_setAside; }
    const QString& path() const { return m_path; }

    // In the order added.
    QList<Favourite> list() const;
    // False when the piece at that key is kept already. Throws
    // platform::Error when it cannot be kept (a full disk, no permission).
    bool add(const Favourite& favourite);
    // Adds those not kept yet, in one transaction; gives how many were new.
    int addAll(const QList<Favourite>& favourites);
    // False when it was not kept.
    bool remove(const Favourite& favourite);
    // The piece is found under another key now.
    void moveKey(const Favourite& favourite, const QString& key);

  private:
    platform::KeptDatabase& database();
    void open();
    void setAsideAndReopen();
    bool insert(const Favourite& favourite);

    QString m_path;
    std::unique_ptr<platform::KeptDatabase> m_db;
    std::optional<SetAside> m_setAside;
};

// The store's file in the user's data folder: quillora/favourites.db.
// Throws platform::Error when no home can be found.
QString defaultPath();

} // namespace favourites
