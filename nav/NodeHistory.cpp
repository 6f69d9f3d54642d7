#include "NodeHistory.h"

namespace nav {

void NodeHistory::visit(const QString& key) {
    if (m_current >= 0 && m_keys.at(m_current) == key)
        return;
    m_keys.resize(m_current + 1);
    m_keys << key;
    if (m_keys.size() > kDepth + 1)
        m_keys.removeFirst();
    m_current = m_keys.size() - 1;
}

std::optional<QString> NodeHistory::back() {
    if (!canGoBack())
        return std::nullopt;
    return m_keys.at(--m_current);
}

std::optional<QString> NodeHistory::forward() {
    if (!canGoForward())
        return std::nullopt;
    return m_keys.at(++m_current);
}

} // namespace nav
