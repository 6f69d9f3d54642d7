#pragma once

#include <QStyledItemDelegate>

namespace shell {

// Draws a result row from rich text (the kind, the title, the snippet with
// its match in bold): the list itself only knows plain items.
class ResultDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static constexpr int kHtmlRole = Qt::UserRole + 1;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace shell
