#pragma once

#include "ReadingOptions.h"
#include "Selection.h"

#include "platform/TreeNodes.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace store {
class ContentStore;
}

namespace nav {

// Several pieces as one page file for paper: a title page, then each piece
// on a sheet of its own, as the reader shows it with the options (pinyin,
// Traditional, vertical, metre). Each piece's page is built in the scratch
// files exactly as a choice in the tree would build it.
class Booklet final {
  public:
    // What a key names in the tree, or nothing for a key the tree lacks.
    using NodeLookup = std::function<std::optional<platform::NodeInfo>(const QString& key)>;

    Booklet(store::ContentStore& content, PageFiles scratch, ReadingOptions options);

    // Writes the booklet of the keys, in their order, to path, headed by
    // heading; keys the lookup does not know are left out. Returns how many
    // pieces it holds. Throws platform::Error when a page cannot be written.
    int write(const QStringList& keys, const NodeLookup& lookup, const QString& heading,
              const QString& path) const;

  private:
    QString bodyOf(const platform::NodeInfo& node) const;

    store::ContentStore& m_content;
    PageFiles m_scratch;
    ReadingOptions m_options;
};

} // namespace nav
