#include "RandomVerse.h"

#include "store/NodeKeys.h"

#include <QRandomGenerator>

namespace nav {

bool RandomVerse::isVerse(const QString& key) {
    return store::nodeKeys::categoryOfTitle(key).has_value();
}

RandomVerse::RandomVerse(const QStringList& treeKeys, Uniform below) : m_below(std::move(below)) {
    for (const QString& key : treeKeys)
        if (isVerse(key))
            m_verses << key;
    if (!m_below)
        m_below = [](qsizetype n) { return qsizetype(QRandomGenerator::global()->bounded(n)); };
}

std::optional<QString> RandomVerse::pick(const QString& shown) const {
    const qsizetype at = m_verses.indexOf(shown);
    const qsizetype others = at < 0 ? m_verses.size() : m_verses.size() - 1;
    if (others <= 0)
        return std::nullopt;
    // Drawing among the others and stepping over the one shown keeps every
    // other piece equally likely, with one draw.
    qsizetype index = m_below(others);
    if (at >= 0 && index >= at)
        ++index;
    return m_verses.at(index);
}

} // namespace nav
