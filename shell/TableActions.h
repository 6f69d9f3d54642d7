#pragma once

#include <QList>
#include <QString>

class QAction;
class QObject;
class QWidget;

namespace shell {

// An action as the reader's key table has it: its text, its keys (shown in
// the menu), a tick when it is a switch. Its object name is its id.
QAction* tableAction(const QString& id, QObject* parent);

// The actions' keys act wherever the focus is in the window, the keys the
// table keeps to the tree act there alone, and the table's menu entries go
// into the tree's right-click menu, in the table's order.
void installActions(QWidget* window, QWidget* tree, const QList<QAction*>& actions);
// The same for one action made after the others (it depends on what the
// start found): its menu entry goes where the table puts it.
void installLateAction(QWidget* window, QWidget* tree, QAction* action);

} // namespace shell
