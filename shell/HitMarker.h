#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QAction;

namespace platform {
class PageView;
}

namespace shell {

// Marks a search's match on the page it opened, once that page has loaded,
// and moves between the marks (F3, Shift+F3).
class HitMarker final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HitMarker)

  public:
    explicit HitMarker(platform::PageView* view, QObject* parent = nullptr);

    // The text to mark on the next page that loads.
    void markOnNextPage(const QString& text) { m_pending = text; }
    QList<QAction*> actions() const { return {m_next, m_previous}; }

  private:
    void pageLoaded(bool ok);
    void move(bool backward);

    platform::PageView* m_view;
    QAction* m_next;
    QAction* m_previous;
    QString m_pending;
    QString m_marked;
};

} // namespace shell
