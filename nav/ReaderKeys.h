#pragma once

#include "pages/Builders.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace nav {

// Every key of the reader, in one table: the window takes its shortcuts from
// here and the keys page lists it, so neither can leave a key out. An entry
// without keys is a menu entry only, and the keys page leaves it out.
struct ReaderKey {
    QString id;             // the action's name in the window
    QString what;           // what the menu and the keys page call it
    QStringList keys;       // shortcuts in portable form ("Ctrl+Shift+P"); the first is the menu's
    QStringList mouse = {}; // the same by mouse, in words
};

const QList<ReaderKey>& readerKeys();
// The entry of that id; an empty entry for an id the table does not know.
const ReaderKey& readerKey(const QString& id);
// The rows of the keys page: the entries that have keys.
QList<pages::KeyRow> keyRows();

} // namespace nav
