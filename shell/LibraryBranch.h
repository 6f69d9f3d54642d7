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

    // Opens the installed library and adds its root node; a library that
    // cannot be opened is said once on the standard error stream.
    void load();
    const library::LibraryFile* file() const { return m_file.get(); }
    // Whether a library was found at start, whether or not it is open yet.
    bool installed() const { return m_file != nullptr; }
    // Where the pages of pieces learn which of them are the anthology's poems.
    using AnthologySource = std::function<const nav::AnthologyLinks*()>;
    void setAnthology(AnthologySource source) { m_anthology = std::move(source); }

    bool owns(const QString& key) const;
    // Writes the node's page and returns the file to show.
    QString show(const QString& key, const pages::Target& target,
                 const nav::ReadingOptions& options);
    // Makes the branches above a node, so that it can be selected; false when
    // the key names nothing in the library.
    bool prepare(const QString& key);
    // A piece of the library other than the one shown, its node made.
    std::optional<QString> randomPiece(const QString& shown);

  private:
    void makeChildren(const QString& key);

    platform::NodeTree* m_tree;
    std::unique_ptr<library::LibraryFile> m_file;
    std::unique_ptr<nav::LibraryTree> m_branch;
    AnthologySource m_anthology;
};

} // namespace shell
