#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The file-system operations of the working folder. POSIX has no hidden
// attribute: hiding keeps its place in the call sequence but changes nothing;
// read-only is the absence of write bits.
//
// No operation follows a link in the last step of its path, and a path
// directly inside a held folder (HeldFolder.h) is reached through the
// folder's handle, not its name.
namespace platform::files {

enum class Kind { Directory, File };

// True when the path is of that kind itself (a link to one does not count);
// hidden entries count too.
bool exists(const QString& path, Kind kind);

// Creates one folder, readable by its owner only.
void makeDirectory(const QString& path);
// Removes an empty folder; false, and no error, when it is not empty.
bool removeDirectory(const QString& path);

// Writes the bytes under a temporary name beside the target and renames it
// into place, so a crash mid-write never leaves a truncated file behind.
// Whatever stood under the target's name (a link, a folder) is replaced,
// never written through.
void writeAtomically(const QString& path, const QByteArray& bytes);
// True when the path is a plain file of its own (no link, no second name)
// holding exactly these bytes.
bool holds(const QString& path, const QByteArray& bytes);
QByteArray read(const QString& path);

void setHidden(const QString& path);
void setReadOnly(const QString& path);
// Clears hidden and read-only, as before a rewrite or a delete. A link, or a
// file that shares its data with another name, is unlinked instead: the
// other name keeps its data and its mode.
void setNormal(const QString& path);

// Names of the plain files (no folders or links) in a folder, hidden ones
// included, sorted.
QStringList listFiles(const QString& directory);
// Removes the entry, whatever it is; a folder goes with everything in it.
void deleteFile(const QString& path);
// Removes everything inside the folder, the folder itself staying.
void removeContents(const QString& directory);

} // namespace platform::files
