#include "LibraryBranch.h"

#include "library/LibraryFile.h"
#include "library/LibraryLocation.h"
#include "nav/LibrarySelection.h"
#include "nav/LibraryTree.h"
#include "nav/TraditionalText.h"
#include "nav/TreeBuilder.h"
#include "platform/Error.h"
#include "platform/NodeTree.h"

#include <QRandomGenerator>

#include <cstdio>
#include <utility>

namespace shell {

LibraryBranch::LibraryBranch(platform::NodeTree* tree, QObject* parent)
    : QObject(parent), m_tree(tree) {
    connect(m_tree, &platform::NodeTree::childrenNeeded, this, &LibraryBranch::makeChildren);
}

LibraryBranch::~LibraryBranch() = default;

void LibraryBranch::load() {
    const QString path = library::findLibrary();
    if (path.isEmpty())
        return;
    QString error;
    if (!library::LibraryFile::probe(path, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return;
    }
    m_unopened = path;
    const QString root = nav::libraryNode::rootKey();
    m_tree->Add({}, root, nav::LibraryTree::rootText(), nav::kClosedBook, nav::kOpenBook);
    m_tree->deferChildren(root);
}

bool LibraryBranch::ready() {
    if (m_file)
        return true;
    if (m_unopened.isEmpty())
        return false;
    QString error;
    m_file = library::LibraryFile::open(std::exchange(m_unopened, {}), &error);
    if (!m_file) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        // Possibly asked from within the tree's own handling of the root
        // (opening it): the node goes once that handling is over.
        QMetaObject::invokeMethod(
            this, [this] { m_tree->remove(nav::libraryNode::rootKey()); }, Qt::QueuedConnection);
        return false;
    }
    m_branch = std::make_unique<nav::LibraryTree>(*m_file);
    return true;
}

const library::LibraryFile* LibraryBranch::file() {
    return ready() ? m_file.get() : nullptr;
}

bool LibraryBranch::owns(const QString& key) {
    return nav::libraryNode::inLibrary(key) && ready();
}

QString LibraryBranch::show(const QString& key, const pages::Target& target,
                            const nav::ReadingOptions& options) {
    // Only a piece's page asks which anthology poem it is.
    const bool piece = nav::libraryNode::parse(key).value_or(nav::libraryNode::Node{}).kind ==
                       nav::libraryNode::Node::Kind::Piece;
    return nav::showLibraryNode(key, *m_file, *m_branch, nav::shownIn(target, options), options,
                                piece && m_anthology ? m_anthology() : nullptr);
}

void LibraryBranch::makeChildren(const QString& key) {
    if (!owns(key))
        return;
    // Called from the tree's own signal: a failure is said and the branch
    // stays empty, never thrown through the toolkit.
    try {
        QList<platform::NodeTree::NewNode> nodes;
        for (const nav::LibraryTree::Child& child : m_branch->children(key)) {
            const int closed = child.branch ? nav::kClosedBook : nav::kPage;
            const int open = child.branch ? nav::kOpenBook : nav::kPage;
            nodes.push_back({child.key, child.text, closed, open, child.branch});
        }
        m_tree->addChildren(key, nodes);
    } catch (const platform::Error& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.userText()));
    }
}

bool LibraryBranch::prepare(const QString& key) {
    if (!owns(key))
        return false;
    for (const QString& up : m_branch->pathTo(key))
        if (m_tree->contains(up))
            m_tree->makeChildren(up);
    return m_tree->contains(key);
}

std::optional<QString> LibraryBranch::randomPiece(const QString& shown) {
    if (!ready() || m_file->pieces().size() < 2)
        return std::nullopt;
    const auto count = quint32(m_file->pieces().size());
    for (int attempt = 0; attempt < 8; ++attempt) {
        const quint32 piece = QRandomGenerator::global()->bounded(count);
        const auto& record = m_file->pieces()[piece];
        if (record.author >= m_file->authors().size())
            continue;
        const auto& collection = m_file->collections()[record.collection];
        const auto& author = m_file->authors()[record.author];
        const QString key = nav::libraryNode::keyOf(
            {nav::libraryNode::Node::Kind::Piece, 0, int(record.collection),
             int(record.author - collection.firstAuthor), 0, int(piece - author.firstPiece)});
        if (key != shown && prepare(key))
            return key;
    }
    return std::nullopt;
}

} // namespace shell
