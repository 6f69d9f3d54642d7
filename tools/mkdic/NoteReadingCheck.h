#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace dic {

// One piece of verse as the check sees it: its title and lines, each with
// its syllables (one per Han character), and its notes.
struct PieceText {
    QStringList texts;                  // the title, then each line
    std::vector<QStringList> syllables; // per text, one per Han character
    QStringList notes;
};

// Where a note states a reading of a character that stands in the verse,
// the verse must read it so: one message per disagreement, naming where
// (the piece), the note by its marker and the character; and one for a
// statement that does not say which character it reads.
QStringList checkNoteReadings(const QString& where, const PieceText& piece);

} // namespace dic
