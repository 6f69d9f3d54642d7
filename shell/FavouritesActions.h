#pragma once

#include "favourites/Favourite.h"
#include "nav/FavouriteNodes.h"
#include "nav/ReadingOptions.h"
#include "nav/Selection.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QWidget;

namespace favourites {
class Store;
}
namespace platform {
class NodeTree;
struct NodeInfo;
} // namespace platform
namespace store {
class ContentStore;
}

namespace shell {

// The user's favourites in the window: Ctrl+D and the menu's 收藏 / 取消收藏
// keep or drop the piece chosen, the branch 我的收藏 shows them while one is
// kept, and the menu exports and imports them as a plain list.
class FavouritesActions final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FavouritesActions)

  public:
    FavouritesActions(QWidget* window, platform::NodeTree* tree);
    ~FavouritesActions() override;

    // Opens the kept favourites (the user's own file unless another is
    // given) and shows them in the tree. A damaged file is set aside and
    // said; any failure is said and the reader goes on without favourites.
    void load(const QString& path = {});

    // The page of a node of 我的收藏: the list for the branch itself, the
    // piece's own page (made by pageOfPiece, as for its own node) for a
    // favourite. Nothing for any other node.
    std::optional<QString>
    pageOf(const platform::NodeInfo& node, const nav::PageFiles& files,
           const nav::ReadingOptions& reading,
           const std::function<QString(const platform::NodeInfo&)>& pageOfPiece);

    // Makes a node that is built only on demand (a piece of the library),
    // so that a favourite of it finds its node; false when there is none.
    void setNodeMaker(std::function<bool(const QString&)> make) { m_makeNode = std::move(make); }

    // Keeps the piece chosen in the tree, or drops it when it is kept.
    void toggle();
    // The keys of the kept pieces' own nodes, in the order added.
    QStringList keptKeys() const;

    // Both throw platform::Error when the file cannot be written or read.
    int exportTo(const QString& path) const;
    struct Imported {
        int added = 0;
        int skipped = 0; // lines that match no piece, or cannot be read
    };
    Imported importFrom(const QString& path);

    QList<QAction*> actions() const { return m_actions; }

  private:
    QAction* make(const QString& id);
    nav::favouriteNodes::Lookup lookup() const;
    std::optional<favourites::Favourite> chosenPiece() const;
    void refresh();
    void rebuildBranch();
    void showChoice();
    void exportChosen();
    void importChosen();

    QWidget* m_window;
    platform::NodeTree* m_tree;
    std::unique_ptr<favourites::Store> m_store;
    QList<nav::favouriteNodes::Placed> m_placed;
    std::function<bool(const QString&)> m_makeNode;
    QList<QAction*> m_actions;
};

} // namespace shell
