#pragma once

#include "nav/ReadingOptions.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class QAction;
class QWidget;

namespace platform {
class NodeTree;
class PageRenderer;
class PageView;
} // namespace platform
namespace store {
class ContentStore;
}

namespace shell {

// Paper: the page shown through the desktop's print dialog, the same page
// saved as PDF, and a booklet of chosen pieces. Everything is laid out away
// from the window, so the page's screen-only parts (selection, the marks of
// a search, the dark theme) stay off the paper.
class PrintActions final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PrintActions)

  public:
    using ContentSource = std::function<store::ContentStore*()>;

    PrintActions(QWidget* window, platform::NodeTree* tree, platform::PageView* view,
                 const nav::ReadingOptions& options, ContentSource content);
    ~PrintActions() override;

    QList<QAction*> actions() const { return m_actions; }
    // Where 打印收藏… finds its pieces: tree keys in their order.
    void setBookletKeys(std::function<QStringList()> keys) { m_bookletKeys = std::move(keys); }

    // The steps behind the dialogs; each ends with finished().
    void savePageAsPdf(const QString& target);
    void saveBookletAsPdf(const QStringList& keys, const QString& target);

  signals:
    void finished(bool ok, const QString& reason);

  private:
    QAction* make(const QString& id);
    platform::PageRenderer& renderer();
    void printPage();
    void askPdf();
    void askBooklet();
    QString askTarget(const QString& caption, const QString& name);
    void report(const QString& what, bool ok, const QString& reason);

    QWidget* m_window;
    platform::NodeTree* m_tree;
    platform::PageView* m_view;
    const nav::ReadingOptions& m_options;
    ContentSource m_content;
    std::function<QStringList()> m_bookletKeys;
    platform::PageRenderer* m_renderer = nullptr; // made at the first use
    QList<QAction*> m_actions;
};

} // namespace shell
