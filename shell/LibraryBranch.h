#pragma once

#include "nav/ReadingOptions.h"
#include "pages/Fragments.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace library {
class LibraryFile;
}
namespace nav {
class AnthologyLinks;
class LibraryTree;
} // namespace nav
namespace platform {
class NodeTree;
}

namespace shell {

// The library's branch of the window: the 书库 node after the anthology's
// nodes, its children made as branches open, its pages. Without a usable
// library it adds nothing and owns no key.
class LibraryBranch final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LibraryBranch)

  public:
    LibraryBranch(platform::NodeTree* tree, QObject* parent);
    ~LibraryBranch() override;

    // Finds the installed library and adds its root node. Only the header
    // is read now; the file is opened and its tables checked when the
    // library is first used, so that start-up does not wait for it. A
    // library that cannot be used is said once on the standard error
    // stream, and its root node goes.
    void load();
    // The library, opened now if it was not yet; null without a usable one.
    const library::LibraryFile* file();
    // Whether a library was found at start, whether or not it is open yet.
    bool installed() const { return m_file != nullptr || !m_unopened.isEmpty(); }
    // Where the pages of pieces learn which of them are the anthology's poems.
    using AnthologySource = std::function<const nav::AnthologyLinks*()>;
    void setAnthology(AnthologySource source) { m_anthology = std::move(source); }

    bool owns(const QString& key);
    // Writes the node's page and returns the file to show.
    QString show(const QString& key, const pages::Target& target,
                 const nav::ReadingOptions& options);
    // Makes the branches above a node, so that it can be selected; false when
    // the key names nothing in the library.
    bool prepare(const QString& key);
    // A piece of the library other than the one shown, its node made.
    std::optional<QString> randomPiece(const QString& shown);

  private:
    bool ready();
    void makeChildren(const QString& key);

    platform::NodeTree* m_tree;
    QString m_unopened; // the library found at start, until it is opened
    std::unique_ptr<library::LibraryFile> m_file;
    std::unique_ptr<nav::LibraryTree> m_branch;
    AnthologySource m_anthology;
};

} // namespace shell
