#include "Classify.h"

#include "store/Categories.h"

#include <QHash>

namespace nav {
namespace {

const QString kRoot = QStringLiteral("Vellumbra");

int categoryOf(const QString& fullPath) {
    for (int i = 0; i < store::kCategoryCount; ++i) {
        if (fullPath.contains(kRoot + u'\\' + store::categories()[size_t(i)].label))
            return i;
    }
    return 0;
}

Action of(Action::Kind kind, const QString& number = {}) {
    Action action;
    action.kind = kind;
    action.number = number;
    return action;
}

Action tagged(const platform::NodeInfo& node) {
    if (node.tag.front().toUpper() == u'J')
        return of(Action::Kind::Author, node.tag.mid(1));
    Action title = of(Action::Kind::Title, node.tag);
    title.category = categoryOf(node.fullPath);
    title.name = node.text;
    return title;
}

Action preface(int section) {
    Action action = of(Action::Kind::Preface);
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
        return of(Action::Kind::About);
    if (key.startsWith(u'C'))
        return of(Action::Kind::Idiom, key.mid(1));
    static const QHash<QChar, QString> tables = {{u'J', QStringLiteral("ChaoDai")},
                                                 {u'Y', QStringLiteral("ChaoDai1")},
                                                 {u'B', QStringLiteral("ChaoDai2")}};
    if (!key.isEmpty() && tables.contains(key.front())) {
        Action action = of(Action::Kind::Dynasty);
        action.table = tables.value(key.front());
        action.name = node.text;
        action.hasChildren = node.children > 0;
        return action;
    }
    return of(Action::Kind::Unmatched);
}

} // namespace nav
