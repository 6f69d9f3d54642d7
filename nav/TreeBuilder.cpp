#include "TreeBuilder.h"

#include "store/Categories.h"
#include "store/ContentNames.h"
#include "store/ContentStore.h"
#include "store/NodeKeys.h"
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

void addAuthor(platform::TreeNodes& tree, store::ContentStore& content, int i, int j,
               const QString& author) {
    const QString table = store::categories()[size_t(i)].table;
    const QString key = keys::author(i, j);
    addBookNode(tree, keys::category(i), key, author);
    platform::Recordset& authors = content.authors();
    authors.FindFirst(q::byAuthorName(author));
    if (!authors.NoMatch())
        tree.SetTag(key, u'j' + authors.Fields(c::ID).toString());

    platform::Recordset titles = content.database().OpenRecordset(q::titlesOf(table, author));
    for (int k = 0; !titles.EndOfFile(); titles.MoveNext(), ++k) {
        const QString titleKey = keys::title(key, k);
        tree.Add(key, titleKey, titles.Fields(c::TiMu).toString(), kPage, kPage);
        tree.SetTag(titleKey, titles.Fields(c::ID).toString());
    }
}

void addVerse(platform::TreeNodes& tree, store::ContentStore& content) {
    addBookNode(tree, {}, QStringLiteral("Scq"), QStringLiteral("Vellumbra"));
    for (int i = 0; i < store::kCategoryCount; ++i) {
        const store::Category& category = store::categories()[size_t(i)];
        addBookNode(tree, QStringLiteral("Scq"), keys::category(i), category.label);
        content.openCategory(i);
        platform::Recordset authorNames =
            content.database().OpenRecordset(q::authorsOf(category.table));
        for (int j = 0; !authorNames.EndOfFile(); authorNames.MoveNext(), ++j)
            addAuthor(tree, content, i, j, authorNames.Fields(c::ZuoZhe).toString());
    }
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
    int n = 1;
    for (auto rows = db.OpenRecordset(q::reigns()); !rows.EndOfFile(); rows.MoveNext(), ++n) {
        addBookNode(tree, keys::subDynasty(rows.Fields(c::ID).toString()), keys::reign(n),
                    rows.Fields(c::MingCheng).toString());
    }
}

} // namespace

void buildTree(platform::TreeNodes& tree, store::ContentStore& content) {
    addVerse(tree, content);
    addIdioms(tree, content);
    addDynasties(tree, content);
    addBookNode(tree, {}, QStringLiteral("Rdm"), QStringLiteral("关于"));
}

} // namespace nav
