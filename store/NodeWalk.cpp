#include "NodeWalk.h"

#include "Categories.h"
#include "ContentNames.h"
#include "NodeKeys.h"
#include "Queries.h"

#include "platform/Database.h"

namespace store::nodeWalk {

void verse(platform::Database& db, const VerseSteps& steps) {
    for (int i = 0; i < kCategoryCount; ++i) {
        const QString table = categories()[size_t(i)].table;
        if (steps.category)
            steps.category(i);
        platform::Recordset authors = db.OpenRecordset(queries::authorsOf(table));
        for (int j = 0; !authors.EndOfFile(); authors.MoveNext(), ++j) {
            const QString name = authors.Fields(columns::ZuoZhe).toString();
            const QString authorKey = nodeKeys::author(i, j);
            if (steps.author)
                steps.author(i, authorKey, name);
            platform::Recordset titles = db.OpenRecordset(queries::titlesOf(table, name));
            for (int k = 0; !titles.EndOfFile(); titles.MoveNext(), ++k) {
                if (steps.piece)
                    steps.piece(authorKey, nodeKeys::title(authorKey, k), titles);
            }
        }
    }
}

void reigns(platform::Database& db,
            const std::function<void(const QString& key, platform::Recordset& row)>& step) {
    platform::Recordset rows = db.OpenRecordset(queries::reigns());
    for (int n = 1; !rows.EndOfFile(); rows.MoveNext(), ++n)
        step(nodeKeys::reign(n), rows);
}

} // namespace store::nodeWalk
