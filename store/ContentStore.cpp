#include "ContentStore.h"

#include "Queries.h"

#include "platform/Error.h"

namespace store {

ContentStore::ContentStore(const QString& path)
    : m_database(path), m_authors(m_database.OpenRecordset(queries::authors())) {}

ContentStore::ContentStore(platform::Database::Image image)
    : m_database(std::move(image)), m_authors(m_database.OpenRecordset(queries::authors())) {}

void ContentStore::openCategory(int index) {
    m_categories.at(size_t(index)) =
        m_database.OpenRecordset(queries::category(categories().at(size_t(index)).table));
}

platform::Recordset& ContentStore::category(int index) {
    auto& recordset = m_categories.at(size_t(index));
    if (!recordset)
        throw platform::Error(platform::ErrorCode::CategoryNotOpen, {}, QString::number(index));
    return *recordset;
}

} // namespace store
