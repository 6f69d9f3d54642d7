#include "nav/Classify.h"
#include "nav/Selection.h"
#include "nav/TreeBuilder.h"
#include "pages/Builders.h"
#include "platform/TreeNodes.h"
#include "store/ContentStore.h"

#include <QCryptographicHash>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The tree as the window would hold it, with what a chosen node tells.
class InfoTree final : public platform::TreeNodes {
  public:
    void Add(const QString& relative, const QString& key, const QString& text, int, int) override {
        Node node{relative, text, {}, {}, {}};
        node.path = relative.isEmpty() ? text : m_nodes[relative].path + u'\\' + text;
        m_nodes.insert(key, node);
        (relative.isEmpty() ? m_top : m_nodes[relative].children) << key;
    }
    void SetTag(const QString& key, const QString& tag) override { m_nodes[key].tag = tag; }

    // Every node, parents before children, in the tree's order.
    QList<platform::NodeInfo> walk() const {
        QList<platform::NodeInfo> all;
        QStringList pending = m_top;
        while (!pending.isEmpty()) {
            const QString key = pending.takeFirst();
            const Node& node = m_nodes[key];
            all << platform::NodeInfo{key, node.tag, node.text, node.path,
                                      int(node.children.size())};
            pending = node.children + pending;
        }
        return all;
    }

  private:
    struct Node {
        QString parent, text, tag, path;
        QStringList children;
    };
    QHash<QString, Node> m_nodes;
    QStringList m_top;
};

// One digest over the bytes of every page a reader can open, in tree order,
// and of the About page. The expected value was taken from the reader as it
// was before any reading option existed: with the options at their defaults
// (the settings file has no section "Reading"), not one byte may differ.
QByteArray digestOfEveryPage() {
    store::ContentStore content{QStringLiteral(QUILLORA_TEST_DIC)};
    InfoTree tree;
    nav::buildTree(tree, content);
    QTemporaryDir dir;
    const nav::PageFiles files{{dir.filePath(QStringLiteral("~temp.$$$")),
                                QStringLiteral("/home/reader/.cache/quillora/temp/dicts/Dian")},
                               dir.filePath(QStringLiteral("readme.htm"))};
    QCryptographicHash digest(QCryptographicHash::Sha256);
    for (const platform::NodeInfo& node : tree.walk()) {
        QFile::remove(files.target.page);
        nav::carryOut(nav::classify(node), content, files);
        QFile page(files.target.page);
        digest.addData(node.key.toUtf8() + '\n');
        if (page.open(QIODevice::ReadOnly))
            digest.addData(page.readAll());
    }
    pages::Guanyu(files.about);
    QFile about(files.about);
    EXPECT_TRUE(about.open(QIODevice::ReadOnly));
    digest.addData(about.readAll());
    return digest.result().toHex();
}

} // namespace

TEST(DefaultPages, EveryPageIsByteForByteWhatTheReaderWroteBeforeItsReadingOptions) {
    EXPECT_EQ(digestOfEveryPage().toStdString(),
              "886c9951858592719fd8af7dc86017b840f29e76bf476a62a9414568cd54d137");
}
