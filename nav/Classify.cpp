#include "Classify.h"

#include "store/Categories.h"
#include "store/ContentNames.h"
#include "store/NodeKeys.h"

#include "platform/Error.h"

#include <QHash>

namespace nav {
namespace {

const QString kRoot = QStringLiteral("Vellumbra");

// A title's category is the one the tree filed it under, whatever the texts
// on its path say. A key that names no category is a fault, never a reason
// to look in another table.
int categoryOfTitle(const QString& key) {
    const std::optional<int> category = store::nodeKeys::categoryOfTitle(key);
    if (!category)
        throw platform::Error(platform::ErrorCode::UnknownNodeKey, key);
    return *category;
}

Action withNumber(Action::Kind kind, const QString& number = {}) {
    Action action;
    action.kind = kind;
    action.number = number;
    return action;
}

Action tagged(const platform::NodeInfo& node) {
    if (node.tag.front().toUpper() == u'J')
        return withNumber(Action::Kind::Author, node.tag.mid(1));
    Action title = withNumber(Action::Kind::Title, node.tag);
    title.category = categoryOfTitle(node.key);
    title.name = node.text;
    // Root, collection, poet, title: the poet is the one above the title.
    const QStringList path = node.fullPath.split(u'\\');
    if (path.size() >= 3)
        title.poet = path[path.size() - 2];
    return title;
}

Action preface(int section) {
    Action action = withNumber(Action::Kind::Preface);
    action.section = section;
    return action;
}

} // namespace

Action classify(const platform::NodeInfo& node) {
    if (!node.tag.isEmpty())
        return tagged(node);
    if (node.fullPath == kRoot)
        return preface(0);
    for (int i = 0; i < store::kCategoryCount; ++i) {
        if (node.fullPath == kRoot + u'\\' + store::categories()[size_t(i)].label)
            return preface(i + 1);
    }
    const QString& key = node.key;
    if (key == QLatin1String("Jyb"))
        return preface(4);
    if (key == QLatin1String("Cygs") || key.startsWith(QLatin1String("yinxu_")))
        return preface(5);
    if (key == QLatin1String("Rdm"))
        return withNumber(Action::Kind::About);
    if (key.startsWith(u'C'))
        return withNumber(Action::Kind::Idiom, key.mid(1));
    static const QHash<QChar, QString> dynastyTables = {{u'J', store::tables::ChaoDai},
                                                        {u'Y', store::tables::ChaoDai1},
                                                        {u'B', store::tables::ChaoDai2}};
    if (!key.isEmpty() && dynastyTables.contains(key.front())) {
        Action action = withNumber(Action::Kind::Dynasty);
        action.table = dynastyTables.value(key.front());
        action.name = node.text;
        action.hasChildren = node.children > 0;
        return action;
    }
    return withNumber(Action::Kind::Unmatched);
}

} // namespace nav
