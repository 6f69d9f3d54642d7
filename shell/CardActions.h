#pragma once

#include "nav/ReadingOptions.h"

#include <QImage>
#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QWidget;

namespace platform {
class NodeTree;
class PageRenderer;
} // namespace platform
namespace store {
class ContentStore;
}

namespace shell {

// A piece as a picture: 存为图片… saves the card of the piece chosen in the
// tree as PNG, 复制为图片 puts it on the clipboard. The card is drawn from
// its own HTML away from the window, never taken from the screen.
class CardActions final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CardActions)

  public:
    using ContentSource = std::function<store::ContentStore*()>;

    // Pixels across: for the screen, and twice that for print.
    static constexpr int kScreenWidth = 1080;
    static constexpr int kPrintWidth = 2 * kScreenWidth;

    CardActions(QWidget* window, platform::NodeTree* tree, const nav::ReadingOptions& options,
                ContentSource content);
    ~CardActions() override;

    QList<QAction*> actions() const { return m_actions; }

    // The card of the chosen piece, width pixels across; a null image when
    // the node is no piece or the card could not be drawn.
    void makeCard(int width, const std::function<void(const QImage&)>& done);
    // The steps behind the dialog and the key; each ends with finished().
    void saveCard(const QString& target, int width);
    void copyCard();

  signals:
    void finished(bool ok, const QString& reason);

  private:
    QAction* make(const QString& id);
    void askTarget();
    void fail(const QString& what, const QString& reason);

    QWidget* m_window;
    platform::NodeTree* m_tree;
    const nav::ReadingOptions& m_options;
    ContentSource m_content;
    platform::PageRenderer* m_renderer = nullptr; // made at the first use
    QList<QAction*> m_actions;
};

} // namespace shell
