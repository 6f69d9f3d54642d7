#pragma once

#include "pages/LibraryPages.h"

#include <QStringList>
#include <QStringView>

#include <optional>

namespace nav {

// The pinyin of a library piece for its page, from the file's run of
// syllables (LibraryFile::pieceReadings) and the parts of its text: title,
// section, then the lines. The section's syllables are passed over: the
// page shows it in a line of its own words. A syllable "-" (no reading
// known) becomes "", so that its character stays bare in its cell. None
// when there is no run or its count differs from the characters': a wrong
// reading over every following character is worse than none.
std::optional<pages::LibraryReadings> libraryReadings(QStringView run, const QStringList& parts);

} // namespace nav
