#pragma once

#include <QString>

#include <functional>

namespace platform {
class Database;
class Recordset;
} // namespace platform

// The rows of the content that become numbered tree nodes, walked in the
// order the tree shows them, each with its node key. Whatever names a node
// by its key (the tree, the search) walks them here, so that the counting
// is done in one place and the keys always agree.
namespace store::nodeWalk {

struct VerseSteps {
    // A verse category's branch, before its authors.
    std::function<void(int category)> category;
    // An author of that category, in the category's order of authors.
    std::function<void(int category, const QString& key, const QString& name)> author;
    // One of the author's pieces, in the author's order of titles: the
    // recordset stands on its row (ID, TiMu).
    std::function<void(const QString& authorKey, const QString& key, platform::Recordset& title)>
        piece;
};

void verse(platform::Database& db, const VerseSteps& steps);

// The reigns, counted from 1 as they come: the recordset stands on the row
// (ID, MingCheng, ShuoMing).
void reigns(platform::Database& db,
            const std::function<void(const QString& key, platform::Recordset& row)>& step);

} // namespace store::nodeWalk
