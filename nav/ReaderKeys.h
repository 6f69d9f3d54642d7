#pragma once

#include "pages/Builders.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace nav {

// Every action of the reader, in one table: the window makes its actions,
// shortcuts and right-click menu from here and the keys page lists it, so
// none of them can leave a key out or add one of its own. An entry without
// keys is a menu entry only, and the keys page leaves it out.
struct ReaderKey {
    QString id;                // the action's name in the window
    QString what;              // what the menu and the keys page call it
    QStringList keys = {};     // window-wide, portable form ("Ctrl+Shift+P"); the first is the menu's
    QStringList treeKeys = {}; // acting only in the tree: elsewhere they are typed as text
    QStringList mouse = {};    // the same by mouse, in words
    bool menu = false;         // an entry of the tree's right-click menu
    bool checkable = false;    // a switch, ticked in the menu while on
    bool library = false;      // there only with a library installed
};

const QList<ReaderKey>& readerKeys();
// The entry of that id; an empty entry for an id the table does not know.
const ReaderKey& readerKey(const QString& id);
// The keys page's rows: every entry that has a key or a mouse gesture; the
// library's entries only when it is installed.
QList<pages::KeyRow> keyRows(bool withLibrary = false);

} // namespace nav
