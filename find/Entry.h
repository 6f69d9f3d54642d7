#pragma once

#include <QString>

namespace find {

// What a result is: the kind of node it opens.
enum class Kind { Shi, Ci, Qu, Poet, Idiom, Dynasty, Era };

// The label a result row shows for its kind: 诗 词 曲 诗人 成语 朝代 纪元.
QString kindLabel(Kind kind);

// One thing a search can find: a node of the tree and how a result names it.
struct Entry {
    Kind kind = Kind::Shi;
    QString key;   // the tree node that opens it
    QString title; // the title, poet's name, idiom or dynasty
    QString poet;  // the poet of a piece, the ruler of an era row; else empty
};

} // namespace find
