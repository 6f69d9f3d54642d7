#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace nav {

// Picks a random piece of verse (a shi, ci or sanqu title) among the tree's
// nodes, never the one on show.
class RandomVerse final {
  public:
    // below(n) gives a uniform number in [0, n).
    using Uniform = std::function<qsizetype(qsizetype)>;

    explicit RandomVerse(const QStringList& treeKeys, Uniform below = {});

    // Nothing when there is no other piece to show.
    std::optional<QString> pick(const QString& shown) const;
    qsizetype count() const { return m_verses.size(); }

    static bool isVerse(const QString& key);

  private:
    QStringList m_verses;
    Uniform m_below;
};

} // namespace nav
