#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Removal and listing relative to a folder handle, never following a link:
// a link is removed as itself, whatever it points to. The path only names
// the entry in error messages.
namespace platform::files {

// Removes the entry, a folder with everything in it; one already gone is
// fine.
void removeEntry(int folder, const QByteArray& name, const QString& path);
// Removes everything inside the folder.
void removeContents(int folder, const QString& path);
// The names in the folder, sorted, without "." and "..".
QList<QByteArray> entryNames(int folder, const QString& path);
// The folder at path, links followed, opened for reading; throws when it
// cannot be.
int openFolder(const QString& path);
// True while the entry's name still leads to the very file open as fd: it was
// neither removed nor replaced.
bool stillNames(int folder, const QByteArray& name, int fd);

} // namespace platform::files
