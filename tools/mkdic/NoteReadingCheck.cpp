#include "NoteReadingCheck.h"

#include "NoteReadings.h"

#include "platform/HanCharacter.h"

#include <string>

namespace dic {
namespace {

std::u32string hanOnly(const QString& text) {
    std::u32string han;
    for (char32_t code : text.toUcs4()) {
        if (platform::isHanCharacter(code))
            han += code;
    }
    return han;
}

// "⑶" or "(21)" for a note that starts with its marker, else its number.
QString noteLabel(const QString& note, qsizetype index) {
    if (!note.isEmpty() && note[0].unicode() >= 0x2460 && note[0].unicode() <= 0x249b)
        return note.left(1);
    if (note.startsWith(QLatin1String("<sup>"))) {
        const qsizetype end = note.indexOf(QLatin1String("</sup>"));
        if (end > 0)
            return note.mid(5, end - 5);
    }
    return QString::number(index + 1);
}

QString textLabel(size_t text) {
    return text == 0 ? QStringLiteral("the title") : QStringLiteral("line %1").arg(text);
}

// Positions (text, character) where the note's reading applies: the
// character inside each occurrence of the phrase the note explains, or
// every occurrence of the character when the phrase is not in the verse.
std::vector<std::pair<size_t, size_t>> placesOf(const NoteReading& reading,
                                                const std::vector<std::u32string>& texts) {
    std::vector<std::pair<size_t, size_t>> inTerm;
    std::vector<std::pair<size_t, size_t>> anywhere;
    const std::u32string& term = reading.term;
    for (size_t t = 0; t < texts.size(); ++t) {
        for (size_t at = 0; at < texts[t].size(); ++at) {
            if (texts[t][at] == reading.character)
                anywhere.emplace_back(t, at);
            if (term.empty() || texts[t].compare(at, term.size(), term) != 0)
                continue;
            for (size_t k = 0; k < term.size(); ++k) {
                if (term[k] == reading.character)
                    inTerm.emplace_back(t, at + k);
            }
        }
    }
    return inTerm.empty() ? anywhere : inTerm;
}

} // namespace

QStringList checkNoteReadings(const QString& where, const PieceText& piece) {
    std::vector<std::u32string> texts;
    for (const QString& text : piece.texts)
        texts.push_back(hanOnly(text));
    QStringList faults;
    for (qsizetype n = 0; n < piece.notes.size(); ++n) {
        const QString note = QStringLiteral("%1, note %2").arg(where, noteLabel(piece.notes[n], n));
        const NoteStatements stated = readingsStated(piece.notes[n]);
        for (const QString& statement : stated.unclear)
            faults << note + QStringLiteral(": \"%1\" does not say which character it reads")
                                 .arg(statement);
        for (const NoteReading& reading : stated.readings) {
            if (reading.onlyOld)
                continue;
            const QString character = QString::fromUcs4(&reading.character, 1);
            for (const auto& [text, at] : placesOf(reading, texts)) {
                const QStringList& syllables = piece.syllables[text];
                const QString verse =
                    qsizetype(at) < syllables.size() ? syllables[qsizetype(at)] : QString();
                if (!reading.syllables.contains(verse))
                    faults << note + QStringLiteral(": %1 reads %2 in the note but %3 in %4")
                                         .arg(character, reading.syllables.join(u'/'), verse,
                                              textLabel(text));
            }
        }
    }
    return faults;
}

} // namespace dic
