#include "ResultDelegate.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPainter>
#include <QTextDocument>

namespace shell {
namespace {

constexpr int kMargin = 3;

void layOut(QTextDocument& document, const QStyleOptionViewItem& option, const QModelIndex& index) {
    document.setDefaultFont(option.font);
    document.setDocumentMargin(kMargin);
    document.setHtml(index.data(ResultDelegate::kHtmlRole).toString());
    document.setTextWidth(std::max(option.rect.width(), 1));
}

} // namespace

void ResultDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.text.clear();
    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    QTextDocument document;
    layOut(document, item, index);
    QAbstractTextDocumentLayout::PaintContext context;
    const bool selected = item.state & QStyle::State_Selected;
    context.palette.setColor(
        QPalette::Text, item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->save();
    painter->translate(item.rect.topLeft());
    painter->setClipRect(item.rect.translated(-item.rect.topLeft()));
    document.documentLayout()->draw(painter, context);
    painter->restore();
}

QSize ResultDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    QTextDocument document;
    layOut(document, item, index);
    return QSize(int(document.idealWidth()), int(document.size().height()));
}

} // namespace shell
