#pragma once

#include "nav/ReadingOptions.h"

#include <QHash>
#include <QStyledItemDelegate>

namespace shell {

// Draws the tree's titles in the script the reader chose. Only the drawing
// changes: the nodes keep their own texts for everything that reads them.
class ScriptDelegate final : public QStyledItemDelegate {
  public:
    ScriptDelegate(const nav::ReadingOptions& options, QObject* parent);

    // A node's text as drawn.
    QString shown(const QString& text) const;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

  private:
    const nav::ReadingOptions& m_options;
    mutable QHash<QString, QString> m_shown;
    mutable nav::Script m_shownScript = nav::Script::Simplified; // the variant m_shown holds
};

} // namespace shell
