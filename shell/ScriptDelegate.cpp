#include "ScriptDelegate.h"

#include "nav/TraditionalText.h"

namespace shell {

ScriptDelegate::ScriptDelegate(const nav::ReadingOptions& options, QObject* parent)
    : QStyledItemDelegate(parent), m_options(options) {}

void ScriptDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = shown(option->text);
}

QString ScriptDelegate::shown(const QString& text) const {
    if (!nav::isTraditional(m_options.script) || text.isEmpty())
        return text;
    // Each variant draws its own forms: what was drawn in another is forgotten.
    if (m_shownScript != m_options.script) {
        m_shown.clear();
        m_shownScript = m_options.script;
    }
    auto known = m_shown.constFind(text);
    if (known == m_shown.constEnd())
        known = m_shown.insert(text, nav::textShownIn(text, m_options));
    return *known;
}

} // namespace shell
