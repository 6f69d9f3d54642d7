#pragma once

#include "platform/TreeNodes.h"

#include <QString>

namespace nav {

// What choosing a node does, decided from its tag, path and key alone.
struct Action {
    enum class Kind {
        Author,  // number: the author's ID
        Title,   // category (from the key) and number: the piece's ID
        Preface, // section 0..5
        About,
        Idiom,     // number: the story's Id
        Dynasty,   // table and name; hasChildren
        Unmatched, // an author whose name has no introduction: an empty author page
    };
    Kind kind = Kind::About;
    int category = 0;
    int section = 0;
    QString number;
    QString table;
    QString name;
    QString poet; // a title's: the node above it
    bool hasChildren = false;

    bool operator==(const Action&) const = default;
};

// Throws platform::Error for a title whose key names no category.
Action classify(const platform::NodeInfo& node);

} // namespace nav
