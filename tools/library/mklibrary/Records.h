#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace mklibrary {

struct PieceIn {
    QString collection;
    QString title;
    QString author;
    QString section;
    QStringList lines;
    uint32_t fame = 0;
    // Toned syllables, one per Han character, separated by spaces.
    QString titleReading;
    QString authorReading;
    QStringList textReadings; // section, then each line; empty when not studied
    QStringList notes;        // the source's notes, where it annotates the piece
};

struct AuthorIn {
    QString collection;
    QString name;
    QString bio;
    QString nameReading;
};

struct Records {
    QStringList collections; // in the order their first record comes
    std::vector<AuthorIn> authors;
    std::vector<PieceIn> pieces;
};

// Reads the lines written by extract.py, and when `readingsPath` is not
// empty the readings readings.mjs wrote for them, line by line; throws
// std::runtime_error naming the line that cannot be read or whose readings
// do not have one syllable per Han character.
Records readRecords(const QString& path, const QString& readingsPath = {});

} // namespace mklibrary
