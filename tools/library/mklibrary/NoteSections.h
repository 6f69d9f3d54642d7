#pragma once

#include "Layout.h"

#include "library/Format.h"

#include <QString>

#include <vector>

namespace mklibrary {

// The source's notes as stored: the annotated pieces in order, each with
// where its notes begin in one run of UTF-16.
struct NoteSections {
    std::vector<library::format::NoteEntry> directory; // closed by kNoPiece
    QString text;
};

NoteSections buildNotes(const Layout& layout);

} // namespace mklibrary
