#pragma once

#include "Categories.h"

#include "platform/Database.h"

#include <QtGlobal>

#include <array>
#include <memory>
#include <optional>

namespace store {

// The open content database and the recordsets kept open for the life of the
// window, so that choosing an author or a title costs one lookup.
class ContentStore final {
    Q_DISABLE_COPY_MOVE(ContentStore)

  public:
    // Opens the file and the author recordset.
    explicit ContentStore(const QString& path);
    // The same over the bytes of the file, read where they lie.
    explicit ContentStore(platform::Database::Image image);

    platform::Database& database() { return m_database; }
    platform::Recordset& authors() { return m_authors; }

    // Opened while the tree is built, one per category, in category order.
    void openCategory(int index);
    platform::Recordset& category(int index);

    void close() { m_database.Close(); }

  private:
    platform::Database m_database;
    platform::Recordset m_authors;
    std::array<std::optional<platform::Recordset>, kCategoryCount> m_categories;
};

} // namespace store
