#include "ScriptDelegate.h"

#include "nav/TraditionalText.h"
#include "platform/Error.h"

namespace shell {

ScriptDelegate::ScriptDelegate(const nav::ReadingOptions& options, QObject* parent)
    : QStyledItemDelegate(parent), m_options(options) {}

void ScriptDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = shown(option->text);
}

QString ScriptDelegate::shown(const QString& text) const {
    if (m_options.script != nav::Script::Traditional || text.isEmpty())
        return text;
    auto known = m_shown.constFind(text);
    if (known == m_shown.constEnd()) {
        QString converted = text;
        try {
            converted = nav::traditionalText(text);
        } catch (const platform::Error&) {
            // Without the tables the page says why; the tree stays readable.
        }
        known = m_shown.insert(text, converted);
    }
    return *known;
}

} // namespace shell
