#include "TreeItems.h"

#include "platform/NodeTree.h"

#include <QTreeWidgetItem>

namespace bench {

QTreeWidgetItem* topLevel(platform::NodeTree& tree, const QString& text) {
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        if (tree.topLevelItem(i)->text(0) == text)
            return tree.topLevelItem(i);
    return nullptr;
}

QTreeWidgetItem* childStarting(QTreeWidgetItem* parent, const QStringList& texts) {
    for (int i = 0; parent && i < parent->childCount(); ++i)
        for (const QString& text : texts)
            if (parent->child(i)->text(0).startsWith(text))
                return parent->child(i);
    return nullptr;
}

} // namespace bench
