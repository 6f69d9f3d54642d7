#include "EditionsActions.h"

#include "LibraryBranch.h"
#include "TableActions.h"

#include "nav/AnthologyLinks.h"
#include "nav/FavouriteNodes.h"
#include "nav/LibrarySelection.h"
#include "platform/Error.h"
#include "platform/NodeTree.h"
#include "store/NodeKeys.h"

#include <QAction>

#include <cstdio>

namespace shell {

namespace {

// A node under 我的收藏 stands for the poem it leads to.
QString poemOf(const QString& key) {
    return nav::favouriteNodes::pieceKeyOf(key).value_or(key);
}

} // namespace

EditionsActions::EditionsActions(platform::NodeTree* tree, LibraryBranch* library,
                                 ContentSource content, QObject* parent)
    : QObject(parent), m_tree(tree), m_library(library), m_content(std::move(content)) {}

EditionsActions::~EditionsActions() = default;

void EditionsActions::install(QWidget* window) {
    if (m_action || !m_library->installed())
        return;
    m_action = tableAction(QStringLiteral("editions"), this);
    m_action->setEnabled(false);
    installLateAction(window, m_tree, m_action);
    connect(m_action, &QAction::triggered, this, [this] {
        const QString key = m_tree->selectedKey();
        if (!key.isEmpty())
            emit pageRequested(poemOf(key));
    });
    connect(m_tree, &platform::NodeTree::nodeChosen, this,
            [this](const platform::NodeInfo& node) { follow(node.key); });
}

// Connected after the window's own handling of a choice: the page is on its
// way before the links are worked out for the first time.
void EditionsActions::follow(const QString& key) {
    if (!m_action)
        return;
    const QString poem = poemOf(key);
    const bool anthology = store::nodeKeys::categoryOfTitle(poem).has_value();
    const nav::AnthologyLinks* found = anthology ? links() : nullptr;
    m_action->setEnabled(found && !found->libraryOf(poem).empty());
}

const nav::AnthologyLinks* EditionsActions::links() {
    if (m_links || m_failed)
        return m_links.get();
    const library::LibraryFile* file = m_library->file();
    store::ContentStore* content = m_content();
    if (!file || !content)
        return nullptr;
    try {
        m_links = std::make_unique<nav::AnthologyLinks>(*file, nav::anthologyPieces(*content));
    } catch (const platform::Error& error) {
        // The reader goes on without the comparison; it is said once.
        m_failed = true;
        std::fprintf(stderr, "%s\n", qPrintable(error.userText()));
    }
    return m_links.get();
}

std::optional<QString> EditionsActions::showPage(const QString& key, const pages::Target& target) {
    const nav::AnthologyLinks* found = links();
    const library::LibraryFile* file = m_library->file();
    if (!found || !file)
        return std::nullopt;
    return nav::showAnthologyEditions(key, *file, *found, target);
}

} // namespace shell
