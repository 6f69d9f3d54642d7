#pragma once

#include <QString>

#include <optional>

// The keys of the library's branch of the tree. Authors and pieces keep the
// keys the search gives them (L<collection>.<author>[.<piece>]); the
// branches above them and the sections of anonymous classics have keys the
// search never gives.
namespace nav::libraryNode {

struct Node {
    enum class Kind { Root, Group, Collection, Author, Section, Piece };
    Kind kind = Kind::Root;
    int group = 0;      // the shelf entry, for a group
    int collection = 0; // the file's numbers, counted from 0
    int author = 0;     // within the collection
    int section = 0;    // within the anonymous author's sections
    int piece = 0;      // within the author

    bool operator==(const Node&) const = default;
};

QString rootKey();
QString keyOf(const Node& node);
// Nothing for a key outside the library's branch.
std::optional<Node> parse(const QString& key);
bool inLibrary(const QString& key);

} // namespace nav::libraryNode
