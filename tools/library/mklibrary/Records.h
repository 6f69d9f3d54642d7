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
};

struct AuthorIn {
    QString collection;
    QString name;
    QString bio;
};

struct Records {
    QStringList collections; // in the order their first record comes
    std::vector<AuthorIn> authors;
    std::vector<PieceIn> pieces;
};

// Reads the lines written by extract.py; throws std::runtime_error naming
// the line that cannot be read.
Records readRecords(const QString& path);

} // namespace mklibrary
