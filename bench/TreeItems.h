#pragma once

#include <QString>
#include <QStringList>

class QTreeWidgetItem;

namespace platform {
class NodeTree;
}

// Finding the nodes a benchmark opens, by the text they show.
namespace bench {

// The top-level node showing exactly `text`; null when there is none.
QTreeWidgetItem* topLevel(platform::NodeTree& tree, const QString& text);

// The first child whose text begins with one of `texts` (an empty text
// matches the first child); null when there is none or no parent.
QTreeWidgetItem* childStarting(QTreeWidgetItem* parent, const QStringList& texts);

} // namespace bench
