#pragma once

#include <QString>

class QTreeWidgetItem;

namespace platform {
class NodeTree;
struct NodeInfo;
} // namespace platform

// A walk down the tree with the keyboard, as the tests and the benchmarks
// make it: the nodes, and the page file written for each.
namespace tree_walk {

// Opens the first branch of verse and every author in it, so that Down goes
// through poems and their authors one after another; gives that branch.
QTreeWidgetItem* openEveryAuthor(platform::NodeTree& tree);

// The title a node's page is written with: the poem's own, or 简介 on an
// author's page.
QString pageTitle(const platform::NodeInfo& node);

// The title line of the page file as written last.
QString writtenTitleLine();

} // namespace tree_walk
