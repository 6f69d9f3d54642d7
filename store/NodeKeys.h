#pragma once

#include <QString>

#include <optional>

// The keys of the tree nodes that stand for rows of the content: the tree
// gives its nodes these keys and the search names the node to open by them,
// so both spell them here.
namespace store::nodeKeys {

// A verse category's branch, by its index in categories().
inline QString category(int index) {
    return QStringLiteral("R%1").arg(index);
}
// The author counted in that category's order of authors.
inline QString author(int category, int author) {
    return QStringLiteral("R%1.%2").arg(category).arg(author);
}
// The piece counted in its author's order of titles.
inline QString title(const QString& authorKey, int title) {
    return authorKey + QStringLiteral(".%1").arg(title);
}
inline QString idiom(const QString& id) {
    return u'C' + id;
}
inline QString dynasty(const QString& id) {
    return u'J' + id;
}
inline QString subDynasty(const QString& id1) {
    return u'Y' + id1;
}
// The category of a piece's key (R<category>.<author>.<title>); nothing for
// any other key, or one that names no category.
std::optional<int> categoryOfTitle(const QString& key);

// Reigns have no number of their own: they are counted from 1 as they come.
inline QString reign(int count) {
    return QStringLiteral("B%1").arg(count);
}

} // namespace store::nodeKeys
