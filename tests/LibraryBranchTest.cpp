// The 书库 node in the real tree control: there with a library, absent
// without one (or with one that cannot be read), its children made only as
// branches open.
#include "shell/LibraryBranch.h"
#include "library/Format.h"
#include "nav/LibraryNode.h"
#include "platform/NodeTree.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidgetItem>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Points the library's lookup at one file for the life of a test.
class LibraryAt {
  public:
    explicit LibraryAt(const QString& path) { qputenv("QUILLORA_LIBRARY", path.toLocal8Bit()); }
    ~LibraryAt() { qunsetenv("QUILLORA_LIBRARY"); }
};

struct Window {
    platform::NodeTree tree;
    shell::LibraryBranch branch{&tree, nullptr};
    Window() {
        tree.Add({}, u"Rdm"_s, u"关于"_s, 1, 2);
        branch.load();
    }
    QTreeWidgetItem* item(const QString& key) {
        for (QTreeWidgetItemIterator it(&tree); *it; ++it)
            if ((*it)->data(0, Qt::UserRole).toString() == key)
                return *it;
        return nullptr;
    }
};

TEST(LibraryBranch, TheRootFollowsAboutWithALibraryAndIsAbsentWithout) {
    {
        const LibraryAt fixture(QStringLiteral(QUILLORA_FIXTURE_LIBRARY));
        Window window;
        ASSERT_EQ(window.tree.topLevelItemCount(), 2);
        EXPECT_EQ(window.tree.topLevelItem(1)->text(0), u"书库"_s);
        EXPECT_TRUE(window.branch.owns(u"L9.0.1"_s));
        EXPECT_FALSE(window.branch.owns(u"Rdm"_s));
    }
    QTemporaryDir dir;
    const QString damaged = dir.filePath(u"library.qll"_s);
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    for (const QString& path : {dir.filePath(u"none.qll"_s), damaged}) {
        const LibraryAt elsewhere(path);
        Window window;
        EXPECT_EQ(window.tree.topLevelItemCount(), 1) << path.toStdString();
        EXPECT_EQ(window.tree.nodeCount(), 1);
        EXPECT_FALSE(window.branch.owns(u"L9.0.1"_s));
        EXPECT_FALSE(window.branch.prepare(u"L9.0.1"_s));
        EXPECT_EQ(window.branch.file(), nullptr);
    }
}

// Start-up reads only the header; a library whose tables turn out damaged
// when it is first used is said then, and its node goes.
TEST(LibraryBranch, ALibraryDamagedBeyondItsHeaderLeavesWhenFirstUsed) {
    QFile fixture(QStringLiteral(QUILLORA_FIXTURE_LIBRARY));
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    QByteArray bytes = fixture.readAll();
    const auto* table = reinterpret_cast<const library::format::SectionEntry*>(
        bytes.constData() + sizeof(library::format::Header));
    const auto& collections = table[size_t(library::format::SectionId::Collections) - 1];
    bytes[qsizetype(collections.offset)] ^= 0x01;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"library.qll"_s);
    QFile damaged(path);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(bytes);
    damaged.close();
    const LibraryAt elsewhere(path);
    Window window;
    ASSERT_NE(window.item(nav::libraryNode::rootKey()), nullptr)
        << "the header is sound: the node is there at first";
    window.item(nav::libraryNode::rootKey())->setExpanded(true);
    EXPECT_EQ(window.branch.file(), nullptr);
    EXPECT_FALSE(window.branch.owns(nav::libraryNode::rootKey()));
    QCoreApplication::processEvents();
    EXPECT_EQ(window.item(nav::libraryNode::rootKey()), nullptr);
    EXPECT_EQ(window.tree.nodeCount(), 1);
    EXPECT_FALSE(window.branch.prepare(u"L9.0.1"_s));
}

TEST(LibraryBranch, ChildrenAreMadeWhenTheirBranchOpensAndNotBefore) {
    const LibraryAt fixture(QStringLiteral(QUILLORA_FIXTURE_LIBRARY));
    Window window;
    QTreeWidgetItem* root = window.item(nav::libraryNode::rootKey());
    ASSERT_TRUE(root);
    EXPECT_EQ(root->childCount(), 0);
    EXPECT_EQ(root->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    EXPECT_EQ(window.tree.nodeCount(), 2);
    root->setExpanded(true);
    EXPECT_EQ(root->childCount(), 14);
    QTreeWidgetItem* tang = window.item(u"L9"_s);
    ASSERT_TRUE(tang);
    EXPECT_EQ(tang->text(0), u"全唐诗"_s);
    EXPECT_EQ(tang->childCount(), 0);
    EXPECT_EQ(window.tree.nodeCount(), 2 + 14);
    tang->setExpanded(true);
    ASSERT_GT(tang->childCount(), 0);
    EXPECT_EQ(tang->child(0)->childCount(), 0);
    // Opened again, a branch keeps the children it has.
    const int count = window.tree.nodeCount();
    tang->setExpanded(false);
    tang->setExpanded(true);
    EXPECT_EQ(window.tree.nodeCount(), count);
}

TEST(LibraryBranch, PreparingAPieceMakesOnlyTheBranchesOnItsWay) {
    const LibraryAt fixture(QStringLiteral(QUILLORA_FIXTURE_LIBRARY));
    Window window;
    ASSERT_TRUE(window.branch.prepare(u"L9.0.41"_s));
    EXPECT_TRUE(window.tree.contains(u"L9.0.41"_s));
    // The other collections and authors stay unopened.
    EXPECT_FALSE(window.tree.contains(u"L10.0"_s));
    EXPECT_FALSE(window.tree.contains(u"L9.1.0"_s));
    EXPECT_FALSE(window.branch.prepare(u"L9.0.99999"_s));
    const std::optional<QString> random = window.branch.randomPiece(u"L9.0.41"_s);
    ASSERT_TRUE(random);
    EXPECT_NE(*random, u"L9.0.41"_s);
    EXPECT_TRUE(window.tree.contains(*random));
}

} // namespace
