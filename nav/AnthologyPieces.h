#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace store {
class ContentStore;
}

namespace nav {

// One of the anthology's shi, ci and qu as the library compares it: the
// node that shows it, its title and poet, and its lines without the note
// markers (⑴ …, <sup>(27)</sup>) that point into the anthology's own notes.
struct AnthologyPiece {
    QString key;
    QString title;
    QString poet;
    QStringList lines;
};

// Every piece of the anthology, in the tree's order.
std::vector<AnthologyPiece> anthologyPieces(store::ContentStore& content);

// The lines of a stored text: split at its line breaks, note markers left
// out, blank lines dropped.
QStringList anthologyLines(const QString& text);

} // namespace nav
