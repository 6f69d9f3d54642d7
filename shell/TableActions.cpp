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

qsizetype placeInTable(const QString& id) {
    const QList<nav::ReaderKey>& table = nav::readerKeys();
    for (qsizetype i = 0; i < table.size(); ++i)
        if (table[i].id == id)
            return i;
    return table.size();
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

void installLateAction(QWidget* window, QWidget* tree, QAction* action) {
    window->addAction(action);
    if (!nav::readerKey(action->objectName()).menu)
        return;
    const qsizetype place = placeInTable(action->objectName());
    QAction* before = nullptr;
    for (QAction* shown : tree->actions()) {
        if (placeInTable(shown->objectName()) > place) {
            before = shown;
            break;
        }
    }
    tree->insertAction(before, action);
}

} // namespace shell
