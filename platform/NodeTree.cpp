#include "NodeTree.h"

#include "Error.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStringList>
#include <QTreeWidgetItemIterator>

namespace platform {
namespace {

constexpr int kKeyRole = Qt::UserRole;

QFont treeFont() {
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                      QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSizeF(10.5);
    return font;
}

} // namespace

NodeTree::NodeTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(18, 18));
    setFont(treeFont());
    setUniformRowHeights(true);
    // Long titles stay whole; a horizontal scroll bar appears instead.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
                if (current)
                    emit nodeChosen(infoOf(current));
            });
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* opened) {
        makeChildren(opened->data(0, kKeyRole).toString());
    });
}

void NodeTree::deferChildren(const QString& key) {
    item(key)->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    m_deferred.insert(key);
}

void NodeTree::makeChildren(const QString& key) {
    // Taken off the list first: the children are asked for once, even when
    // making them fails or opens the node again.
    if (!m_deferred.remove(key))
        return;
    item(key)->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    emit childrenNeeded(key);
}

void NodeTree::addChildren(const QString& relative, const QList<NewNode>& nodes) {
    QTreeWidgetItem* parent = item(relative);
    QList<QTreeWidgetItem*> made;
    made.reserve(nodes.size());
    for (const NewNode& node : nodes) {
        if (m_items.contains(node.key)) {
            qDeleteAll(made);
            throw Error(ErrorCode::DuplicateKey, {}, node.key);
        }
        auto* child = new QTreeWidgetItem;
        child->setText(0, node.text);
        child->setData(0, kKeyRole, node.key);
        child->setIcon(0, icon(node.image, node.selectedImage));
        if (node.deferred)
            child->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        made << child;
    }
    for (qsizetype i = 0; i < nodes.size(); ++i) {
        m_items.insert(nodes[i].key, made[i]);
        if (nodes[i].deferred)
            m_deferred.insert(nodes[i].key);
    }
    parent->addChildren(made);
}

QIcon NodeTree::icon(int image, int selectedImage) {
    // Thousands of nodes share a handful of icons: make each pair once.
    const int pair = image * 16 + selectedImage;
    auto found = m_icons.find(pair);
    if (found == m_icons.end()) {
        // Each at twice the size too, pixel for pixel, so that a scaled
        // screen shows them sharp instead of smoothed.
        QIcon icon;
        for (const auto& [suffix, size] : {std::pair{"", 18}, std::pair{"@2x", 36}}) {
            const QString name = QStringLiteral(":/quillora/icon%1") + QLatin1String(suffix);
            icon.addFile(name.arg(image), QSize(size, size), QIcon::Normal);
            icon.addFile(name.arg(selectedImage), QSize(size, size), QIcon::Selected);
        }
        found = m_icons.insert(pair, icon);
    }
    return *found;
}

void NodeTree::Add(const QString& relative, const QString& key, const QString& text, int image,
                   int selectedImage) {
    if (m_items.contains(key))
        throw Error(ErrorCode::DuplicateKey, {}, key);
    QTreeWidgetItem* parent = nullptr;
    if (!relative.isEmpty()) {
        parent = m_items.value(relative);
        if (!parent)
            throw Error(ErrorCode::NoSuchNode, {}, relative);
    }
    // Filled before it joins the tree, so the model announces it once.
    auto* node = new QTreeWidgetItem;
    node->setText(0, text);
    node->setData(0, kKeyRole, key);
    node->setIcon(0, icon(image, selectedImage));
    if (parent)
        parent->addChild(node);
    else
        addTopLevelItem(node);
    m_items.insert(key, node);
}

void NodeTree::SetTag(const QString& key, const QString& tag) {
    item(key); // the node must exist
    m_tags.insert(key, tag);
}

void NodeTree::remove(const QString& key) {
    QTreeWidgetItem* node = item(key);
    QList<QTreeWidgetItem*> gone{node};
    for (qsizetype i = 0; i < gone.size(); ++i)
        for (int child = 0; child < gone[i]->childCount(); ++child)
            gone << gone[i]->child(child);
    for (const QTreeWidgetItem* each : gone) {
        const QString itsKey = each->data(0, kKeyRole).toString();
        m_items.remove(itsKey);
        m_tags.remove(itsKey);
    }
    delete node;
}

QStringList NodeTree::keysInOrder() const {
    QStringList keys;
    for (QTreeWidgetItemIterator it(const_cast<NodeTree*>(this)); *it; ++it)
        keys << (*it)->data(0, kKeyRole).toString();
    return keys;
}

bool NodeTree::isExpanded(const QString& key) const {
    return item(key)->isExpanded();
}

void NodeTree::setExpanded(const QString& key, bool expanded) {
    item(key)->setExpanded(expanded);
}

QTreeWidgetItem* NodeTree::item(const QString& key) const {
    QTreeWidgetItem* found = m_items.value(key);
    if (!found)
        throw Error(ErrorCode::NoSuchNode, {}, key);
    return found;
}

void NodeTree::select(const QString& key) {
    QTreeWidgetItem* node = item(key);
    if (currentItem() == node)
        emit nodeChosen(infoOf(node));
    else
        setCurrentItem(node);
}

void NodeTree::reveal(const QString& key) {
    QTreeWidgetItem* node = item(key);
    for (QTreeWidgetItem* up = node->parent(); up; up = up->parent())
        up->setExpanded(true);
    select(key);
    scrollToItem(node);
}

NodeInfo NodeTree::info(const QString& key) const {
    return infoOf(item(key));
}

QString NodeTree::selectedKey() const {
    return currentItem() ? currentItem()->data(0, kKeyRole).toString() : QString();
}

NodeInfo NodeTree::infoOf(const QTreeWidgetItem* node) const {
    QStringList path;
    for (const QTreeWidgetItem* up = node; up; up = up->parent())
        path.prepend(up->text(0));
    const QString key = node->data(0, kKeyRole).toString();
    return {key, m_tags.value(key), node->text(0), path.join(u'\\'), node->childCount()};
}

void NodeTree::mousePressEvent(QMouseEvent* event) {
    QTreeWidgetItem* before = currentItem();
    QTreeWidget::mousePressEvent(event);
    // A click on the node already chosen shows its page again, built anew.
    QTreeWidgetItem* under = itemAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && under && under == before && under == currentItem())
        emit nodeChosen(infoOf(under));
}

} // namespace platform
