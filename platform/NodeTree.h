#pragma once

#include "TreeNodes.h"

#include <QHash>
#include <QIcon>
#include <QSet>
#include <QTreeWidget>

namespace platform {

// The navigation tree control: keyed nodes with tags, not editable. Choosing
// a node (mouse, keyboard, or a click on the node already chosen) emits
// nodeChosen.
class NodeTree final : public QTreeWidget, public TreeNodes {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NodeTree)

  public:
    explicit NodeTree(QWidget* parent = nullptr);

    void Add(const QString& relative, const QString& key, const QString& text, int image,
             int selectedImage) override;
    void SetTag(const QString& key, const QString& tag) override;

    // Takes the node and everything under it out of the tree.
    void remove(const QString& key);

    // A node whose children are made only when it first opens: it shows
    // the opening mark until then, and opening it asks for them through
    // childrenNeeded, at once, before the branch is drawn open.
    void deferChildren(const QString& key);
    bool childrenDeferred(const QString& key) const { return m_deferred.contains(key); }
    // Makes the children of a deferred node now, as opening it would.
    void makeChildren(const QString& key);
    struct NewNode {
        QString key;
        QString text;
        int image = 0;
        int selectedImage = 0;
        bool deferred = false;
    };
    // Many children at once, announced to the view as one change.
    void addChildren(const QString& relative, const QList<NewNode>& nodes);

    void select(const QString& key);
    // Selects the node with its parents expanded and scrolls it into view.
    void reveal(const QString& key);
    bool contains(const QString& key) const { return m_items.contains(key); }
    NodeInfo info(const QString& key) const;
    QString selectedKey() const;
    int nodeCount() const { return int(m_items.size()); }
    QStringList keys() const { return m_items.keys(); }
    // The keys from the top of the tree down, as it is drawn unfolded.
    QStringList keysInOrder() const;
    bool isExpanded(const QString& key) const;
    void setExpanded(const QString& key, bool expanded);

  signals:
    void nodeChosen(const platform::NodeInfo& node);
    void childrenNeeded(const QString& key);

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QTreeWidgetItem* item(const QString& key) const;
    NodeInfo infoOf(const QTreeWidgetItem* item) const;
    QIcon icon(int image, int selectedImage);

    QHash<QString, QTreeWidgetItem*> m_items;
    QHash<int, QIcon> m_icons;
    // Tags live beside the items: nothing on screen shows them.
    QHash<QString, QString> m_tags;
    QSet<QString> m_deferred;
};

} // namespace platform
