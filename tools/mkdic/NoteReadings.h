#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace dic {

// A reading a note gives for one character: "一骑（jì）红尘", "饮，读yìn",
// "思读sì", "斜，旧读xiá，今读xié". syllables holds every reading the note
// names for the character; term is the phrase the note explains ("一骑红尘",
// "数奇"), which finds the place in the verse the note speaks of.
struct NoteReading {
    char32_t character = 0;
    QStringList syllables;
    std::u32string term;
    // Every reading is given as the old one ("斜，旧读xiá"): history, which
    // the verse need not follow.
    bool onlyOld = false;
};

struct NoteStatements {
    std::vector<NoteReading> readings;
    // Statements such as "锦绣成堆，读xiù" that do not say which character
    // they read, quoted as they stand.
    QStringList unclear;
};

// The readings one note states, one entry per character.
NoteStatements readingsStated(const QString& note);

} // namespace dic
