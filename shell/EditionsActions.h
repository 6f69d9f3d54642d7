#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QWidget;

namespace nav {
class AnthologyLinks;
}
namespace pages {
struct Target;
}
namespace platform {
class NodeTree;
struct NodeInfo;
} // namespace platform
namespace store {
class ContentStore;
}

namespace shell {

class LibraryBranch;

// 其他版本 on the anthology's side: for an anthology poem that the library
// holds too, a page that compares its text with the library's editions.
// The anthology's own pages stay as they are; the comparison is a page of
// its own. Without a library the action is never made, so that the window
// and its menu stay as they are. Which library pieces are the anthology's
// poems is worked out once, when first asked, never at start-up.
class EditionsActions final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EditionsActions)

  public:
    using ContentSource = std::function<store::ContentStore*()>;

    EditionsActions(platform::NodeTree* tree, LibraryBranch* library, ContentSource content,
                    QObject* parent);
    ~EditionsActions() override;

    // Makes the action, adds it to the window's keys and the tree's menu,
    // and follows the choices in the tree; nothing without a library.
    void install(QWidget* window);
    // Null until installed.
    QAction* action() const { return m_action; }

    // Which library pieces are the anthology's poems: worked out at the
    // first call; null without a usable library.
    const nav::AnthologyLinks* links();
    // Whether they have been worked out yet.
    bool linked() const { return m_links != nullptr; }
    // Writes the comparison page of the anthology's poem of that key and
    // returns its path; nothing when the library holds no edition of it.
    std::optional<QString> showPage(const QString& key, const pages::Target& target);

    // The node chosen in the tree: the action is enabled for an anthology
    // poem the library holds. Called on every choice in the tree, and by
    // the window when it chooses a node quietly.
    void follow(const QString& key);

  signals:
    // The action was triggered for the anthology's poem of that key.
    void pageRequested(const QString& key);

  private:
    platform::NodeTree* m_tree;
    LibraryBranch* m_library;
    ContentSource m_content;
    QAction* m_action = nullptr;
    std::unique_ptr<nav::AnthologyLinks> m_links;
    bool m_failed = false; // the links could not be worked out: not tried again
};

} // namespace shell
