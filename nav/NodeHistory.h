#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace nav {

// The nodes chosen so far, for Back and Forward as in a web browser: a new
// choice after some steps back drops the steps ahead. Only the latest
// kDepth steps are kept.
class NodeHistory final {
  public:
    static constexpr int kDepth = 100;

    // A choice of the node already current adds no step.
    void visit(const QString& key);
    // The node one step back or ahead, now current; nothing at either end.
    std::optional<QString> back();
    std::optional<QString> forward();

    bool canGoBack() const { return m_current > 0; }
    bool canGoForward() const { return m_current + 1 < m_keys.size(); }
    QString current() const { return m_current < 0 ? QString() : m_keys.at(m_current); }
    qsizetype size() const { return m_keys.size(); }

  private:
    QStringList m_keys;
    qsizetype m_current = -1;
};

} // namespace nav
