#pragma once

#include "Fragments.h"
#include "MetreView.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The pages of the library, in the anthology's style: the same head, bullet,
// headings, fonts and spacing as a poem page. Text from the library is
// written through sourceHtml; the labels are ours.
namespace pages {

// One line of two editions side by side, each split into runs that are
// alike or differ.
struct EditionRun {
    QString text;
    bool differs = false;
};
struct EditionLine {
    std::vector<EditionRun> mine;
    std::vector<EditionRun> theirs;
};
struct OtherEdition {
    QString where; // the collection (or the anthology) that holds it
    std::vector<EditionLine> lines;
    bool anthology = false; // `where` is the anthology itself, named as kAnthologyName
};

// How the library's pages name the reader's own anthology.
inline const QString kAnthologyName = QStringLiteral("本书");

// The pinyin over a piece: a syllable for each Han character of the title,
// and of each line, per line ("" for a character without a known reading).
struct LibraryReadings {
    QStringList title;
    std::vector<QStringList> lines;
};

struct LibraryPiece {
    QString title;
    QString author;
    QString dynasty;
    QStringList lines;
    QString notes;                      // the source's notes, where the collection has them
    QString collection;                 // the collection it is read from
    QString section;                    // its chapter or book there, if any
    bool inAnthology = false;           // the anthology holds it too
    QStringList alsoIn;                 // the other collections that hold the same piece
    std::vector<OtherEdition> editions; // those whose text differs
    QString readingsNote;               // one small line about the pinyin, when shown
    // With the metre view: a mark under each Han character of the lines, in
    // order, and the verdict under them. Borrowed for the page's building.
    const MetreView* metre = nullptr;
    std::optional<LibraryReadings> pinyin; // shown over the title and the lines when given
};

struct CountRow {
    QString what;
    int count = 0;
};

struct LibraryAuthor {
    QString name;
    QString dynasty;
    QString biography;
    QString biographySource; // where the biography comes from
    QList<CountRow> pieces;  // the number of pieces in each collection
};

struct LibraryShelf {
    QString title;
    QString introduction; // ours
    QString summary;      // a line of counts above the rows, if any
    QList<CountRow> counts;
};

// The source lines of a piece page are the ones a Traditional display must
// leave alone when the source is itself Traditional; `sourceLines` receives
// their numbers when given.
PageFile libraryPiecePage(const QString& bullet, const LibraryPiece& piece,
                          QList<int>* sourceLines = nullptr);
PageFile libraryAuthorPage(const QString& bullet, const LibraryAuthor& author,
                           QList<int>* sourceLines = nullptr);
// One of the anthology's poems against the library's editions of it.
struct AnthologyEditions {
    QString title;
    QString poet;
    std::vector<OtherEdition> differing; // the library's editions whose text differs
    QStringList alike; // the collections whose text differs only in script and forms
};

// A collection, a group of books, or the whole library.
PageFile libraryShelfPage(const QString& bullet, const LibraryShelf& shelf);
// The comparison of an anthology's poem with the library's editions; the
// library's text is written through sourceHtml.
PageFile anthologyEditionsPage(const QString& bullet, const AnthologyEditions& editions);

// Writes the page to the target through its display, except the given
// lines, which are written as built.
void saveKeeping(const Target& target, const PageFile& page, const QList<int>& keptLines);

} // namespace pages
