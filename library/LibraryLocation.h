#pragma once

#include <QString>
#include <QStringList>

namespace library {

// The file's name wherever it is installed or built.
inline constexpr char16_t kFileName[] = u"library.qll";

// Where the reader looks for the library, first found wins: the
// QUILLORA_LIBRARY variable (a file), the XDG data directories
// (quillora/library.qll under each), then the build tree it was built in.
QStringList libraryCandidates();

// The first of them that exists; empty when no library is installed.
QString findLibrary();

} // namespace library
