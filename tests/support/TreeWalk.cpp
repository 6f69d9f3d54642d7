#include "TreeWalk.h"

#include "platform/Cp936.h"
#include "platform/Files.h"
#include "platform/NodeTree.h"
#include "shell/Paths.h"

#include <QTreeWidgetItem>

namespace tree_walk {

QTreeWidgetItem* openEveryAuthor(platform::NodeTree& tree) {
    QTreeWidgetItem* verse = tree.topLevelItem(0)->child(0);
    tree.expandItem(tree.topLevelItem(0));
    tree.expandItem(verse);
    for (int i = 0; i < verse->childCount(); ++i)
        verse->child(i)->setExpanded(true);
    return verse;
}

QString pageTitle(const platform::NodeInfo& node) {
    return node.tag.startsWith(u'j', Qt::CaseInsensitive) ? QStringLiteral("简介") : node.text;
}

QString writtenTitleLine() {
    const QString page = shell::paths::inWorkingFolder(shell::paths::kPage);
    return platform::cp936::decode(platform::files::read(page))
        .split(QStringLiteral("\r\n"))
        .value(3);
}

} // namespace tree_walk
