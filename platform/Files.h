#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The file-system operations of the working folder. POSIX has no hidden
// attribute: hiding keeps its place in the call sequence but changes nothing;
// read-only is the absence of write bits.
namespace platform::files {

enum class Kind { Directory, File };

// True when the path exists and is of that kind; hidden entries count too.
bool exists(const QString& path, Kind kind);

// Creates one folder, readable by its owner only.
void makeDirectory(const QString& path);
void removeDirectory(const QString& path);

// Writes the bytes under a temporary name beside the target and renames it
// into place, so a crash mid-write never leaves a truncated file behind.
void writeAtomically(const QString& path, const QByteArray& bytes);
QByteArray read(const QString& path);

void setHidden(const QString& path);
void setReadOnly(const QString& path);
// Clears hidden and read-only, as before a rewrite or a delete.
void setNormal(const QString& path);

// Names of the files (not folders) in a folder, hidden ones included.
QStringList listFiles(const QString& directory);
void deleteFile(const QString& path);

} // namespace platform::files
