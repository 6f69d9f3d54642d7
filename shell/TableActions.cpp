#include "TableActions.h"

#include "nav/ReaderKeys.h"

#include <QAction>
#include <QShortcut>
#include <QWidget>

namespace shell {
namespace {

QList<QKeySequence> sequences(const QStringList& keys) {
    QList<QKeySequence> out;
    for (const QString& key : keys)
        out << QKeySequence::fromString(key, QKeySequence::PortableText);
    return out;
}

QAction* named(const QList<QAction*>& actions, const QString& id) {
    for (QAction* action : actions)
        if (action->objectName() == id)
            return action;
    return nullptr;
}

} // namespace

QAction* tableAction(const QString& id, QObject* parent) {
    const nav::ReaderKey& entry = nav::readerKey(id);
    Q_ASSERT(entry.id == id);
    auto* action = new QAction(entry.what, parent);
    action->setObjectName(id);
    action->setShortcuts(sequences(entry.keys));
    action->setShortcutVisibleInContextMenu(true);
    action->setCheckable(entry.checkable);
    return action;
}

void installActions(QWidget* window, QWidget* tree, const QList<QAction*>& actions) {
    for (const nav::ReaderKey& entry : nav::readerKeys()) {
        QAction* action = named(actions, entry.id);
        if (!action)
            continue;
        window->addAction(action);
        if (entry.menu)
            tree->addAction(action);
        for (const QKeySequence& key : sequences(entry.treeKeys)) {
            auto* shortcut = new QShortcut(key, tree);
            shortcut->setContext(Qt::WidgetShortcut);
            shortcut->setObjectName(entry.id);
            QObject::connect(shortcut, &QShortcut::activated, action, &QAction::trigger);
        }
    }
}

} // namespace shell
