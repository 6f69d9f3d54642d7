#include "FavouritesActions.h"

#include "ErrorReport.h"
#include "TableActions.h"

#include "favourites/Store.h"
#include "favourites/TextList.h"
#include "nav/TraditionalText.h"
#include "nav/TreeBuilder.h"
#include "pages/Builders.h"
#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/NodeTree.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QHash>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QTimer>

namespace shell {
namespace {

namespace fn = nav::favouriteNodes;
using favourites::Favourite;
using favourites::Piece;

const QString kToggle = QStringLiteral("favourite");

QString identity(const Piece& piece) {
    return piece.kind + u'\t' + piece.title + u'\t' + piece.poet;
}

} // namespace

FavouritesActions::FavouritesActions(QWidget* window, platform::NodeTree* tree)
    : QObject(window), m_window(window), m_tree(tree) {
    connect(make(kToggle), &QAction::triggered, this, &FavouritesActions::toggle);
    connect(make(QStringLiteral("exportFavourites")), &QAction::triggered, this,
            &FavouritesActions::exportChosen);
    connect(make(QStringLiteral("importFavourites")), &QAction::triggered, this,
            &FavouritesActions::importChosen);
    connect(tree, &platform::NodeTree::nodeChosen, this, &FavouritesActions::showChoice);
    showChoice();
}

FavouritesActions::~FavouritesActions() = default;

QAction* FavouritesActions::make(const QString& id) {
    QAction* action = tableAction(id, this);
    m_actions << action;
    return action;
}

void FavouritesActions::load(const QString& path) {
    try {
        m_store =
            std::make_unique<favourites::Store>(path.isEmpty() ? favourites::defaultPath() : path);
        if (const auto& aside = m_store->setAside()) {
            const platform::Error said(
                platform::ErrorCode::FavouritesSetAside, aside->path,
                QStringLiteral("能读出的 %1 篇收藏已保留").arg(aside->salvaged));
            // Said once the window stands, so the user sees what it concerns.
            QTimer::singleShot(0, this, [this, said] { reportError(m_window, said); });
        }
        refresh();
    } catch (const platform::Error& error) {
        m_store.reset();
        reportError(m_window, error);
    }
    showChoice();
}

fn::Lookup FavouritesActions::lookup() const {
    // Built at the first question only: most starts find every key in place.
    auto index = std::make_shared<std::optional<QHash<QString, QStringList>>>();
    auto pieceAt = [tree = m_tree, make = m_makeNode](const QString& key) -> std::optional<Piece> {
        if (!tree->contains(key) && !(make && make(key) && tree->contains(key)))
            return std::nullopt;
        return fn::pieceOf(tree->info(key));
    };
    return {pieceAt, [tree = m_tree, index, pieceAt](const Piece& piece) {
                if (!*index) {
                    index->emplace();
                    for (const QString& key : tree->keysInOrder())
                        if (const std::optional<Piece> found = pieceAt(key))
                            (**index)[identity(*found)] << key;
                }
                return (*index)->value(identity(piece));
            }};
}

// Reads the store again, so that another copy's changes show too, and
// shows the branch as it now stands.
void FavouritesActions::refresh() {
    if (!m_store)
        return;
    m_placed = fn::place(m_store->list(), lookup());
    // A piece found under a new key is kept under it from now on; where the
    // file cannot be written, it is simply found again next time.
    try {
        for (fn::Placed& each : m_placed) {
            if (!each.key.isEmpty() && each.key != each.favourite.key) {
                m_store->moveKey(each.favourite, each.key);
                each.favourite.key = each.key;
            }
        }
    } catch (const platform::Error&) {
    }
    rebuildBranch();
}

void FavouritesActions::rebuildBranch() {
    const QString selected = m_tree->selectedKey();
    const bool inBranch = selected == fn::kRootKey || fn::pieceKeyOf(selected).has_value();
    bool expanded = false;
    {
        // Taking the branch down moves the selection: no page follows it.
        const QSignalBlocker quiet(m_tree);
        if (m_tree->contains(fn::kRootKey)) {
            expanded = m_tree->isExpanded(fn::kRootKey);
            m_tree->remove(fn::kRootKey);
        }
        bool any = false;
        for (const fn::Placed& each : m_placed) {
            if (each.key.isEmpty() || m_tree->contains(fn::nodeKey(each.key)))
                continue;
            if (!any)
                m_tree->Add({}, fn::kRootKey, fn::kRootText, nav::kClosedBook, nav::kOpenBook);
            any = true;
            m_tree->Add(fn::kRootKey, fn::nodeKey(each.key), fn::label(each.favourite.piece),
                        nav::kPage, nav::kPage);
        }
        if (any)
            m_tree->setExpanded(fn::kRootKey, expanded);
        if (inBranch && m_tree->contains(selected))
            m_tree->select(selected);
    }
    if (!inBranch || m_tree->contains(selected))
        return;
    // The favourite shown was dropped: its piece stays on show, at its own node.
    const std::optional<QString> piece = fn::pieceKeyOf(selected);
    m_tree->reveal(piece && m_tree->contains(*piece) ? *piece : QStringLiteral("Rdm"));
}

std::optional<QString> FavouritesActions::pageOf(
    const platform::NodeInfo& node, const nav::PageFiles& files,
    const nav::ReadingOptions& reading,
    const std::function<QString(const platform::NodeInfo&)>& pageOfPiece) {
    const std::optional<QString> piece = fn::pieceKeyOf(node.key);
    if (piece && m_tree->contains(*piece))
        return pageOfPiece(m_tree->info(*piece));
    if (node.key != fn::kRootKey && !piece)
        return std::nullopt;
    QList<pages::FavouriteRow> rows;
    for (const fn::Placed& each : m_placed) {
        const Piece& p = each.favourite.piece;
        rows << pages::FavouriteRow{p.title, p.poet, p.kind, !each.key.isEmpty()};
    }
    pages::Favourites(nav::shownIn(files.target, reading), rows);
    return files.target.page;
}

std::optional<Favourite> FavouritesActions::chosenPiece() const {
    QString key = m_tree->selectedKey();
    if (const std::optional<QString> piece = fn::pieceKeyOf(key))
        key = *piece;
    if (key.isEmpty() || !m_tree->contains(key))
        return std::nullopt;
    if (const std::optional<Piece> piece = fn::pieceOf(m_tree->info(key)))
        return Favourite{*piece, key};
    return std::nullopt;
}

void FavouritesActions::toggle() {
    const std::optional<Favourite> chosen = chosenPiece();
    if (!chosen || !m_store)
        return;
    try {
        bool dropped = false;
        for (const fn::Placed& each : m_placed)
            if (each.key == chosen->key)
                dropped = m_store->remove(each.favourite) || dropped;
        if (!dropped)
            m_store->add(*chosen);
        refresh();
    } catch (const platform::Error& error) {
        reportError(m_window, error);
    }
    showChoice();
}

void FavouritesActions::showChoice() {
    QAction* action = m_actions.front();
    const std::optional<Favourite> chosen = chosenPiece();
    const bool kept =
        chosen && std::any_of(m_placed.cbegin(), m_placed.cend(),
                              [&](const fn::Placed& p) { return p.key == chosen->key; });
    action->setEnabled(chosen.has_value() && m_store);
    action->setText(kept ? QStringLiteral("取消收藏") : QStringLiteral("收藏"));
}

QStringList FavouritesActions::keptKeys() const {
    QStringList keys;
    for (const fn::Placed& each : m_placed)
        if (!each.key.isEmpty())
            keys << each.key;
    return keys;
}

int FavouritesActions::exportTo(const QString& path) const {
    QList<Piece> pieces;
    for (const fn::Placed& each : m_placed)
        pieces << each.favourite.piece;
    platform::files::writeAtomically(path, favourites::textList::write(pieces));
    return int(pieces.size());
}

FavouritesActions::Imported FavouritesActions::importFrom(const QString& path) {
    // Without a file to keep them in, nothing read would be kept.
    if (!m_store)
        throw platform::Error(platform::ErrorCode::FavouritesNotSaved, path);
    const favourites::textList::Read read = favourites::textList::read(platform::files::read(path));
    const fn::Matched matched = fn::match(read.pieces, keptKeys(), lookup());
    const int added = m_store->addAll(matched.found);
    refresh();
    showChoice();
    return {added, read.unreadable + matched.unmatched};
}

void FavouritesActions::exportChosen() {
    const QString path = QFileDialog::getSaveFileName(
        m_window, QStringLiteral("导出收藏"), QDir::homePath() + QStringLiteral("/我的收藏.txt"),
        QStringLiteral("文本文件 (*.txt)"));
    if (path.isEmpty())
        return;
    try {
        const int count = exportTo(path);
        QMessageBox::information(m_window, QStringLiteral("Vellumbra"),
                                 QStringLiteral("已导出 %1 篇收藏。").arg(count));
    } catch (const platform::Error& error) {
        reportError(m_window, error);
    }
}

void FavouritesActions::importChosen() {
    const QString path =
        QFileDialog::getOpenFileName(m_window, QStringLiteral("导入收藏"), QDir::homePath(),
                                     QStringLiteral("文本文件 (*.txt);;所有文件 (*)"));
    if (path.isEmpty())
        return;
    try {
        const Imported imported = importFrom(path);
        QMessageBox::information(m_window, QStringLiteral("Vellumbra"),
                                 QStringLiteral("已导入 %1 篇收藏，跳过 %2 行无法对应的内容。")
                                     .arg(imported.added)
                                     .arg(imported.skipped));
    } catch (const platform::Error& error) {
        reportError(m_window, error);
    }
}

} // namespace shell
