#pragma once

#include <QString>

namespace pages {

// The text without code page 936's annotation marks (⑴ and its kin), which
// point into the notes and are no part of the words.
QString withoutNoteMarks(const QString& text);

} // namespace pages
