#include "HitMarker.h"

#include "TableActions.h"

#include "platform/PageView.h"

#include <QAction>

namespace shell {

HitMarker::HitMarker(platform::PageView* view, QObject* parent)
    : QObject(parent), m_view(view), m_next(tableAction(QStringLiteral("findNext"), this)),
      m_previous(tableAction(QStringLiteral("findPrevious"), this)) {
    connect(m_next, &QAction::triggered, this, [this] { move(false); });
    connect(m_previous, &QAction::triggered, this, [this] { move(true); });
    connect(view, &platform::PageView::loadFinished, this, &HitMarker::pageLoaded);
}

void HitMarker::pageLoaded(bool ok) {
    // A load cut short by the next one is not the page to mark.
    if (!ok)
        return;
    // A page chosen in the tree has no match to mark.
    m_marked = m_pending;
    m_pending.clear();
    if (!m_marked.isEmpty())
        m_view->findText(m_marked);
}

void HitMarker::move(bool backward) {
    if (!m_marked.isEmpty())
        m_view->findText(m_marked, backward);
}

} // namespace shell
