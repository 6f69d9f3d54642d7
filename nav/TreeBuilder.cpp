#include "TreeBuilder.h"

#include "store/Categories.h"
#include "store/ContentNames.h"
#include "store/ContentStore.h"
#include "store/NodeKeys.h"
#include "store/NodeWalk.h"
#include "store/Queries.h"

#include "platform/TreeNodes.h"

namespace nav {
namespace {

namespace q = store::queries;
namespace c = store::columns;
namespace keys = store::nodeKeys;

void addBookNode(platform::TreeNodes& tree, const QString& relative, const QString& key,
                 const QString& text) {
    tree.Add(relative, key, text, kClosedBook, kOpenBook);
}

void tagAuthor(platform::TreeNodes& tree, store::ContentStore& content, const QString& key,
               const QString& author) {
    platform::Recordset& authors = content.authors();
    authors.FindFirst(q::byAuthorName(author));
    if (!authors.NoMatch())
        tree.SetTag(key, u'j' + authors.Fields(c::ID).toString());
}

void addVerse(platform::TreeNodes& tree, store::ContentStore& content) {
    addBookNode(tree, {}, QStringLiteral("Scq"), QStringLiteral("Vellumbra"));
    store::nodeWalk::VerseSteps steps;
    steps.category = [&](int i) {
        addBookNode(tree, QStringLiteral("Scq"), keys::category(i),
                    store::categories()[size_t(i)].label);
        content.openCategory(i);
    };
    steps.author = [&](int i, const QString& key, const QString& author) {
        addBookNode(tree, keys::category(i), key, author);
        tagAuthor(tree, content, key, author);
    };
    steps.piece = [&](const QString& authorKey, const QString& key, platform::Recordset& title) {
        tree.Add(authorKey, key, title.Fields(c::TiMu).toString(), kPage, kPage);
        tree.SetTag(key, title.Fields(c::ID).toString());
    };
    store::nodeWalk::verse(content.database(), steps);
}

void addIdioms(platform::TreeNodes& tree, store::ContentStore& content) {
    addBookNode(tree, {}, QStringLiteral("Cygs"), QStringLiteral("成语故事"));
    platform::Recordset initials = content.database().OpenRecordset(q::initials());
    for (; !initials.EndOfFile(); initials.MoveNext()) {
        const QString letter = initials.Fields(c::yinxu).toString();
        const QString key = QStringLiteral("yinxu_") + letter;
        addBookNode(tree, QStringLiteral("Cygs"), key, letter);
        platform::Recordset idioms = content.database().OpenRecordset(q::idiomsUnder(letter));
        for (; !idioms.EndOfFile(); idioms.MoveNext()) {
            tree.Add(key, keys::idiom(idioms.Fields(c::Id).toString()),
                     idioms.Fields(c::chengyu).toString(), kPage, kPage);
        }
    }
}

void addDynasties(platform::TreeNodes& tree, store::ContentStore& content) {
    addBookNode(tree, {}, QStringLiteral("Jyb"), QStringLiteral("我国历代纪元表"));
    platform::Database& db = content.database();
    for (auto rows = db.OpenRecordset(q::dynasties()); !rows.EndOfFile(); rows.MoveNext()) {
        addBookNode(tree, QStringLiteral("Jyb"), keys::dynasty(rows.Fields(c::ID).toString()),
                    rows.Fields(c::MingCheng).toString());
    }
    for (auto rows = db.OpenRecordset(q::subDynasties()); !rows.EndOfFile(); rows.MoveNext()) {
        addBookNode(tree, keys::dynasty(rows.Fields(c::ID).toString()),
                    keys::subDynasty(rows.Fields(c::ID1).toString()),
                    rows.Fields(c::MingCheng).toString());
    }
    store::nodeWalk::reigns(db, [&](const QString& key, platform::Recordset& row) {
        addBookNode(tree, keys::subDynasty(row.Fields(c::ID).toString()), key,
                    row.Fields(c::MingCheng).toString());
    });
}

} // namespace

void buildTree(platform::TreeNodes& tree, store::ContentStore& content) {
    addVerse(tree, content);
    addIdioms(tree, content);
    addDynasties(tree, content);
    addBookNode(tree, {}, QStringLiteral("Rdm"), QStringLiteral("关于"));
}

} // namespace nav
