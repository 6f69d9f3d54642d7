#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// The metre of a poem: the tone of each character, its rhymes and, for the
// regulated forms (four or eight lines of five or seven characters rhyming
// on level tones), where it keeps and where it leaves the pattern.
namespace metre {

class RhymeTable;

enum class Tone { Level, Oblique, Unknown };

// What the page shows under one character.
struct Mark {
    Tone tone = Tone::Unknown;
    bool shown = false;      // false: no mark (old-style poems mark rhymes only)
    bool byPosition = false; // a character of two tones, read as its place asks
    bool byReading = false;  // a character of two tones, read as its syllable here says
    bool undecided = false;  // two tones and a place that allows either
    bool entering = false;   // an entering-tone (入声) character, read oblique
    int group = -1;          // the rhyme group at a rhyme position
};

// A place where the poem leaves the pattern. line and position count from 1;
// position 0 concerns the whole line.
struct Departure {
    int line = 0;
    int position = 0;
    QString name;  // 孤平, 三平尾, 拗救, 失粘, 失对, 出韵, or empty
    QString words; // what happens there, in plain words
};

struct Analysis {
    int lines = 0;
    int length = 0;         // characters per line; 0 when they differ
    bool regulated = false; // analysed against the regulated patterns
    QString notRegulated;   // why not, when not
    bool firstLineRhymes = false;
    Tone start = Tone::Unknown; // the tone of the first line's second character
    int group = -1;             // the rhyme group
    QList<int> borrowed;        // neighbouring groups some rhymes are taken from
    QString rhymes;             // the rhyme characters, in order
    QList<Departure> departures;
    std::vector<Mark> marks; // one per Han character of the text, in order
};

// What the context says about the characters of a poem: the same text
// converted to Traditional characters, so that the character the conversion
// chose picks the groups (发 as 發 or 髮), and the reviewed syllable of each
// Han character in order, whose tone tells a character of two meanings and
// two tones apart (乘 chéng 平, shèng 仄). Either may be empty.
struct Context {
    QStringView traditional;
    QStringList syllables;
};

// The analysis of a poem's text (lines separated by CR LF).
Analysis analyse(QStringView text, const Context& context, const RhymeTable& table);

} // namespace metre
